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
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

class Root : public ::testing::Test {
protected:
    FakeWindowServices services;
    TempSettings temp;
    SettingsStore store{temp.path()};
    double now = 1'765'000'000.25;
    std::unique_ptr<ContentView> root;

    void build() {
        root = std::make_unique<ContentView>(
            store, [this] { return now; }, [](QWidget *) { return std::nullopt; });
        root->resize(320, 132);
        root->show();
        QApplication::processEvents();
    }
};

TEST_F(Root, startsOnTheSetupScreenAt132Points) {
    build();
    EXPECT_EQ(root->screen(), ContentView::Screen::setup);
    EXPECT_EQ(root->windowHeight(), 132);
    ASSERT_FALSE(services.heights.empty());
    EXPECT_EQ(services.heights.back(), 132);
}

TEST_F(Root, countsOnlyWithAStartMomentAndASalaryThatParses) {
    struct Row {
        double startedAt;
        const char *salary;
        ContentView::Screen screen;
    };
    const Row rows[] = {
        {now - 10, "5000", ContentView::Screen::counter},
        {now + 10, "5000", ContentView::Screen::counter}, // counting, from zero
        {now - 10, "", ContentView::Screen::setup},
        {now - 10, "letters", ContentView::Screen::setup},
        {now - 10, "9000000000", ContentView::Screen::setup}, // monthly: over 10^10 a year
        {0, "5000", ContentView::Screen::setup},
        {-5, "5000", ContentView::Screen::setup},
        {std::numeric_limits<double>::quiet_NaN(), "5000", ContentView::Screen::setup},
    };
    build();
    for (const Row &row : rows) {
        store.set(Keys::salary, QString::fromUtf8(row.salary));
        store.set(Keys::startedAt, row.startedAt);
        EXPECT_EQ(root->screen(), row.screen) << row.startedAt << " " << row.salary;
    }
    EXPECT_EQ(root->setupView()->salaryField()->text(), "5000");
}

TEST_F(Root, startStoresTheMomentWithItsFractionAndStopClearsIt) {
    build();
    QTest::keyClicks(root->setupView()->salaryField(), QStringLiteral("3000"));
    QTest::keyClick(root->setupView()->salaryField(), Qt::Key_Return);
    EXPECT_EQ(store.get(Keys::startedAt), now);
    EXPECT_EQ(SettingsStore(temp.path()).get(Keys::startedAt), now);
    EXPECT_EQ(root->screen(), ContentView::Screen::counter);
    EXPECT_TRUE(root->counterView()->isVisible());
    EXPECT_FALSE(root->setupView()->isVisible());
    root->stop();
    EXPECT_EQ(store.get(Keys::startedAt), 0.0);
    EXPECT_EQ(root->screen(), ContentView::Screen::setup);
}

TEST_F(Root, growsForAGoalAndKeepsItsHeightWhenStopping) {
    build();
    store.set(Keys::goalEnabled, true);
    EXPECT_EQ(root->windowHeight(), 172);
    EXPECT_EQ(services.heights.back(), 172);
    store.set(Keys::salary, QStringLiteral("5000"));
    store.set(Keys::startedAt, now);
    EXPECT_EQ(services.heights.back(), 172);
    root->stop();
    EXPECT_EQ(services.heights.back(), 172);
    store.set(Keys::goalEnabled, false);
    EXPECT_EQ(services.heights.back(), 132);
}

TEST_F(Root, fitsThePanelToTheSettingsScreenAndBack) {
    store.set(Keys::salary, QStringLiteral(" 42 "));
    store.set(Keys::period, PayPeriod::yearly);
    build();
    root->openSettings();
    QApplication::processEvents();
    ASSERT_EQ(root->screen(), ContentView::Screen::settings);
    SettingsView *settings = root->settingsView();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(root->windowHeight(), settings->naturalHeight() + 28);
    EXPECT_EQ(services.heights.back(), settings->naturalHeight() + 28);
    const int closedGoal = services.heights.back();
    QTest::mouseClick(settings->goalSwitch(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_GT(services.heights.back(), closedGoal);
    QTest::keyClick(settings, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(root->screen(), ContentView::Screen::setup);
    EXPECT_EQ(services.heights.back(), 172);
    EXPECT_EQ(root->setupView()->salaryField()->text(), " 42 ");
    EXPECT_EQ(root->setupView()->periodPicker()->selected(), 1);
}

TEST(SaveProblem, showsAnOrangeMarkWhileTheSettingsCannotBeSaved) {
    TempSettings temp;
    const QString blocker = temp.folder() + QStringLiteral("/blocked");
    QFile(blocker).open(QIODevice::WriteOnly);
    SettingsStore store(blocker + QStringLiteral("/Paytick.conf"));
    FakeWindowServices services;
    ContentView root(store, [] { return 1000.0; });
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

TEST(PanelResize, keepsTheTopEdgeOrMovesUpToStayOnScreen) {
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget panel(nullptr, Qt::FramelessWindowHint);
    panel.setGeometry(free.left() + 40, free.top() + 30, 320, 132);
    panel.show();
    WindowServices services;
    services.resizeKeepingTop(&panel, 172);
    EXPECT_EQ(panel.geometry(), QRect(free.left() + 40, free.top() + 30, 320, 172));

    panel.setGeometry(free.left() + 40, free.bottom() - 140, 320, 132);
    services.resizeKeepingTop(&panel, 300);
    EXPECT_EQ(panel.geometry(), QRect(free.left() + 40, free.bottom() + 1 - 300, 320, 300));
}
