#include "SetupView.h"
#include "GoalRow.h"
#include "QtPrinters.h"
#include "SegmentedControl.h"
#include "TempSettings.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

class Setup : public ::testing::Test {
protected:
    TempSettings temp;
    SettingsStore store{temp.path()};
    int starts = 0;
    SetupView view{Setting(store, Keys::salary), Setting(store, Keys::period), [this] { ++starts; },
                   [] {}, [] {}};

    void SetUp() override {
        view.resize(292, 104);
        view.show();
        view.activateWindow();
        QApplication::processEvents();
    }
};

TEST_F(Setup, beginsEmptyFocusedMonthlyAndUnableToStart) {
    EXPECT_EQ(view.salaryField()->text(), "");
    EXPECT_TRUE(view.salaryField()->hasFocus());
    EXPECT_EQ(view.periodPicker()->selected(), 0);
    EXPECT_FALSE(view.startButton()->isEnabled());
    EXPECT_FALSE(view.goalRow()->isVisible());
}

TEST_F(Setup, storesTheSalaryOnceTypedAndEnablesStartWhileItParses) {
    QSignalSpy writes(&store, &SettingsStore::changed);
    QTest::keyClicks(view.salaryField(), QStringLiteral("5000"));
    EXPECT_EQ(writes.count(), 0) << "not a write per key";
    EXPECT_TRUE(view.startButton()->isEnabled());
    EXPECT_EQ(view.salaryField()->cursorPosition(), 4);
    view.salaryField()->clearFocus(); // leaving the field
    EXPECT_EQ(writes.count(), 1);
    EXPECT_EQ(store.get(Keys::salary), "5000");
    view.salaryField()->setFocus();
    view.salaryField()->selectAll();
    QTest::keyClick(view.salaryField(), Qt::Key_Backspace);
    EXPECT_FALSE(view.startButton()->isEnabled());
}

TEST_F(Setup, returnStartsOnceOnlyWhenTheSalaryParses) {
    QTest::keyClicks(view.salaryField(), QStringLiteral("abc"));
    QTest::keyClick(view.salaryField(), Qt::Key_Return);
    EXPECT_EQ(starts, 0);
    view.salaryField()->clear();
    QTest::keyClicks(view.salaryField(), QStringLiteral(" 5000 "));
    QTest::keyClick(view.salaryField(), Qt::Key_Return);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(store.get(Keys::salary), " 5000 ");
    EXPECT_EQ(view.salaryField()->text(), " 5000 ");
    QTest::mouseClick(view.startButton(), Qt::LeftButton);
    EXPECT_EQ(starts, 2);
}

TEST_F(Setup, refusesASalaryTooLargeToCountWithANoteInTheTitlesPlace) {
    struct Row {
        QString salary;
        PayPeriod period;
        bool startable;
        bool note;
    };
    const Row rows[] = {
        {QStringLiteral("10000000000"), PayPeriod::yearly, true, false},
        {QStringLiteral("10000000000"), PayPeriod::monthly, false, true},
        {QStringLiteral("letters"), PayPeriod::yearly, false, false},
    };
    for (const Row &row : rows) {
        store.set(Keys::period, row.period);
        store.set(Keys::salary, row.salary);
        EXPECT_EQ(view.startButton()->isEnabled(), row.startable)
            << row.salary.left(20).toStdString();
        EXPECT_EQ(view.limitNote()->isVisible(), row.note) << row.salary.left(20).toStdString();
        QTest::keyClick(view.salaryField(), Qt::Key_Return);
    }
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(view.limitNote()->text(), "Enter at most 10 billion a year");
}

// Hourly, the third segment, still leaves the field room for a wage.
TEST_F(Setup, leavesRoomForAnHourlyWageBesideThreeSegments) {
    QTest::mouseClick(view.periodPicker()->findChildren<QPushButton *>().at(2), Qt::LeftButton);
    EXPECT_EQ(store.get(Keys::period), PayPeriod::hourly);
    EXPECT_LE(view.periodPicker()->geometry().right(), view.width());
    EXPECT_GE(view.salaryField()->width(),
              view.salaryField()->fontMetrics().horizontalAdvance(QStringLiteral("1,140,771")));
}

