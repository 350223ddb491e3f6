#include "GoalProgress.h"

#include "LocaleServices.h"

#include <algorithm>
#include <cmath>

GoalProgress GoalProgress::of(std::optional<double> amount, double earned, bool amountHidden) {
    if (!amount)
        return {QStringLiteral("Add an amount in Settings"), std::nullopt};
    const double fraction = earned / *amount;
    if (fraction < 1) {
        // Truncated: 99.99 % is not yet 100 %.
        const auto percent = static_cast<long long>(std::trunc(std::max(0.0, fraction) * 100));
        const QString reached = QString::number(percent) + u'%';
        if (amountHidden)
            return {reached, fraction};
        return {reached + QStringLiteral(" of ") + LocaleServices::formatGoalAmount(*amount),
                fraction};
    }
    if (amountHidden)
        return {QStringLiteral("Reached!"), fraction};
    return {QStringLiteral("Reached ") + LocaleServices::formatGoalAmount(*amount) + u'!',
            fraction};
}

std::optional<double> GoalProgress::fillWidth(double trackWidth) const {
    if (!fraction)
        return std::nullopt;
    return std::max(4.0, *fraction < 1 ? trackWidth * *fraction : trackWidth);
}

int GoalProgress::fillPixels(double trackWidth, double devicePixelRatio) const {
    const auto fill = fillWidth(trackWidth);
    return fill ? static_cast<int>(std::lround(*fill * devicePixelRatio)) : 0;
}
