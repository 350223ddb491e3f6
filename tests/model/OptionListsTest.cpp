#include "CurrencyStyle.h"
#include "DigitColor.h"
#include "GoalPictureKind.h"

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
