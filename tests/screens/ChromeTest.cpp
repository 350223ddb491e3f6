#include "CounterView.h"
#include "FakeWindowServices.h"
#include "QuitButton.h"
#include "SevenSegmentDisplay.h"
#include "WindowDragArea.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

// The glyph drawn when the icon theme has no close icon.
struct DrawnQuitGlyph : QuitButton {
    DrawnQuitGlyph()
        : QuitButton([] {}) {}
    using QuitButton::paintGlyph;
};

TEST(Chrome, quitGlyphIsADiscWithTheCrossCutOut) {
    const DrawnQuitGlyph glyph;
    for (const double scale : {1.0, 2.0, 3.0}) {
        const int side = int(14 * scale);
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        glyph.paintGlyph(painter, QRectF(0, 0, side, side));
        painter.end();
        const int middle = side / 2;
        // Where the arms cross, along an arm, and between two arms.
        EXPECT_LT(qAlpha(image.pixel(middle, middle)), 64) << scale;
        EXPECT_LT(qAlpha(image.pixel(middle + side / 7, middle + side / 7)), 64) << scale;
        EXPECT_GT(qAlpha(image.pixel(middle, side / 6)), 192) << scale;
    }
}

TEST(Chrome, aDragOnTheBackgroundMovesThePanelButNotAClickOrAButton) {
    FakeWindowServices services;
    WindowDragArea panel(services);
    auto *layout = new QVBoxLayout(&panel);
    auto *counter = new CounterView([] {}, [] {}, [] {}, [] { return 100.0; });
    layout->addWidget(counter);
    panel.resize(320, 132);
    panel.show();
    QApplication::processEvents();
    const auto drag = [](QWidget *on, QPoint from, QPoint by) {
        QTest::mousePress(on, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, from + by, on->mapToGlobal(from + by), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(on, &move);
        QTest::mouseRelease(on, Qt::LeftButton, {}, from + by);
    };
    const int far = QApplication::startDragDistance();

    // On the digits, which let presses through: a click, a nudge, a drag.
    const QPoint onDisplay = counter->display()->geometry().center();
    QTest::mouseClick(counter, Qt::LeftButton, {}, onDisplay);
    drag(counter, onDisplay, QPoint(far - 1, 0));
    EXPECT_EQ(services.moves, 0);
    drag(counter, onDisplay, QPoint(far, 0));
    EXPECT_EQ(services.moves, 1);

    QPushButton *stop = counter->findChild<QPushButton *>();
    drag(stop, QPoint(2, 2), QPoint(far * 2, 0));
    EXPECT_EQ(services.moves, 1);

    drag(&panel, QPoint(2, 2), QPoint(0, -far));
    EXPECT_EQ(services.moves, 2);
}
