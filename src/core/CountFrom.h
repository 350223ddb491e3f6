#pragma once

#include "ClosedList.h"

// What the counter counts: everything since the start, or only today's,
// this week's or this month's part of it.
enum class CountFrom { start, today, week, month };

template <> struct ClosedListTraits<CountFrom> {
    static constexpr std::array<std::string_view, 4> rawValues{"Start", "Today", "Week", "Month"};
    static constexpr const char *context = "CountFrom";
    static constexpr std::array<const char *, 4> labels{
        QT_TRANSLATE_NOOP("CountFrom", "Since start"), QT_TRANSLATE_NOOP("CountFrom", "Today"),
        QT_TRANSLATE_NOOP("CountFrom", "This week"), QT_TRANSLATE_NOOP("CountFrom", "This month")};
};
