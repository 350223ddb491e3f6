#include "GoalRow.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

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
    row.setProgress(GoalProgress::of(1000, 120));
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
