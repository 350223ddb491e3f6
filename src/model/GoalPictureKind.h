#pragma once

#include "ClosedList.h"

// What the goal shows beside its text.
enum class GoalPictureKind { none, emoji, image };

template <> struct ClosedListTraits<GoalPictureKind> {
    static constexpr std::array<std::string_view, 3> rawValues{"None", "Emoji", "Image"};
    static constexpr const char *context = "GoalPictureKind";
    static constexpr std::array<const char *, 3> labels{
        QT_TRANSLATE_NOOP("GoalPictureKind", "None"), QT_TRANSLATE_NOOP("GoalPictureKind", "Emoji"),
        QT_TRANSLATE_NOOP("GoalPictureKind", "Image")};
};
