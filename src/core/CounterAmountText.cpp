#include "CounterAmountText.h"

#include "LocaleServices.h"

#include <cmath>

std::optional<qint64> CounterAmountText::tenThousandths(double amount) {
    constexpr double largest = 1e11; // in ten-thousandths; beyond, the error grows
    constexpr double margin = 1e-3;  // in ten-thousandths
    if (!(amount >= 0 && amount * 10'000 < largest))
        return std::nullopt;
    const double shifted = amount * 10'000 + 0.5;
    const double whole = std::floor(shifted);
    if (shifted - whole <= margin || shifted - whole >= 1 - margin)
        return std::nullopt;
    return static_cast<qint64>(whole);
}

QString CounterAmountText::of(double amount) {
    const std::optional<qint64> shown = tenThousandths(amount);
    if (shown && *shown / 10'000 == units_) {
        qint64 rest = *shown % 10'000;
        for (auto at = decimals_.rbegin(); at != decimals_.rend(); ++at, rest /= 10)
            text_[*at] = QChar(u'0' + static_cast<char16_t>(rest % 10));
        return text_;
    }
    text_ = LocaleServices::formatCounterAmount(amount);
    units_ = -1;
    if (!shown)
        return text_;
    // The last four digits must be the decimals as worked out here, or the
    // locale writes them some other way and every amount is formatted afresh.
    qint64 rest = *shown % 10'000;
    qsizetype at = text_.size();
    for (auto decimal = decimals_.rbegin(); decimal != decimals_.rend(); ++decimal, rest /= 10) {
        do
            --at;
        while (at >= 0 && !(text_[at] >= u'0' && text_[at] <= u'9'));
        if (at < 0 || text_[at] != QChar(u'0' + static_cast<char16_t>(rest % 10)))
            return text_;
        *decimal = at;
    }
    units_ = *shown / 10'000;
    return text_;
}
