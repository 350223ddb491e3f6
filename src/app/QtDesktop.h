#pragma once

#include "DesktopPlatform.h"

// Qt alone: it opens its own display and says itself what it cannot open, and
// the window flags are all it has to say about desktops.
class QtDesktop : public DesktopPlatform {
public:
    bool displayOpens() const override { return true; }
    void showOnAllDesktops(QWidget *) override {}
    std::unique_ptr<CompositorWatch> watchCompositor() override;
};
