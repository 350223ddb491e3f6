#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringView>

#include <array>
#include <vector>

// Where everything of the seven-segment display goes, as plain numbers: the
// painter only fills what this gives. All lengths derive from the cell unit u;
// a digit cell is u wide and 1.75 u high, and the content sits flush right.
struct DisplayGeometry {
    enum class Light { unlit, dimmed, lit };

    struct Segment {
        std::array<QPointF, 6> points;
        Light light;
    };

    // One digit cell of the segment font.
    struct Cell {
        QChar digit;
        double left;
        bool dimmed;
    };

    double measure = 0;       // T, in cell units
    double prefixMeasure = 0; // P, label plus its gap, in cell units
    double unit = 0;          // u
    double left = 0;          // L, where the content (label first) begins
    double top = 0;           // Y0
    double bottom = 0;        // Y1, the digits' baseline
    double labelSize = 0;     // the label's font size
    QPointF labelBaseline;    // where the label's baseline starts

    std::vector<Cell> cells;
    std::vector<QRectF> marks; // points and commas, always lit

    bool isEmpty() const { return measure <= 0; }
    double thickness() const { return 0.17 * unit; }
    double glowRadius() const { return 0.12 * unit; }

    // Seven per cell, a to g, made on request: painting uses whole cells.
    std::vector<Segment> segments() const;

    // `prefixAdvance` is the prefix's advance width in the semibold label
    // font at size 100.
    static DisplayGeometry compute(QStringView text, QStringView prefix, double prefixAdvance,
                                   qint64 dimmedTrailingDigits, QSizeF canvas);

    // The seven hexagons of a cell with its left edge at `x0`.
    static std::array<std::array<QPointF, 6>, 7> cellSegments(double x0, double top, double unit);
};
