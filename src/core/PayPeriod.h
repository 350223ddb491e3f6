#pragma once

#include "ClosedList.h"

enum class PayPeriod { monthly, yearly };

template <> struct ClosedListTraits<PayPeriod> {
    static constexpr std::array<std::string_view, 2> rawValues{"Monthly", "Yearly"};
    static constexpr const char *context = "PayPeriod";
    static constexpr std::array<const char *, 2> labels{QT_TRANSLATE_NOOP("PayPeriod", "Monthly"),
                                                        QT_TRANSLATE_NOOP("PayPeriod", "Yearly")};
};
