#pragma once

#include "ClosedList.h"

#include <QColor>

// The colour of the lit digits and the accents that go with them.
enum class DigitColor { green, lime, yellow, orange, red, pink, purple, blue, cyan, white };

template <> struct ClosedListTraits<DigitColor> {
    static constexpr std::array<std::string_view, 10> rawValues{
        "Green", "Lime", "Yellow", "Orange", "Red", "Pink", "Purple", "Blue", "Cyan", "White"};
    static constexpr const char *context = "DigitColor";
    static constexpr std::array<const char *, 10> labels{
        QT_TRANSLATE_NOOP("DigitColor", "Green"),  QT_TRANSLATE_NOOP("DigitColor", "Lime"),
        QT_TRANSLATE_NOOP("DigitColor", "Yellow"), QT_TRANSLATE_NOOP("DigitColor", "Orange"),
        QT_TRANSLATE_NOOP("DigitColor", "Red"),    QT_TRANSLATE_NOOP("DigitColor", "Pink"),
        QT_TRANSLATE_NOOP("DigitColor", "Purple"), QT_TRANSLATE_NOOP("DigitColor", "Blue"),
        QT_TRANSLATE_NOOP("DigitColor", "Cyan"),   QT_TRANSLATE_NOOP("DigitColor", "White")};
};

// sRGB components from 0 to 1, exactly as designed; opacity is always 1.
struct SrgbComponents {
    double red;
    double green;
    double blue;
};

SrgbComponents components(DigitColor color);

// For painting only: QColor keeps 16 bits a channel.
QColor toQColor(DigitColor color);
