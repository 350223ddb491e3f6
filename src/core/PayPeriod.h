#pragma once

#include "ClosedList.h"

// An hourly wage pays for each counted second: every one since the start,
// or only working ones.
enum class PayPeriod { monthly, yearly, hourly };

template <> struct ClosedListTraits<PayPeriod> {
    static constexpr std::array<std::string_view, 3> rawValues{"Monthly", "Yearly", "Hourly"};
    static constexpr const char *context = "PayPeriod";
    static constexpr std::array<const char *, 3> labels{QT_TRANSLATE_NOOP("PayPeriod", "Monthly"),
                                                        QT_TRANSLATE_NOOP("PayPeriod", "Yearly"),
                                                        QT_TRANSLATE_NOOP("PayPeriod", "Hourly")};
};
