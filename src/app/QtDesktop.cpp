#include "QtDesktop.h"

std::unique_ptr<DesktopPlatform> DesktopPlatform::forThisBuild() {
    return std::make_unique<QtDesktop>();
}

std::unique_ptr<CompositorWatch> QtDesktop::watchCompositor() {
    return std::make_unique<CompositorWatch>();
}
