#include "CounterView.h"
#include "GoalRow.h"
#include "LocaleServices.h"
#include "QtPrinters.h"
#include "SevenSegmentDisplay.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Counts the paints and layout passes of a widget and its children.
struct PaintCounter : QObject {
    int paints = 0;
    int layouts = 0;
    void watch(QWidget *widget) {
        widget->installEventFilter(this);
        for (QWidget *child : widget->findChildren<QWidget *>())
            child->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override {
        paints += event->type() == QEvent::Paint;
        layouts += event->type() == QEvent::LayoutRequest;
        return false;
    }
};

class Counter : public ::testing::Test {
protected:
    double now = 1'000'000;
    CounterView view{[] {}, [] {}, [] {}, [this] { return now; }};

    void SetUp() override { view.resize(292, 104); }

    CounterView::Inputs inputs(double start, double perSecond) const {
        CounterView::Inputs in;
        in.start = start;
        in.perSecond = perSecond;
        in.currency = QStringLiteral("USD");
        return in;
    }
};

} // namespace

TEST_F(Counter, showsTheAmountWithFourDecimalsAndDimsTheLastTwo) {
    view.setInputs(inputs(now - 1234.56789, 1.0));
    view.tick();
    // The latest entry start + k x 0.05 s not after now.
    EXPECT_EQ(view.amountText(), "1,234.5500");
    EXPECT_EQ(view.display()->dimmedTrailingDigits(), 2);
    EXPECT_EQ(view.display()->prefix(), "USD");
}

TEST_F(Counter, givesTheGoalRowsRoomToTheDisplayWithoutAGoal) {
    CounterView::Inputs in = inputs(now, 1.0);
    view.setInputs(in);
    view.show();
    QApplication::processEvents();
    EXPECT_FALSE(view.goalRow()->isVisible());
    const int tall = view.display()->height();
    in.goal = Goal{1000, QStringLiteral("Bike"), Goal::NoPicture{}};
    view.setInputs(in);
    QApplication::processEvents();
    EXPECT_TRUE(view.goalRow()->isVisible());
    EXPECT_LT(view.display()->height(), tall);
}

TEST_F(Counter, passesTheSameAmountToTheGoalRow) {
    CounterView::Inputs in = inputs(now - 100, 1.0);
    in.goal = Goal{1000, QString(), Goal::NoPicture{}};
    view.setInputs(in);
    EXPECT_EQ(view.goalRow()->progress().text, "10% of 1,000");
}

TEST_F(Counter, repaintsOnlyWhenAShownTextChangesAndNeverLaysOut) {
    view.setInputs(inputs(now, 0.0001));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    PaintCounter counter;
    counter.watch(&view);
    now += 0.2; // 0.00002 earned, same second: nothing visible changes
    view.tick();
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    now += 1; // the elapsed text and the amount change
    view.tick();
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(view.elapsedText(), "0:00:01");
    EXPECT_EQ(counter.layouts, 0) << "a new time keeps the label's size";
}

TEST_F(Counter, ticksOnlyWhileShown) {
    view.setInputs(inputs(now, 1.0));
    EXPECT_FALSE(view.isTicking());
    view.show();
    EXPECT_TRUE(view.isTicking());
    view.hide();
    EXPECT_FALSE(view.isTicking());
}

TEST_F(Counter, catchesUpAWallClockJumpAtTheNextWakeUp) {
    const double start = now - 100;
    view.setInputs(inputs(start, 1.0));
    view.show();
    for (const double jump : {3600.0, -7200.0}) {
        now += jump; // a resume from suspend, or the clock set back
        view.tick(); // the timer's next wake-up
        const double entry = start + std::floor((now - start) / 0.05) * 0.05;
        EXPECT_EQ(view.amountText(),
                  LocaleServices::formatCounterAmount(std::max(0.0, entry - start)));
        EXPECT_GT(view.nextWake(), now);
        EXPECT_LE(view.nextWake(), now + 1.0);
    }
}

namespace {

double wallClock(int day, int hour, int minute = 0, int second = 0) {
    return double(QDateTime(QDate(2026, 12, day), QTime(hour, minute, second)).toSecsSinceEpoch());
}

} // namespace

TEST_F(Counter, countsOnlyWorkingHoursAndSleepsUntilWorkStartsAgain) {
    // From Monday 7 December 09:00, office hours Monday to Friday.
    const double start = wallClock(7, 9);
    CounterView::Inputs in = inputs(start, 0.01);
    in.workingTime = std::make_shared<WorkingTime>(WorkSchedule(), start);
    now = wallClock(11, 17); // Friday, the end of the week's work
    view.setInputs(in);
    view.show();
    EXPECT_EQ(view.elapsedText(), "40:00:00");
    EXPECT_EQ(view.amountText(), "1,440.0000");
    EXPECT_EQ(view.armedMilliseconds(), 60'000) << "asleep, waking once a minute";
    now = wallClock(14, 9, 0, 3); // Monday again
    view.tick();
    EXPECT_EQ(view.elapsedText(), "40:00:03");
    EXPECT_LE(view.nextWake(), now + 1) << "counting again";
}

// Today's count begins at midnight; the goal always takes everything since the start.
TEST_F(Counter, countsTodayFromMidnightAndTheGoalFromTheStart) {
    CounterView::Inputs in = inputs(wallClock(7, 22), 1.0);
    in.goal = Goal{100000, QString(), Goal::NoPicture{}};
    in.countFrom = CountFrom::today;
    now = wallClock(8, 0, 0, 2);
    view.setInputs(in);
    view.show();
    EXPECT_EQ(view.amountText(), "2.0000");
    EXPECT_EQ(view.goalRow()->progress().text, "7% of 100,000") << "7,202 since the start";
}

// Outside working hours the count stands still, but a new day still begins at midnight.
TEST_F(Counter, wakesAtMidnightToBeginTodayAgainWhileAsleepOutsideHours) {
    const double start = wallClock(7, 9);
    CounterView::Inputs in = inputs(start, 0.01);
    in.workingTime = std::make_shared<WorkingTime>(WorkSchedule(), start);
    in.countFrom = CountFrom::today;
    now = wallClock(7, 20);
    view.setInputs(in);
    view.show();
    EXPECT_EQ(view.elapsedText(), "8:00:00");
    EXPECT_EQ(view.nextWake(), wallClock(8, 0));
    now = wallClock(8, 0);
    view.tick();
    EXPECT_EQ(view.elapsedText(), "0:00:00");
    EXPECT_EQ(view.nextWake(), wallClock(8, 9));
}

TEST_F(Counter, showsTheTimeLeftInTheStretchUntilItEndsThenWhenWorkResumes) {
    const double start = wallClock(7, 9);
    WorkSchedule lunch;
    lunch.breakOn = true;
    CounterView::Inputs in = inputs(start, 0.0); // an amount that would wake every tick
    in.workingTime = std::make_shared<WorkingTime>(lunch, start);
    now = wallClock(7, 10, 30);
    view.setInputs(in);
    view.show();
    EXPECT_EQ(view.timeLeftText(), "1:30:00 left") << "until the break";
    EXPECT_EQ(view.pauseText(), "");
    now = wallClock(7, 16, 59, 59) + 0.5;
    view.tick();
    EXPECT_EQ(view.timeLeftText(), "0:00:00 left");
    EXPECT_NEAR(view.nextWake(), wallClock(7, 17), 1e-6) << "the sign changes at the shift's end";
    now = wallClock(7, 17);
    view.tick();
    EXPECT_EQ(view.timeLeftText(), "");
    EXPECT_EQ(view.pauseText(), "Resumes Tue 9:00 AM");
}
