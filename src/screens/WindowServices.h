#pragma once

#include <functional>

class QWidget;

// What the screens ask of the window system, for the panel a widget is in.
// The defaults use Qt; tests give their own to watch what is asked.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Moves the panel with the pointer until the button is released.
    virtual void startMove(QWidget *inPanel);

    virtual void quit();

    // Runs `modal` (a file dialog) with the panel no longer on top, so the
    // dialog cannot open hidden behind it; the panel floats again afterwards.
    virtual void runBelowOthers(QWidget *inPanel, const std::function<void()> &modal);

    // The services every widget uses unless a test installs others.
    static WindowServices &current();
    static void install(WindowServices *services);
};
