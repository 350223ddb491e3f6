#include "DisplayGeometry.h"

#include "Graphemes.h"
#include "SegmentFont.h"

#include <unicode/uchar.h>

#include <algorithm>

namespace {

constexpr double digitAdvance = 1.2;
constexpr double narrowAdvance = 0.52;
constexpr double heightPerUnit = 1.75;
// The double one step above 0.3: the gap between the label and the digits.
constexpr double labelGap = 0.30000000000000004;

bool isNumeric(QStringView character) {
    return u_getIntPropertyValue(static_cast<UChar32>(Graphemes::firstCodePoint(character)),
                                 UCHAR_NUMERIC_TYPE) != U_NT_NONE;
}

// A point of a segment: a corner of the cell plus multiples of the thickness.
struct Corner {
    int x; // 0: X0, 1: X1
    double dx;
    int y; // 0: Y0, 1: Ym, 2: Y1
    double dy;
};

// Each segment is a hexagon with 45-degree ends that stop 0.14 t short of
// its neighbours.
constexpr Corner shapes[7][6] = {
    {{0, .64, 0, .5},
     {0, 1.14, 0, 0},
     {1, -1.14, 0, 0},
     {1, -.64, 0, .5},
     {1, -1.14, 0, 1},
     {0, 1.14, 0, 1}}, // a
    {{1, -.5, 0, .64},
     {1, 0, 0, 1.14},
     {1, 0, 1, -.64},
     {1, -.5, 1, -.14},
     {1, -1, 1, -.64},
     {1, -1, 0, 1.14}}, // b
    {{1, -.5, 1, .14},
     {1, 0, 1, .64},
     {1, 0, 2, -1.14},
     {1, -.5, 2, -.64},
     {1, -1, 2, -1.14},
     {1, -1, 1, .64}}, // c
    {{0, .64, 2, -.5},
     {0, 1.14, 2, -1},
     {1, -1.14, 2, -1},
     {1, -.64, 2, -.5},
     {1, -1.14, 2, 0},
     {0, 1.14, 2, 0}}, // d
    {{0, .5, 1, .14},
     {0, 1, 1, .64},
     {0, 1, 2, -1.14},
     {0, .5, 2, -.64},
     {0, 0, 2, -1.14},
     {0, 0, 1, .64}}, // e
    {{0, .5, 0, .64},
     {0, 1, 0, 1.14},
     {0, 1, 1, -.64},
     {0, .5, 1, -.14},
     {0, 0, 1, -.64},
     {0, 0, 0, 1.14}}, // f
    {{0, .64, 1, 0},
     {0, 1.14, 1, -.5},
     {1, -1.14, 1, -.5},
     {1, -.64, 1, 0},
     {1, -1.14, 1, .5},
     {0, 1.14, 1, .5}}, // g
};

} // namespace

std::array<std::array<QPointF, 6>, 7> DisplayGeometry::cellSegments(double x0, double top,
                                                                    double unit) {
    const double t = 0.17 * unit;
    const double xs[2] = {x0, x0 + unit};
    const double ys[3] = {top, top + heightPerUnit * unit / 2, top + heightPerUnit * unit};
    std::array<std::array<QPointF, 6>, 7> result;
    for (int s = 0; s < 7; ++s)
        for (int p = 0; p < 6; ++p) {
            const Corner &c = shapes[s][p];
            result[s][p] = QPointF(xs[c.x] + c.dx * t, ys[c.y] + c.dy * t);
        }
    return result;
}

std::vector<DisplayGeometry::Segment> DisplayGeometry::segments() const {
    std::vector<Segment> all;
    all.reserve(cells.size() * 7);
    for (const Cell &cell : cells) {
        const auto lit = *SegmentFont::litSegments(QStringView(&cell.digit, 1));
        const auto hexagons = cellSegments(cell.left, top, unit);
        for (std::size_t s = 0; s < 7; ++s)
            all.push_back({hexagons[s], !lit[s]       ? Light::unlit
                                        : cell.dimmed ? Light::dimmed
                                                      : Light::lit});
    }
    return all;
}

DisplayGeometry DisplayGeometry::compute(QStringView text, QStringView prefix, double prefixAdvance,
                                         qint64 dimmedTrailingDigits, QSizeF canvas) {
    DisplayGeometry g;
    const std::vector<QStringView> characters = Graphemes::split(text);
    qint64 digitsLeft = 0;
    for (QStringView character : characters) {
        const bool cell = isNumeric(character) || SegmentFont::litSegments(character).has_value();
        g.measure += cell ? digitAdvance : narrowAdvance;
        digitsLeft += cell ? 1 : 0;
    }
    if (g.isEmpty())
        return g;

    const double labelFactor = Graphemes::count(prefix) == 1 ? 0.8 : 0.42;
    if (!prefix.isEmpty())
        g.prefixMeasure = prefixAdvance / 100 * heightPerUnit * labelFactor + labelGap;

    const double w = canvas.width();
    const double h = canvas.height();
    g.unit = std::min(h / heightPerUnit, w / (g.measure + g.prefixMeasure));
    const double u = g.unit;
    const double height = heightPerUnit * u;
    g.left = w - (g.measure + g.prefixMeasure) * u;
    g.top = (h - height) / 2;
    g.bottom = g.top + height;
    g.labelSize = height * labelFactor;
    g.labelBaseline = QPointF(g.left, g.bottom);

    const double t = g.thickness();
    g.cells.reserve(characters.size());
    double x = g.left + g.prefixMeasure * u;
    for (QStringView character : characters) {
        if (SegmentFont::litSegments(character)) {
            g.cells.push_back({character[0], x, dimmedTrailingDigits >= digitsLeft});
            --digitsLeft;
            x += digitAdvance * u;
            continue;
        }
        if (character == u".")
            g.marks.emplace_back(x + 0.075 * u, g.bottom - t, t, t);
        else if (character == u",")
            g.marks.emplace_back(x + 0.075 * u, g.bottom - t, t, 1.7 * t);
        x += narrowAdvance * u;
    }
    return g;
}
