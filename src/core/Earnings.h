#pragma once

#include "PayPeriod.h"

#include <QString>

#include <optional>

// Earnings arithmetic and the parsing of typed amounts. Moments are seconds
// since 1970-01-01 00:00:00 UTC; money is in currency units, never rounded here.
namespace Earnings {

// A year of 365.25 days.
inline constexpr double secondsPerYear = 31557600.0;

double perSecond(double salary, PayPeriod period);

// now - start, never negative; a difference that is not a number is 0.
double elapsed(double startSeconds, double nowSeconds);

// The amount earned at `nowSeconds` when counting started at `startSeconds`.
double earned(double startSeconds, double nowSeconds, double perSecond);

// "H:MM:SS" with unbounded hours. Defined for every double: negative values and
// NaN read as 0, and anything beyond 2^63 seconds (no clock gets there) as 2^63.
QString formatElapsed(double seconds);

// A typed amount in any common grouping/decimal notation, or no value. The
// result, when present, is finite and greater than zero.
std::optional<double> parseAmount(const QString &text);

// The largest salary counted, a year. A hundred years of it is 10^12, which
// the display still shows in 320 points with its four decimals; far beyond it
// the digits become too small to read (and beyond 10^308 the rate is no
// finite number at all).
inline constexpr double maxYearlySalary = 1e10;

// The typed salary when it parses and is no more than maxYearlySalary a year.
std::optional<double> countableSalary(const QString &text, PayPeriod period);

} // namespace Earnings
