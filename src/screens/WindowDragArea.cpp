#include "WindowDragArea.h"

#include "WindowServices.h"

#include <QApplication>
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
    // The window manager's move starts only once this is a drag: started on
    // the press, a release that beats its pointer grab (a touchpad tap) would
    // leave the panel glued to the pointer.
    pressedAt_ = event->globalPosition().toPoint();
}

void WindowDragArea::mouseMoveEvent(QMouseEvent *event) {
    const QPoint at = event->globalPosition().toPoint();
    if (pressedAt_ && (event->buttons() & Qt::LeftButton) &&
        (at - *pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        const QPoint grabbed = *pressedAt_ - window()->pos();
        pressedAt_.reset();
        // The window manager moves the panel from here on, with the pointer's
        // later moves; without one, the panel catches up at once.
        if (!services_.startMove(this))
            grabOffset_ = grabbed;
    }
    if (!grabOffset_) {
        event->ignore();
        return;
    }
    window()->move(at - *grabOffset_);
}

void WindowDragArea::mouseReleaseEvent(QMouseEvent *event) {
    pressedAt_.reset();
    grabOffset_.reset();
    event->ignore();
}
