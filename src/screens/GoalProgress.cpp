#include "GoalProgress.h"

#include "LocaleServices.h"

#include <algorithm>
#include <cmath>

GoalProgress GoalProgress::of(std::optional<double> amount, double earned) {
    if (!amount)
        return {QStringLiteral("Add an amount in Settings"), std::nullopt};
    const QString amountText = LocaleServices::formatGoalAmount(*amount);
    const double fraction = earned / *amount;
    if (fraction < 1) {
        // Truncated: 99.99 % is not yet 100 %.
        const auto percent = static_cast<long long>(std::trunc(std::max(0.0, fraction) * 100));
        return {QString::number(percent) + QStringLiteral("% of ") + amountText, fraction};
    }
    return {QStringLiteral("Reached ") + amountText + u'!', fraction};
}

std::optional<double> GoalProgress::fillWidth(double trackWidth) const {
    if (!fraction)
        return std::nullopt;
    return std::max(4.0, *fraction < 1 ? trackWidth * *fraction : trackWidth);
}
