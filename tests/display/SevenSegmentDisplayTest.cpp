#include "SevenSegmentDisplay.h"
#include "Theme.h"

#include <QApplication>
#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

const QColor green = QColor::fromRgbF(0.25f, 1.0f, 0.45f);

QPointF centre(const DisplayGeometry::Segment &segment) {
    QPointF sum;
    for (QPointF p : segment.points)
        sum += p;
    return sum / 6;
}

QColor over(const QColor &top, double opacity, const QColor &bottom) {
    return QColor::fromRgbF(
        static_cast<float>(top.redF() * opacity + bottom.redF() * (1 - opacity)),
        static_cast<float>(top.greenF() * opacity + bottom.greenF() * (1 - opacity)),
        static_cast<float>(top.blueF() * opacity + bottom.blueF() * (1 - opacity)));
}

void expectColour(const QImage &image, QPointF at, const QColor &expected, int slack = 2) {
    const QColor actual = image.pixelColor(at.toPoint());
    EXPECT_NEAR(actual.red(), expected.red(), slack) << at.x() << "," << at.y();
    EXPECT_NEAR(actual.green(), expected.green(), slack) << at.x() << "," << at.y();
    EXPECT_NEAR(actual.blue(), expected.blue(), slack) << at.x() << "," << at.y();
}

class Painted : public ::testing::Test {
protected:
    QImage paint(double ratio = 1.0, QSize size = QSize(300, 70)) {
        QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Theme::background());
        QPainter painter(&image);
        display.paint(painter, size);
        painter.end();
        image.setDevicePixelRatio(1);
        return image;
    }

    SevenSegmentDisplay display;
};

} // namespace

TEST_F(Painted, drawsLitDimmedAndUnlitSegmentsInTheirColours) {
    display.setText(QStringLiteral("1,234.5678"));
    display.setColor(green);
    display.setDimmedTrailingDigits(2);
    const QImage image = paint();
    const DisplayGeometry g = display.layoutFor(QSizeF(300, 70));
    const auto segments = g.segments();
    const auto segment = [&](std::size_t cell, std::size_t s) { return segments[cell * 7 + s]; };

    expectColour(image, centre(segment(0, 1)), green); // 1: b lit
    expectColour(image, centre(segment(6, 0)),
                 over(green, 0.5, Theme::background())); // 7: a dimmed
    expectColour(image, centre(segment(0, 0)),
                 over(Qt::white, 0.05, Theme::background())); // 1: a unlit
    expectColour(image, centre(segment(6, 5)),
                 over(Qt::white, 0.05, Theme::background()));         // 7: f unlit
    expectColour(image, g.marks[0].center() + QPointF(0, -1), green); // the comma
}

TEST_F(Painted, isCrispAtTwiceThePixelRatio) {
    display.setText(QStringLiteral("88"));
    display.setColor(green);
    const QImage image = paint(2.0);
    const DisplayGeometry g = display.layoutFor(QSizeF(300, 70));
    ASSERT_EQ(image.size(), QSize(600, 140));
    const auto segments = g.segments();
    expectColour(image, centre(segments[6]) * 2, green);
    // The segment's edge falls within one device pixel: half a point inside is solid.
    const QPointF edge = segments[0].points[1] + QPointF(g.thickness() / 2, 0.5);
    expectColour(image, edge * 2 + QPointF(0, 1), green);
}

TEST_F(Painted, glowsJustOutsideLitSegmentsOnly) {
    display.setText(QStringLiteral("1"));
    display.setColor(green);
    const QImage image = paint();
    const DisplayGeometry g = display.layoutFor(QSizeF(300, 70));
    const double rightEdge = g.cells[0].left + g.unit;
    const QColor near = image.pixelColor(QPointF(rightEdge + 2, (g.top + g.bottom) / 4).toPoint());
    EXPECT_GT(near.green(), Theme::background().green() + 10);
    // Inside the digit's upper hole, a third of a cell from segment b.
    expectColour(image, QPointF(g.cells[0].left + 0.45 * g.unit, g.top + 0.45 * g.unit),
                 Theme::background(), 0);
    expectColour(image, QPointF(5, 35), Theme::background(), 0);
}

TEST_F(Painted, anEmptyTextLeavesTheCanvasUntouchedEvenWithALabel) {
    display.setPrefix(QStringLiteral("USD"));
    display.setText(QString());
    const QImage image = paint();
    QImage blank(image.size(), image.format());
    blank.fill(Theme::background());
    EXPECT_EQ(image, blank);
}

