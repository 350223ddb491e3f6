#include "Earnings.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace Earnings {

double perSecond(double salary, PayPeriod period) {
    const double yearly = period == PayPeriod::monthly ? salary * 12 : salary;
    return yearly / secondsPerYear;
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
    if (std::isinf(whole))
        return QStringLiteral("∞:00:00");

    // 2^63 is exactly representable; below it the integer path is exact and,
    // without printf, cheap enough for every tick.
    if (whole < 9223372036854775808.0) {
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
    // Never reached in use (that is 292 billion years). fmod is exact, so
    // minutes and seconds are right; the hours are a whole number that %.0f
    // rounds to after an inexact subtraction and division.
    char buffer[400]; // the largest double has 309 digits
    const double withinHour = std::fmod(whole, 3600.0);
    const double secondsPart = std::fmod(withinHour, 60.0);
    const int length = std::snprintf(
        buffer, sizeof buffer, "%.0f:%02d:%02d", (whole - withinHour) / 3600.0,
        static_cast<int>((withinHour - secondsPart) / 60.0), static_cast<int>(secondsPart));
    return QString::fromLatin1(buffer, length);
}

} // namespace Earnings
