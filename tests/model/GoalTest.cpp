#include "Goal.h"
#include "GoalImage.h"
#include "GoalPictureKind.h"
#include "ImageBytes.h"
#include "QtPrinters.h"
#include "SettingsStore.h"
#include "TempSettings.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray redSquarePng() {
    QImage image(128, 128, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return encoded(image);
}

} // namespace

class GoalFromSettings : public ::testing::Test {
protected:
    TempSettings temp;
    SettingsStore store{temp.path()};
};

TEST_F(GoalFromSettings, isAbsentWhileSwitchedOffWhateverElseIsStored) {
    store.set(Keys::goalAmount, QStringLiteral("1000"));
    store.set(Keys::goalText, QStringLiteral("Bike"));
    store.set(Keys::goalPicture, GoalPictureKind::image);
    store.set(Keys::goalImage, redSquarePng());
    EXPECT_FALSE(Goal::fromSettings(store).has_value());
}

TEST_F(GoalFromSettings, alwaysExistsWhenSwitchedOnWithWhatPartsParse) {
    store.set(Keys::goalEnabled, true);
    store.set(Keys::goalAmount, QStringLiteral("abc"));
    store.set(Keys::goalText, QStringLiteral(" Trip "));
    store.set(Keys::goalEmoji, QString());
    const auto goal = Goal::fromSettings(store);
    ASSERT_TRUE(goal.has_value());
    EXPECT_EQ(goal->amount, std::nullopt);
    EXPECT_EQ(goal->text, " Trip ");
    EXPECT_TRUE(std::holds_alternative<Goal::NoPicture>(goal->picture));
}

TEST_F(GoalFromSettings, parsesTheAmountWithTheGroupingRule) {
    store.set(Keys::goalEnabled, true);
    store.set(Keys::goalAmount, QStringLiteral("1.500"));
    EXPECT_EQ(Goal::fromSettings(store)->amount, 1500.0);
}

TEST_F(GoalFromSettings, picksThePictureByKind) {
    store.set(Keys::goalEnabled, true);
    // The default kind is the emoji, with the default emoji.
    const Goal withEmoji = *Goal::fromSettings(store);
    const auto emoji = std::get_if<Goal::Emoji>(&withEmoji.picture);
    ASSERT_NE(emoji, nullptr);
    EXPECT_EQ(emoji->text, store.get(Keys::goalEmoji));

    store.set(Keys::goalPicture, GoalPictureKind::image);
    EXPECT_TRUE(std::holds_alternative<Goal::NoPicture>(Goal::fromSettings(store)->picture));
    store.set(Keys::goalImage, QByteArray("not a picture"));
    EXPECT_TRUE(std::holds_alternative<Goal::NoPicture>(Goal::fromSettings(store)->picture));
    store.set(Keys::goalImage, redSquarePng());
    const Goal withImage = *Goal::fromSettings(store);
    const auto image = std::get_if<QImage>(&withImage.picture);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(128, 128));

    store.set(Keys::goalPicture, GoalPictureKind::none);
    EXPECT_TRUE(std::holds_alternative<Goal::NoPicture>(Goal::fromSettings(store)->picture));
    EXPECT_TRUE(store.get(Keys::goalImage).has_value()) << "switching kind keeps the image";
}