TEST_F(Painted, drawsTheLabelOnTheBaselineInTheColour) {
    display.setPrefix(QStringLiteral("\u2588")); // a full block: solid ink to probe
    display.setText(QStringLiteral("1"));
    display.setColor(green);
    const QImage image = paint();
    const DisplayGeometry g = display.layoutFor(QSizeF(300, 70));
    // The block's ink sits above the baseline, starting at the label's left edge.
    expectColour(image, g.labelBaseline + QPointF(0.2 * g.unit, -0.3 * g.unit), green);
}

TEST(SevenSegmentDisplay, hasNothingButTheTenAsciiDigitsAndTheDash) {
    EXPECT_EQ(SevenSegmentDisplay::litSegments(u"-"), (SegmentFont::Segments{0, 0, 0, 0, 0, 0, 1}));
    for (const char16_t *character : {u" ", u"--", u"\u2212", u".", u",", u"a", u"$", u"\u0663",
                                      u"\uFF13", u"\u00BD", u"\u00B3", u"", u"12", u"1\u0301"})
        EXPECT_EQ(SevenSegmentDisplay::litSegments(character), std::nullopt)
            << QString::fromUtf16(character).toStdString();
}

TEST(SevenSegmentDisplayWidget, namesItselfForAccessibilityWhileItListens) {
    ASSERT_FALSE(QAccessible::isActive());
    SevenSegmentDisplay display;
    display.setPrefix(QStringLiteral("$"));
    display.setText(QStringLiteral("12.3456"));
    EXPECT_EQ(display.accessibleName(), QString()) << "no events while nobody listens";
    QAccessible::setActive(true); // a screen reader starts
    EXPECT_EQ(display.accessibleName(), QStringLiteral("$ 12.3456"));
    QAccessible::setActive(false);
}

namespace {

// A shown display showing "1.0000" inside a window, which from then on
// counts Qt's paints and whose window's backing store is marked, so that
// whatever is painted into it shows.
class Repainted : public ::testing::Test, public QObject {
protected:
    void show(qint64 dimmed) {
        window.resize(320, 110);
        display.setGeometry(10, 20, 300, 70);
        display.setColor(green);
        display.setText(QStringLiteral("1.0000"));
        display.setDimmedTrailingDigits(dimmed);
        window.show();
        QApplication::processEvents();
        display.installEventFilter(this);
        stored().fill(Qt::magenta);
    }
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            area = static_cast<QPaintEvent *>(event)->rect();
        }
        return false;
    }
    QImage &stored() { return *static_cast<QImage *>(window.backingStore()->paintDevice()); }
    // What has been painted into the window since it was marked, in the
    // display's points.
    QRect painted() {
        const QImage &image = stored();
        QRect pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != QColor(Qt::magenta))
                    pixels |= QRect(x, y, 1, 1);
        const double ratio = image.devicePixelRatio();
        return QRectF(QPointF(pixels.topLeft()) / ratio, QSizeF(pixels.size()) / ratio)
            .toAlignedRect()
            .translated(-display.pos());
    }
    // Whether what was painted looks as a display showing only `text` does.
    void expectPaintedAsShown(const QString &text) {
        SevenSegmentDisplay fresh;
        fresh.resize(display.size());
        fresh.setColor(display.color());
        fresh.setDimmedTrailingDigits(display.dimmedTrailingDigits());
        fresh.setText(text);
        const double ratio = stored().devicePixelRatio();
        const QRect pixels(painted().topLeft() * ratio, painted().size() * ratio);
        EXPECT_EQ(stored().copy(pixels.translated(display.pos() * ratio)),
                  fresh.grab().toImage().copy(pixels))
            << text.toStdString();
    }

    int paints = 0;
    QRect area;
    QWidget window;
    SevenSegmentDisplay display{&window};
};

} // namespace

TEST_F(Repainted, onlyWhenAnInputChanges) {
    show(0);
    display.setText(QStringLiteral("1.0000"));
    display.setColor(display.color());
    display.setPrefix(display.prefix());
    display.setDimmedTrailingDigits(display.dimmedTrailingDigits());
    QApplication::processEvents();
    EXPECT_EQ(paints, 0);
    EXPECT_TRUE(painted().isEmpty());

    // A digit changed in place is painted straight into the window, without
    // a paint of the widgets, and only that digit, with room for its glow.
    display.setText(QStringLiteral("1.0001"));
    EXPECT_EQ(paints, 0);
    const DisplayGeometry g = display.layoutFor(display.size());
    EXPECT_GT(painted().left(), g.cells[3].left + g.unit / 2);
    EXPECT_LE(painted().left(), g.cells[4].left);
    EXPECT_GE(painted().right(), g.cells[4].left + g.unit);
    expectPaintedAsShown(QStringLiteral("1.0001"));

    display.setText(QStringLiteral("10.0001")); // one more digit: everything moves
    QApplication::processEvents();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(area, display.rect());
}

