#include "WindowDragArea.h"

#include "WindowServices.h"

#include <QMouseEvent>

WindowDragArea::WindowDragArea(QWidget *parent)
    : QWidget(parent) {
}

void WindowDragArea::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    WindowServices::current().startMove(this);
}
