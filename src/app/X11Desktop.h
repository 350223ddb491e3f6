#pragma once

class QWidget;

// What Qt has no words for on X11: a window on every virtual desktop, kept
// out of the task bar and pager (the EWMH sticky and skip states).
namespace X11Desktop {

// Does nothing on other platforms.
void showOnAllDesktops(QWidget *window);

} // namespace X11Desktop
