#pragma once

#include "ClosedList.h"

// What the goal shows beside its text.
enum class GoalPictureKind { none, emoji, image };

template <> struct ClosedListTraits<GoalPictureKind> {
    static constexpr std::array<std::string_view, 3> rawValues{"None", "Emoji", "Image"};
};
