#include "CounterView.h"
#include "FakeWindowServices.h"
#include "QuitButton.h"
#include "SettingsButton.h"
#include "SevenSegmentDisplay.h"
#include "WindowDragArea.h"

#include <QApplication>
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
