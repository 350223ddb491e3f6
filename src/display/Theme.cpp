#include "Theme.h"

namespace Theme {

const QColor &background() {
    static const QColor color = QColor::fromRgbF(0.06f, 0.07f, 0.06f, 1.0f);
    return color;
}

const QColor &segmentOff() {
    static const QColor color = QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.05f);
    return color;
}

} // namespace Theme
