#include "GoalProgress.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(GoalProgress, tellsHowFarTheEarningsHaveCome) {
    struct Row {
        std::optional<double> amount;
        double earned;
        const char *text;
        std::optional<double> fill; // on a 200-point track
    };
    const Row rows[] = {
        {std::nullopt, 500, "Add an amount in Settings", std::nullopt},
        {1000, 0, "0% of 1,000", 4},
        {1000, 120, "12% of 1,000", 24},
        {1000, 999.99, "99% of 1,000", 199.998},
        {1000, 1000, "Reached 1,000!", 200},
        {1000, 5000, "Reached 1,000!", 200},
        {1234.567, 0, "0% of 1,234.57", 4},
        {0.5, 0.25, "50% of 0.5", 100},
    };
    for (const Row &row : rows) {
        const GoalProgress progress = GoalProgress::of(row.amount, row.earned);
        EXPECT_EQ(progress.text, QString::fromUtf8(row.text)) << row.earned;
        const auto fill = progress.fillWidth(200);
        ASSERT_EQ(fill.has_value(), row.fill.has_value()) << row.text;
        if (fill) {
            EXPECT_NEAR(*fill, *row.fill, 1e-9) << row.text;
        }
    }
}
