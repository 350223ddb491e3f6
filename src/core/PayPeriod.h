#pragma once

#include "ClosedList.h"

enum class PayPeriod { monthly, yearly };

template <> struct ClosedListTraits<PayPeriod> {
    static constexpr std::array<std::string_view, 2> rawValues{"Monthly", "Yearly"};
};