TEST_F(Repainted, aDimmedDigitWithoutRoomForAGlow) {
    show(2);
    display.setText(QStringLiteral("1.0001"));
    // Dimmed digits do not glow: the cell and a pixel of its smoothed edge.
    const DisplayGeometry g = display.layoutFor(display.size());
    const DisplayGeometry::Cell &last = g.cells[4];
    EXPECT_GE(painted().left(), std::floor(last.left) - 1);
    EXPECT_LE(painted().left(), last.left);
    EXPECT_LE(painted().right(), std::ceil(last.left + g.unit) + 1);
    EXPECT_GE(painted().right(), last.left + g.unit);
    expectPaintedAsShown(QStringLiteral("1.0001"));
}

TEST_F(Repainted, byQtFirstOnceShownAgain) {
    // Shown again (after the settings), the display waits for the window's
    // own paint rather than show a digit ahead of everything else.
    show(2);
    display.hide();
    display.setText(QStringLiteral("1.0001"));
    display.show();
    display.setText(QStringLiteral("1.0002"));
    EXPECT_TRUE(painted().isEmpty());
    QApplication::processEvents();
    EXPECT_EQ(paints, 1);
    display.setText(QStringLiteral("1.0003"));
    EXPECT_EQ(paints, 1);
    expectPaintedAsShown(QStringLiteral("1.0003"));
}

TEST(SevenSegmentDisplayWidget, aNewTextLooksAsIfShownFromTheStart) {
    // Each pair: a text shown, then the next; the widget on the panel's
    // background must look like one that showed only the next.
    const std::pair<const char *, const char *> pairs[] = {
        {"1.0000", "1.0001"},         // a digit in place
        {"1,234.5678", "1,234.5699"}, // two
        {"9.9999", "10.0000"},        // one more digit: everything moves
        {"1.0000", "1-0000"},         // a mark becomes a dash cell
        {"----.----", "0000.0000"},   // dashes become digits
    };
    for (const auto &[first, next] : pairs) {
        SevenSegmentDisplay changed;
        SevenSegmentDisplay fresh;
        for (SevenSegmentDisplay *display : {&changed, &fresh}) {
            display->resize(300, 70);
            display->setColor(green);
            display->setDimmedTrailingDigits(2);
        }
        changed.setText(QString::fromLatin1(first));
        (void)changed.grab(); // lays out and paints the first text
        changed.setText(QString::fromLatin1(next));
        fresh.setText(QString::fromLatin1(next));
        const QImage image = changed.grab().toImage();
        EXPECT_EQ(image, fresh.grab().toImage()) << first << " then " << next;
        expectColour(image, QPointF(2, 2), Theme::background(), 0);
    }
}

TEST(SevenSegmentDisplayWidget, paintsAnyPartAsItLooksInTheWhole) {
    // A repaint of a digit or two must give what painting everything gives,
    // whatever lies within reach (also run on a screen of twice the ratio).
    for (const char *text : {"1,234.5678", "0.0090", "-12.3"}) {
        SevenSegmentDisplay display;
        display.resize(300, 70);
        display.setColor(green);
        display.setPrefix(QStringLiteral("$"));
        display.setDimmedTrailingDigits(2);
        display.setText(QString::fromLatin1(text));
        const double ratio = display.devicePixelRatioF();
        const auto render = [&](const QRegion &region) {
            QImage image(display.size() * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::magenta);
            display.render(&image, region.boundingRect().topLeft(), region);
            return image;
        };
        const QImage whole = render(display.rect());
        const DisplayGeometry g = display.layoutFor(display.size());
        QRect before; // the cell before's area, painted together with the next
        for (const DisplayGeometry::Cell &cell : g.cells)
            for (const int pad : {1, 3}) {
                const QRect area = QRectF(cell.left, g.top, g.unit, g.bottom - g.top)
                                       .adjusted(-pad, -pad, pad, pad)
                                       .toAlignedRect();
                const QRegion region = QRegion(area) + (pad == 1 ? before : QRect());
                const QImage part = render(region);
                for (const QRect &rect : region) {
                    const QRect pixels(rect.topLeft() * ratio, rect.size() * ratio);
                    EXPECT_EQ(part.copy(pixels), whole.copy(pixels))
                        << text << ", the cell at " << cell.left << " and " << pad
                        << " around, pixel ratio " << ratio;
                }
                if (pad == 1)
                    before = area;
            }
    }
}
