#include "WindowServices.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

WindowServices *installed = nullptr;

void setOnTop(QWidget *panel, bool onTop) {
    const bool visible = panel->isVisible();
    panel->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        panel->show(); // changing flags hides a top-level window
}

} // namespace

bool WindowServices::startMove(QWidget *inPanel) {
    QWindow *window = inPanel->window()->windowHandle();
    return window != nullptr && window->startSystemMove();
}

void WindowServices::resizeKeepingTop(QWidget *inPanel, int height) {
    QWidget *panel = inPanel->window();
    QRect frame = panel->geometry();
    if (frame.height() == height)
        return;
    int top = frame.top();
    if (const QScreen *screen = panel->screen()) {
        const QRect free = screen->availableGeometry();
        if (top + height > free.bottom() + 1)
            top = std::max(free.top(), free.bottom() + 1 - height);
    }
    panel->setGeometry(frame.left(), top, frame.width(), height);
}

void WindowServices::quit() {
    QCoreApplication::quit();
}

void WindowServices::runBelowOthers(QWidget *inPanel, const std::function<void()> &modal) {
    QWidget *panel = inPanel->window();
    const bool wasOnTop = panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (wasOnTop)
        setOnTop(panel, false);
    modal();
    if (wasOnTop)
        setOnTop(panel, true);
}

WindowServices &WindowServices::current() {
    static WindowServices qtServices;
    return installed != nullptr ? *installed : qtServices;
}

void WindowServices::install(WindowServices *services) {
    installed = services;
}
