#pragma once

#include "CompositorWatch.h"

#include <memory>

class QWidget;

// What the panel asks of the window system beyond Qt. One implementation per
// platform, chosen when Paytick is built: X11's own (PAYTICK_X11), or Qt alone.
class DesktopPlatform {
public:
    // The one this build was made with.
    static std::unique_ptr<DesktopPlatform> forThisBuild();

    virtual ~DesktopPlatform() = default;

    // Whether the display the panel would use answers, asked before any
    // window: some backends abort when it does not.
    virtual bool displayOpens() const = 0;
    // On every virtual desktop and out of the task bar and pager, where the
    // platform has words for that.
    virtual void showOnAllDesktops(QWidget *window) = 0;
    // Follows whether a compositing manager runs (once the application exists).
    virtual std::unique_ptr<CompositorWatch> watchCompositor() = 0;
};
