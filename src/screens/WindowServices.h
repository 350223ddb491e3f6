#pragma once

#include <QString>

#include <optional>

class QWidget;

// What the screens ask of the window system, for the panel a widget is in.
// The application hands the Qt services to the root view, which hands them on;
// tests give their own to watch what is asked.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Asks the window manager to move the panel with the pointer until the
    // button is released; false when it cannot (the caller then moves it).
    virtual bool startMove(QWidget *inPanel);

    virtual void quit();

    // Asks the user for an image file with the file dialog, filtered to the
    // formats Qt reads; no value when cancelled. The panel leaves the top
    // while the dialog runs, so the dialog cannot open hidden behind it.
    virtual std::optional<QString> askForImage(QWidget *inPanel);
};
