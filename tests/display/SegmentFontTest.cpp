#include "SevenSegmentDisplay.h"

#include <gtest/gtest.h>

TEST(SegmentFont, lightsTheDistinctiveShapes) {
    struct Row {
        const char16_t *digit;
        SegmentFont::Segments lit; // a b c d e f g
    };
    const Row rows[] = {
        {u"0", {1, 1, 1, 1, 1, 1, 0}}, {u"1", {0, 1, 1, 0, 0, 0, 0}}, {u"2", {1, 1, 0, 1, 1, 0, 1}},
        {u"3", {1, 1, 1, 1, 0, 0, 1}}, {u"4", {0, 1, 1, 0, 0, 1, 1}}, {u"5", {1, 0, 1, 1, 0, 1, 1}},
        {u"6", {1, 0, 1, 1, 1, 1, 1}}, {u"7", {1, 1, 1, 0, 0, 0, 0}}, {u"8", {1, 1, 1, 1, 1, 1, 1}},
        {u"9", {1, 1, 1, 1, 0, 1, 1}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(SevenSegmentDisplay::litSegments(row.digit), row.lit)
            << QString::fromUtf16(row.digit).toStdString();
}

TEST(SegmentFont, hasNothingButTheTenAsciiDigits) {
    for (const char16_t *character : {u" ", u"-", u"\u2212", u".", u",", u"a", u"$", u"\u0663",
                                      u"\uFF13", u"\u00BD", u"\u00B3", u"", u"12", u"1\u0301"})
        EXPECT_EQ(SevenSegmentDisplay::litSegments(character), std::nullopt)
            << QString::fromUtf16(character).toStdString();
}
