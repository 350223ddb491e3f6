#pragma once

#include <QColor>

// The look constants shared by the display, the screens and the panel.
namespace Theme {

// A near-black with a faint green cast.
const QColor &background();

// Unlit segments: white at 5 %, faint ghosts on the background.
const QColor &segmentOff();

inline constexpr double cornerRadius = 14;
inline constexpr double padding = 14;
inline constexpr double baseHeight = 132;
inline constexpr double goalRowHeight = 40;

} // namespace Theme
