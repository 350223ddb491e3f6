#pragma once

#include <QString>

#include <array>
#include <optional>

// The counter's amount as the locale writes it to four places. Counting
// mostly changes only the decimals: while the whole units stay the same, the
// last text's four decimals are rewritten instead of formatting afresh.
class CounterAmountText {
public:
    QString of(double amount);

    // The amount in the ten-thousandths it shows, when the numbers alone make
    // that sure: clear of a halfway point by far more than a double's error
    // at its size. Unsure (negative, too large, too near a halfway point): none.
    static std::optional<qint64> tenThousandths(double amount);

private:
    QString text_;
    qint64 units_ = -1;                 // the whole units `text_` shows; -1: none sure
    std::array<qsizetype, 4> decimals_; // where its four decimals are
};
