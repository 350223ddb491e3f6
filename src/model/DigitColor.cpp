#include "DigitColor.h"

namespace {

constexpr std::array<SrgbComponents, 10> table{{
    {0.25, 1.0, 0.45},  // green
    {0.72, 1.0, 0.2},   // lime
    {1.0, 0.87, 0.2},   // yellow
    {1.0, 0.6, 0.2},    // orange
    {1.0, 0.36, 0.33},  // red
    {1.0, 0.45, 0.75},  // pink
    {0.74, 0.56, 1.0},  // purple
    {0.4, 0.68, 1.0},   // blue
    {0.25, 0.92, 0.95}, // cyan
    {0.95, 0.96, 0.95}, // white, faintly green
}};

} // namespace

SrgbComponents components(DigitColor color) {
    return table.at(static_cast<std::size_t>(color));
}

QColor toQColor(DigitColor color) {
    const SrgbComponents c = components(color);
    return QColor::fromRgbF(static_cast<float>(c.red), static_cast<float>(c.green),
                            static_cast<float>(c.blue));
}