TEST_F(Setup, followsTheStoreWithoutDisturbingTyping) {
    QTest::keyClicks(view.salaryField(), QStringLiteral("12"));
    view.salaryField()->setCursorPosition(1);
    store.set(Keys::period, PayPeriod::yearly); // another key changes
    EXPECT_EQ(view.salaryField()->cursorPosition(), 1);
    EXPECT_EQ(view.periodPicker()->selected(), 1);
    store.set(Keys::salary, QStringLiteral("77")); // written elsewhere
    EXPECT_EQ(view.salaryField()->text(), "77");
}

TEST_F(Setup, showsTheGoalWithNothingEarned) {
    view.setGoal(Goal{1000, QStringLiteral("Bike"), Goal::NoPicture{}});
    QApplication::processEvents();
    EXPECT_TRUE(view.goalRow()->isVisible());
    EXPECT_EQ(view.goalRow()->progress().text, "0% of 1,000");
    EXPECT_LT(view.goalRow()->y(), view.startButton()->y());
}

TEST_F(Setup, centresItsRowsTenPointsApart) {
    for (const bool withGoal : {false, true}) {
        if (withGoal)
            view.setGoal(Goal{1000, QStringLiteral("Bike"), Goal::NoPicture{}});
        view.resize(292, withGoal ? 144 : 104);
        QApplication::processEvents();
        // The header row spans its controls above the salary field.
        int headerTop = view.height();
        int headerBottom = 0;
        for (QWidget *child : view.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (child->isVisible() && child->y() < view.salaryField()->y()) {
                headerTop = std::min(headerTop, child->y());
                headerBottom = std::max(headerBottom, child->geometry().bottom() + 1);
            }
        const QRect entry = view.salaryField()->geometry().united(view.periodPicker()->geometry());
        const int aboveStart =
            withGoal ? view.goalRow()->geometry().bottom() + 1 : entry.bottom() + 1;
        const int below = view.height() - (view.startButton()->geometry().bottom() + 1);
        EXPECT_NEAR(headerTop, below, 1) << "goal " << withGoal;
        EXPECT_EQ(entry.top() - headerBottom, 10) << "goal " << withGoal;
        EXPECT_EQ(view.startButton()->y() - aboveStart, 10) << "goal " << withGoal;
    }
}

TEST_F(Setup, fillsTheGoalBarInTheDigitColour) {
    const QColor red(255, 92, 84);
    view.setGoal(Goal{1000, QStringLiteral("Bike"), Goal::NoPicture{}});
    view.setColor(red);
    view.resize(292, 144);
    QApplication::processEvents();
    // Nothing earned still shows the bar's first sliver.
    const QImage row = view.goalRow()->grab().toImage();
    int inRed = 0;
    int inGreen = 0;
    for (int y = 0; y < row.height(); ++y)
        for (int x = 0; x < row.width(); ++x) {
            inRed += row.pixelColor(x, y) == red;
            inGreen += row.pixelColor(x, y) == QColor(Qt::green);
        }
    EXPECT_GT(inRed, 0);
    EXPECT_EQ(inGreen, 0);
}

TEST_F(Setup, masksTheSalaryWhileAmountsAreHidden) {
    store.set(Keys::salary, QStringLiteral("123456.78"));
    view.setAmountHidden(true);
    EXPECT_EQ(view.salaryField()->text(), QString(6, QChar(0x2022)));
    EXPECT_TRUE(view.salaryField()->isReadOnly());
    QTest::keyClicks(view.salaryField(), QStringLiteral("9"));
    EXPECT_EQ(store.get(Keys::salary), "123456.78") << "nothing typed blind";
    EXPECT_TRUE(view.startButton()->isEnabled());
    view.setAmountHidden(false);
    EXPECT_EQ(view.salaryField()->text(), "123456.78");
    EXPECT_FALSE(view.salaryField()->isReadOnly());
}
