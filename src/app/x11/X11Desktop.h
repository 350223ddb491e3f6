#pragma once

#include "DesktopPlatform.h"

// What Qt has no words for on X11: a window on every virtual desktop, kept
// out of the task bar and pager (the EWMH sticky and skip states), whether a
// compositing manager runs, and whether the X server answers at all (Qt's
// xcb backend aborts when it does not).
class X11Desktop : public DesktopPlatform {
public:
    bool displayOpens() const override;
    void showOnAllDesktops(QWidget *window) override;
    std::unique_ptr<CompositorWatch> watchCompositor() override;
};
