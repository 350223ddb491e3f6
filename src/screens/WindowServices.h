#pragma once

#include <functional>

class QWidget;

// What the screens ask of the window system, for the panel a widget is in.
// The defaults use Qt; tests give their own to watch what is asked.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Asks the window manager to move the panel with the pointer until the
    // button is released; false when it cannot (the caller then moves it).
    virtual bool startMove(QWidget *inPanel);

    // Gives the panel `height`, keeping its top edge and width, and moving it
    // up only as far as needed to keep its bottom on the screen's free area.
    virtual void resizeKeepingTop(QWidget *inPanel, int height);

    virtual void quit();

    // Runs `modal` (a file dialog) with the panel no longer on top, so the
    // dialog cannot open hidden behind it; the panel floats again afterwards.
    virtual void runBelowOthers(QWidget *inPanel, const std::function<void()> &modal);

    // The services every widget uses unless a test installs others.
    static WindowServices &current();
    static void install(WindowServices *services);
};
