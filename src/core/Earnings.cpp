#include "Earnings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace Earnings {

double perSecond(double salary, PayPeriod period) {
    switch (period) {
    case PayPeriod::monthly:
        return salary * 12 / secondsPerYear;
    case PayPeriod::yearly:
        break;
    case PayPeriod::hourly:
        return salary / 3600;
    }
    return salary / secondsPerYear;
}

std::optional<double> countableSalary(const QString &text, PayPeriod period) {
    const std::optional<double> salary = parseAmount(text);
    if (!salary || perSecond(*salary, period) * secondsPerYear > maxYearlySalary)
        return std::nullopt;
    return salary;
}

double elapsed(double startSeconds, double nowSeconds) {
    const double difference = nowSeconds - startSeconds;
    return difference >= 0 ? difference : 0.0; // NaN compares false
}

double earned(double startSeconds, double nowSeconds, double perSecond) {
    return perSecond * elapsed(startSeconds, nowSeconds);
}

QString formatElapsed(double seconds) {
    double whole = std::trunc(seconds);
    if (!(whole >= 1)) // also NaN
        whole = 0;
    // Beyond any clock (292 billion years), but the conversion must stay
    // defined: the largest double below 2^63.
    whole = std::min(whole, 9223372036854774784.0);

    // Without printf: cheap enough for every tick.
    const auto total = static_cast<std::int64_t>(whole);
    char16_t text[32];
    char16_t *end = text + 32;
    char16_t *cursor = end;
    auto twoDigits = [&cursor](int value) {
        *--cursor = static_cast<char16_t>(u'0' + value % 10);
        *--cursor = static_cast<char16_t>(u'0' + value / 10);
    };
    twoDigits(static_cast<int>(total % 60));
    *--cursor = u':';
    twoDigits(static_cast<int>(total / 60 % 60));
    *--cursor = u':';
    std::int64_t hours = total / 3600;
    do {
        *--cursor = static_cast<char16_t>(u'0' + hours % 10);
        hours /= 10;
    } while (hours > 0);
    return QString(reinterpret_cast<const QChar *>(cursor), end - cursor);
}

} // namespace Earnings
