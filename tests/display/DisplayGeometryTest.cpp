#include "DisplayGeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr double tolerance = 1e-9;

void expectNear(QPointF actual, double x, double y) {
    EXPECT_NEAR(actual.x(), x, tolerance);
    EXPECT_NEAR(actual.y(), y, tolerance);
}

} // namespace

TEST(DisplayGeometry, placesTheWorkedExample) {
    const auto g = DisplayGeometry::compute(u"0.1234", u"", 0, 0, QSizeF(300, 70));
    EXPECT_NEAR(g.measure, 6.52, tolerance);
    EXPECT_NEAR(g.unit, 40, tolerance);
    EXPECT_NEAR(g.left, 39.2, tolerance);
    EXPECT_NEAR(g.top, 0, tolerance);
    EXPECT_NEAR(g.bottom, 70, tolerance);
    EXPECT_NEAR(g.thickness(), 6.8, tolerance);
    ASSERT_EQ(g.cells.size(), 5u);
    EXPECT_NEAR(g.cells[0].left, 39.2, tolerance);
    EXPECT_NEAR(g.cells[1].left, 39.2 + 1.2 * 40 + 0.52 * 40, tolerance);
    ASSERT_EQ(g.segments().size(), 35u);
    ASSERT_EQ(g.marks.size(), 1u);
    // The point rests on the bottom edge, 0.075 u after the cursor.
    EXPECT_NEAR(g.marks[0].left(), 39.2 + 48 + 3, tolerance);
    EXPECT_NEAR(g.marks[0].bottom(), 70, tolerance);
}

TEST(DisplayGeometry, buildsEachSegmentAsAHexagonInItsPointOrder) {
    // Cell from x 39.2 to 79.2, y 0 to 70, middle 35, t = 6.8.
    const auto g = DisplayGeometry::compute(u"8", u"", 0, 0, QSizeF(48, 70));
    const auto segments = g.segments();
    ASSERT_EQ(segments.size(), 7u);
    const double t = 6.8;
    const double x0 = g.cells[0].left;
    const double x1 = x0 + 40;
    const auto &a = segments[0].points;
    expectNear(a[0], x0 + 0.64 * t, 0.5 * t);
    expectNear(a[1], x0 + 1.14 * t, 0);
    expectNear(a[2], x1 - 1.14 * t, 0);
    expectNear(a[3], x1 - 0.64 * t, 0.5 * t);
    expectNear(a[4], x1 - 1.14 * t, t);
    expectNear(a[5], x0 + 1.14 * t, t);
}

TEST(DisplayGeometry, takesTheUnitFromTheWidthOfANarrowCanvasAndCentresVertically) {
    const auto g = DisplayGeometry::compute(u"12", u"", 0, 0, QSizeF(48, 200));
    EXPECT_NEAR(g.unit, 48 / 2.4, tolerance);
    EXPECT_NEAR(g.left, 0, tolerance);
    EXPECT_NEAR(g.top, (200 - 1.75 * 20) / 2, tolerance);
}

TEST(DisplayGeometry, sizesTheLabelByItsLength) {
    // A one-character label at 1.4 u, a longer one at 0.735 u; both end 0.3 u
    // before the first cell, with their baseline on the digits' bottom edge.
    struct Row {
        const char16_t *prefix;
        double advance;
        double factor;
    };
    for (const Row &row : {Row{u"$", 55, 0.8}, Row{u"USD", 210, 0.42}}) {
        const auto g = DisplayGeometry::compute(u"5", row.prefix, row.advance, 0, QSizeF(400, 70));
        EXPECT_NEAR(g.labelSize, 1.75 * g.unit * row.factor, tolerance);
        EXPECT_NEAR(g.prefixMeasure, row.advance / 100 * 1.75 * row.factor + 0.3, 1e-12);
        expectNear(g.labelBaseline, g.left, g.bottom);
        EXPECT_NEAR(g.cells[0].left, g.left + g.prefixMeasure * g.unit, tolerance);
    }
}

TEST(DisplayGeometry, hangsTheCommaBelowTheDigitsAndGivesOtherCharactersANarrowCell) {
    const auto g = DisplayGeometry::compute(u"1,2 +3", u"", 0, 0, QSizeF(1000, 70));
    EXPECT_NEAR(g.measure, 3 * 1.2 + 3 * 0.52, tolerance);
    ASSERT_EQ(g.marks.size(), 1u);
    EXPECT_NEAR(g.marks[0].bottom() - g.bottom, 0.119 * g.unit, tolerance);
    ASSERT_EQ(g.cells.size(), 3u);
    EXPECT_NEAR(g.cells[2].left - g.cells[1].left, (1.2 + 2 * 0.52) * g.unit, tolerance);
}

TEST(DisplayGeometry, givesAHiddenAmountsDashesTheDigitsCells) {
    const auto shown = DisplayGeometry::compute(u"1,234.5678", u"", 0, 2, QSizeF(300, 70));
    const auto hidden = DisplayGeometry::compute(u"-,---.----", u"", 0, 2, QSizeF(300, 70));
    ASSERT_EQ(hidden.cells.size(), shown.cells.size());
    EXPECT_EQ(hidden.marks, shown.marks);
    for (std::size_t i = 0; i < shown.cells.size(); ++i) {
        EXPECT_EQ(hidden.cells[i].left, shown.cells[i].left) << i;
        EXPECT_EQ(hidden.cells[i].dimmed, shown.cells[i].dimmed) << i;
    }
}

TEST(DisplayGeometry, dimsOnlyTheTrailingDigits) {
    struct Row {
        qint64 dimmed;
        std::vector<bool> cells;
    };
    const Row rows[] = {
        {2, {false, false, false, false, false, false, true, true}},
        {0, {false, false, false, false, false, false, false, false}},
        {-3, {false, false, false, false, false, false, false, false}},
        {8, {true, true, true, true, true, true, true, true}},
        {100, {true, true, true, true, true, true, true, true}},
    };
    for (const Row &row : rows) {
        const auto g = DisplayGeometry::compute(u"1,234.5678", u"", 0, row.dimmed, QSizeF(300, 70));
        ASSERT_EQ(g.cells.size(), row.cells.size());
        for (std::size_t i = 0; i < row.cells.size(); ++i)
            EXPECT_EQ(g.cells[i].dimmed, row.cells[i]) << row.dimmed << " cell " << i;
    }
}
