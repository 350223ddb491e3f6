#include "GoalRow.h"
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

TEST(GoalRow, startsItsTextAfterThePictureIfThereIsOne) {
    GoalRow row;
    row.resize(292, 30);
    row.setGoal(Goal{1000, QStringLiteral("Bike"), Goal::NoPicture{}});
    EXPECT_EQ(row.textLeft(), 0);
    EXPECT_EQ(row.trackWidth(), 292);
    QImage image(128, 128, QImage::Format_ARGB32);
    image.fill(Qt::red);
    row.setGoal(Goal{1000, QStringLiteral("Bike"), image});
    EXPECT_EQ(row.textLeft(), 28 + 8);
    row.setGoal(Goal{1000, QStringLiteral("Bike"), Goal::Emoji{QStringLiteral("\U0001F697")}});
    EXPECT_GT(row.textLeft(), 8);
    row.setEarned(120);
    EXPECT_EQ(row.accessibleName(), "Bike, 12% of 1,000");
}

TEST(GoalRow, drawsAJoinedEmojiAsOnePicture) {
    // Each sequence takes the room of one emoji, not of its parts side by side.
    GoalRow row;
    row.resize(292, 30);
    const auto room = [&](const QString &emoji) {
        row.setGoal(Goal{1000, QStringLiteral("Bike"), Goal::Emoji{emoji}});
        return row.textLeft();
    };
    const double one = room(QStringLiteral("\U0001F308"));
    const char16_t *joined[] = {
        u"\U0001F3F3\uFE0F\u200D\U0001F308",           // rainbow flag
        u"\U0001F468\u200D\U0001F469\u200D\U0001F467", // family
        u"\u2764\uFE0F\u200D\U0001F525",               // heart on fire
        u"\u2708\uFE0F",                               // the plane, in colour
    };
    for (const char16_t *emoji : joined)
        EXPECT_EQ(room(QString::fromUtf16(emoji)), one) << QString::fromUtf16(emoji).toStdString();
}
