#include "SevenSegmentDisplay.h"

#include <gtest/gtest.h>

TEST(SegmentFont, hasNothingButTheTenAsciiDigitsAndTheDash) {
    EXPECT_EQ(SevenSegmentDisplay::litSegments(u"-"), (SegmentFont::Segments{0, 0, 0, 0, 0, 0, 1}));
    for (const char16_t *character : {u" ", u"--", u"\u2212", u".", u",", u"a", u"$", u"\u0663",
                                      u"\uFF13", u"\u00BD", u"\u00B3", u"", u"12", u"1\u0301"})
        EXPECT_EQ(SevenSegmentDisplay::litSegments(character), std::nullopt)
            << QString::fromUtf16(character).toStdString();
}
