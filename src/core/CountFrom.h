#pragma once

#include "ClosedList.h"

// What the counter counts: everything since the start, or only today's,
// this week's or this month's part of it.
enum class CountFrom { start, today, week, month };

template <> struct ClosedListTraits<CountFrom> {
    static constexpr std::array<std::string_view, 4> rawValues{"Start", "Today", "Week", "Month"};
};
