#include "CounterView.h"
#include "FakeWindowServices.h"
#include "QuitButton.h"
#include "SettingsButton.h"
#include "SevenSegmentDisplay.h"
#include "WindowDragArea.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

TEST(Chrome, buttonsNameThemselvesAndAct) {
    int opened = 0;
    int quits = 0;
    QuitButton quit([&] { ++quits; });
    SettingsButton settings([&] { ++opened; });
    EXPECT_EQ(quit.toolTip(), "Quit");
    EXPECT_EQ(quit.accessibleName(), "Quit");
    EXPECT_EQ(settings.toolTip(), "Settings");
    EXPECT_EQ(settings.accessibleName(), "Settings");
    quit.show();
    settings.show();
    QTest::mouseClick(&quit, Qt::LeftButton);
    QTest::mouseClick(&settings, Qt::LeftButton);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(opened, 1);
}

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

TEST(Chrome, aPressOnTheBackgroundMovesThePanelButNotOnAButton) {
    FakeWindowServices services;
    WindowDragArea panel(services);
    auto *layout = new QVBoxLayout(&panel);
    auto *counter = new CounterView([] {}, [] {}, [] {}, [] { return 100.0; });
    layout->addWidget(counter);
    panel.resize(320, 132);
    panel.show();
    QApplication::processEvents();

    // On the digits: they let presses through.
    const QPoint onDisplay = counter->display()->geometry().center();
    QTest::mousePress(counter, Qt::LeftButton, {}, onDisplay);
    QTest::mouseRelease(counter, Qt::LeftButton, {}, onDisplay);
    EXPECT_EQ(services.moves, 1);

    QPushButton *stop = counter->findChild<QPushButton *>();
    QTest::mousePress(stop, Qt::LeftButton);
    QTest::mouseRelease(stop, Qt::LeftButton);
    EXPECT_EQ(services.moves, 1);

    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(services.moves, 2);
}
