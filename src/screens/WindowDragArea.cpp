#include "WindowDragArea.h"

#include "WindowServices.h"

#include <QMouseEvent>

WindowDragArea::WindowDragArea(WindowServices &services, QWidget *parent)
    : QWidget(parent)
    , services_(services) {
}

void WindowDragArea::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (!services_.startMove(this))
        grabOffset_ = event->globalPosition().toPoint() - window()->pos();
}

void WindowDragArea::mouseMoveEvent(QMouseEvent *event) {
    if (!grabOffset_) {
        event->ignore();
        return;
    }
    window()->move(event->globalPosition().toPoint() - *grabOffset_);
}

void WindowDragArea::mouseReleaseEvent(QMouseEvent *event) {
    grabOffset_.reset();
    event->ignore();
}
