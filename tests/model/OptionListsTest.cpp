#include "CurrencyStyle.h"
#include "DigitColor.h"
#include "GoalPictureKind.h"
#include "Theme.h"

#include <gtest/gtest.h>

TEST(DigitColor, hasTenColoursInDisplayOrder) {
    const auto cases = allCases<DigitColor>();
    ASSERT_EQ(cases.size(), 10u);
    EXPECT_EQ(cases.front(), DigitColor::green);
    EXPECT_EQ(cases[4], DigitColor::red);
    EXPECT_EQ(cases.back(), DigitColor::white);
    const char *names[] = {"Green", "Lime",   "Yellow", "Orange", "Red",
                           "Pink",  "Purple", "Blue",   "Cyan",   "White"};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(rawValue(cases[i]), QLatin1StringView(names[i]));
        EXPECT_EQ(fromRawValue<DigitColor>(QString::fromLatin1(names[i])), cases[i]);
    }
}

TEST(DigitColor, keepsItsComponentsExactly) {
    const SrgbComponents white = components(DigitColor::white);
    EXPECT_EQ(white.red, 0.95);
    EXPECT_EQ(white.green, 0.96);
    EXPECT_EQ(white.blue, 0.95);
    const SrgbComponents pink = components(DigitColor::pink);
    EXPECT_EQ(pink.red, 1.0);
    EXPECT_EQ(pink.green, 0.45);
    EXPECT_EQ(pink.blue, 0.75);
    EXPECT_EQ(toQColor(DigitColor::green).alphaF(), 1.0f);
    EXPECT_NEAR(toQColor(DigitColor::green).greenF(), 1.0, 1e-4);
}

TEST(ClosedLists, refuseEveryTextButTheExactRawValue) {
    for (const char16_t *text : {u"White ", u"white", u"GREEN", u"Grey", u""})
        EXPECT_EQ(fromRawValue<DigitColor>(QStringView(text)), std::nullopt);
    for (const char16_t *text : {u"none", u"EMOJI", u"Picture", u""})
        EXPECT_EQ(fromRawValue<GoalPictureKind>(QStringView(text)), std::nullopt);
    for (const char16_t *text : {u"symbol", u"Code", u"abbreviation"})
        EXPECT_EQ(fromRawValue<CurrencyStyle>(QStringView(text)), std::nullopt);
    EXPECT_EQ(fromRawValue<CurrencyStyle>(u"Abbreviation"), CurrencyStyle::code);
    EXPECT_EQ(fromRawValue<CurrencyStyle>(u"Symbol"), CurrencyStyle::symbol);
}

TEST(GoalPictureKind, listsNoneEmojiImage) {
    const auto cases = allCases<GoalPictureKind>();
    ASSERT_EQ(cases.size(), 3u);
    EXPECT_EQ(rawValue(cases[0]), "None");
    EXPECT_EQ(rawValue(cases[1]), "Emoji");
    EXPECT_EQ(rawValue(cases[2]), "Image");
}

TEST(Theme, panelSizesAndColours) {
    EXPECT_EQ(Theme::baseHeight + Theme::goalRowHeight, 172);
    EXPECT_EQ(2 * Theme::padding, 28);
    EXPECT_EQ(Theme::cornerRadius, 14);
    EXPECT_NEAR(Theme::segmentOff().alphaF(), 0.05, 1e-4);
    EXPECT_EQ(Theme::segmentOff().rgb() & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_NEAR(Theme::background().redF(), 0.06, 1e-4);
    EXPECT_NEAR(Theme::background().greenF(), 0.07, 1e-4);
}
