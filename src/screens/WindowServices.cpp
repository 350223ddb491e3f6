#include "WindowServices.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

namespace {

WindowServices *installed = nullptr;

void setOnTop(QWidget *panel, bool onTop) {
    const bool visible = panel->isVisible();
    panel->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        panel->show(); // changing flags hides a top-level window
}

} // namespace

void WindowServices::startMove(QWidget *inPanel) {
    if (QWindow *window = inPanel->window()->windowHandle())
        window->startSystemMove();
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
