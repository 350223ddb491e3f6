#pragma once

#include "ClosedList.h"

// How the currency is labelled before the amount.
enum class CurrencyStyle { symbol, code };

template <> struct ClosedListTraits<CurrencyStyle> {
    static constexpr std::array<std::string_view, 2> rawValues{"Symbol", "Abbreviation"};
};
