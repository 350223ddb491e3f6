#include "ContentView.h"
#include "CounterView.h"
#include "FakeWindowServices.h"
#include "QtPrinters.h"
#include "SaveProblemMark.h"
#include "SegmentedControl.h"
#include "SettingsStore.h"
#include "SettingsView.h"
#include "SetupView.h"
#include "TempSettings.h"
#include "ToggleSwitch.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

class Root : public ::testing::Test {
protected:
    FakeWindowServices services;
    TempSettings temp;
    SettingsStore store{temp.path()};
    double now = 1'765'000'000.25;
    std::unique_ptr<ContentView> root;

    void build() {
        root = std::make_unique<ContentView>(store, services, [this] { return now; });
        root->resize(320, 132);
        root->show();
        QApplication::processEvents();
    }
};

TEST_F(Root, startStoresTheMomentWithItsFractionAndStopClearsIt) {
    build();
    QTest::keyClicks(root->setupView()->salaryField(), QStringLiteral("3000"));
    QTest::keyClick(root->setupView()->salaryField(), Qt::Key_Return);
    EXPECT_EQ(store.get(Keys::startedAt), now);
    EXPECT_EQ(SettingsStore(temp.path()).get(Keys::startedAt), now);
    EXPECT_EQ(root->shownScreen(), ContentView::Screen::counter);
    EXPECT_TRUE(root->counterView()->isVisible());
    EXPECT_FALSE(root->setupView()->isVisible());
    root->stop();
    EXPECT_EQ(store.get(Keys::startedAt), 0.0);
    EXPECT_EQ(root->shownScreen(), ContentView::Screen::setup);
}

TEST_F(Root, growsForAGoalAndKeepsItsHeightWhenStopping) {
    build();
    QSignalSpy heights(root.get(), &ContentView::wantedHeightChanged);
    store.set(Keys::goalEnabled, true);
    store.set(Keys::salary, QStringLiteral("5000"));
    store.set(Keys::startedAt, now);
    root->stop();
    store.set(Keys::goalEnabled, false);
    ASSERT_EQ(heights.count(), 2) << "once for each real change";
    EXPECT_EQ(heights[0][0].toInt(), 172);
    EXPECT_EQ(heights[1][0].toInt(), 132);
}

TEST_F(Root, fitsThePanelToTheSettingsScreenAndBack) {
    store.set(Keys::salary, QStringLiteral(" 42 "));
    store.set(Keys::period, PayPeriod::yearly);
    build();
    root->openSettings();
    QApplication::processEvents();
    ASSERT_EQ(root->shownScreen(), ContentView::Screen::settings);
    SettingsView *settings = root->settingsView();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(root->wantedHeight(), settings->naturalHeight() + 28);
    const int closedGoal = root->wantedHeight();
    QTest::mouseClick(settings->goal()->goalSwitch(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_GT(root->wantedHeight(), closedGoal);
    QTest::keyClicks(settings->goal()->textField(), QStringLiteral("Bike"));
    EXPECT_EQ(store.get(Keys::goalText), "") << "typing waits for a pause";
    QTest::keyClick(settings, Qt::Key_Escape);
    EXPECT_EQ(store.get(Keys::goalText), "Bike") << "handed over as the screen closes";
    QApplication::processEvents();
    EXPECT_EQ(root->shownScreen(), ContentView::Screen::setup);
    EXPECT_EQ(root->wantedHeight(), 172);
    EXPECT_EQ(root->setupView()->salaryField()->text(), " 42 ");
    EXPECT_EQ(root->setupView()->periodPicker()->selected(), 1);
}

TEST(SaveProblem, showsAnOrangeMarkWhileTheSettingsCannotBeSaved) {
    TempSettings temp;
    const QString blocker = temp.folder() + QStringLiteral("/blocked");
    QFile(blocker).open(QIODevice::WriteOnly);
    SettingsStore store(blocker + QStringLiteral("/Paytick.conf"));
    FakeWindowServices services;
    ContentView root(store, services, [] { return 1000.0; });
    root.resize(320, 132);
    root.show();
    EXPECT_FALSE(root.saveProblemMark()->isVisible());
    store.set(Keys::salary, QStringLiteral("5"));
    EXPECT_TRUE(root.saveProblemMark()->isVisible());
    EXPECT_TRUE(root.saveProblemMark()->toolTip().contains("cannot make its folder"));
    QFile::remove(blocker);
    store.set(Keys::salary, QStringLiteral("50"));
    EXPECT_FALSE(root.saveProblemMark()->isVisible());
}
