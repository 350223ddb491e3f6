#include "CounterFace.h"
#include "Earnings.h"
#include "LocaleServices.h"
#include "QtPrinters.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double start = 1'000'000;
constexpr double period = CounterFace::tickMilliseconds / 1000.0;
constexpr double track = 292; // the goal bar's length, in points on a plain screen

CounterInputs inputs(double perSecond, std::optional<double> goalAmount = std::nullopt,
                     bool hidden = false) {
    CounterInputs in;
    in.start = start;
    in.perSecond = perSecond;
    if (goalAmount)
        in.goal = Goal{*goalAmount, QStringLiteral("Bike"), Goal::NoPicture{}};
    in.amountHidden = hidden;
    return in;
}

} // namespace

TEST(CounterFace, showsTheAmountTheElapsedTimeAndTheGoalAtAMoment) {
    struct Row {
        double perSecond;
        double sinceStart;
        std::optional<double> goalAmount;
        bool hidden;
        const char *amount;
        const char *elapsed;
        const char *goal;
    };
    const Row rows[] = {
        {1.0, 1234.56789, std::nullopt, false, "1,234.5679", "0:20:34", ""},
        {3.0, -10, std::nullopt, false, "0.0000", "0:00:00", ""}, // a start still to come
        {1.0, 100, 1000, false, "100.0000", "0:01:40", "10% of 1,000"},
        // Hidden: the goal's amount goes, its progress stays.
        {1.0, 1234.56789, 1000, true, "----.----", "0:20:34", "Reached!"},
        {1.0, 120.5, 1000, true, "----.----", "0:02:00", "12%"},
    };
    for (const Row &row : rows) {
        CounterFace face(inputs(row.perSecond, row.goalAmount, row.hidden));
        const CounterFace::Look look = face.lookAt(start + row.sinceStart);
        EXPECT_EQ(look.amount, row.amount) << row.sinceStart;
        EXPECT_EQ(look.elapsed, row.elapsed) << row.sinceStart;
        EXPECT_EQ(look.goal.text, row.goal) << row.sinceStart;
    }
}

namespace {

struct WakeCase {
    const char *name;
    double perSecond;
    double sinceStart; // seconds from the start to now
    std::optional<double> goalAmount;
    int atMostTicksAhead;
};

void PrintTo(const WakeCase &c, std::ostream *out) {
    *out << c.name;
}

class Wake : public ::testing::TestWithParam<WakeCase> {
protected:
    // What the screen would show at a moment, worked out apart from the face.
    static QString looksAt(double moment) {
        const WakeCase &c = GetParam();
        const double elapsed = std::max(0.0, moment - start);
        const double earned = c.perSecond * elapsed;
        QString look =
            LocaleServices::formatCounterAmount(earned) + u'|' + Earnings::formatElapsed(elapsed);
        if (c.goalAmount) {
            const GoalProgress goal = GoalProgress::of(c.goalAmount, earned);
            look += u'|' + goal.text + u'|' + QString::number(goal.fillPixels(track, 1));
        }
        return look;
    }
};

} // namespace

TEST_P(Wake, wakesAtTheNextScheduleMomentThatShowsSomethingElse) {
    const WakeCase &c = GetParam();
    const double now = start + c.sinceStart;
    CounterFace face(inputs(c.perSecond, c.goalAmount));
    face.setGoalTrack(track, 1);
    const CounterFace::Look shown = face.lookAt(face.entryBefore(now));
    const CounterFace::Wake wake = face.wakeAfter(now, shown);

    const double entry = std::floor((now - start) / period);
    const double ahead = std::round((wake.at - start) / period);
    EXPECT_EQ(wake.at, start + ahead * period) << "a schedule moment";
    EXPECT_GT(wake.at, now);
    EXPECT_LE(ahead - entry, c.atMostTicksAhead);
    EXPECT_FALSE(wake.paused);
    // Never early, and late by less than a millisecond.
    EXPECT_GE(wake.milliseconds(now), (wake.at - now) * 1000);
    EXPECT_LT(wake.milliseconds(now), (wake.at - now) * 1000 + 1);
    const QString seen = looksAt(start + entry * period);
    for (double k = entry + 1; k < ahead; ++k)
        EXPECT_EQ(looksAt(start + k * period), seen) << "a change at " << k * period << " s";
    if (ahead - entry < 20) { // not the once-a-second look again
        EXPECT_NE(looksAt(wake.at), seen);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CounterFace, Wake,
    ::testing::Values(
        // The fourth decimal moves by 0.05 every tick.
        WakeCase{"everyTick", 1.0, 100.0, std::nullopt, 1},
        // 0.0001 every four ticks: wakes on the fourth at most.
        WakeCase{"everyFewTicks", 0.0005, 100.01, std::nullopt, 4},
        // About 3,000 a month: every second tick or so.
        WakeCase{"threeThousandAMonth", 3000 * 12 / (365.25 * 86400), 3600.02, std::nullopt, 2},
        // 2,600 a year: the amount about once a second, the elapsed text each second.
        WakeCase{"onceASecond", 2600 / (365.25 * 86400), 7.3, std::nullopt, 20},
        // Once a minute: the elapsed text's whole seconds wake it.
        WakeCase{"onceAMinute", 0.0001 / 60, 59.42, std::nullopt, 12},
        // Every other tick lands on a halfway point of the fourth decimal,
        // where only formatting can tell which way it rounds.
        WakeCase{"halfwayTicks", 0.001, 100.0, std::nullopt, 3},
        // A small goal's bar moves before the amount does.
        WakeCase{"goalBar", 0.00003, 10.0, 0.001, 19},
        // Before the start the screen shows the start; it looks again each second.
        WakeCase{"beforeTheStart", 1.0, -30.0, std::nullopt, 20}),
    [](const ::testing::TestParamInfo<WakeCase> &info) { return std::string(info.param.name); });

namespace {

double wallClock(int day, int hour, int minute = 0) {
    return double(QDateTime(QDate(2026, 12, day), QTime(hour, minute)).toSecsSinceEpoch());
}

} // namespace

TEST(CounterFace, sleepsUntilWorkStartsAgainAMinuteAtATime) {
    // From Monday 7 December 09:00, office hours Monday to Friday.
    CounterInputs in = inputs(0.01);
    in.start = wallClock(7, 9);
    in.workingTime = std::make_shared<WorkingTime>(WorkSchedule(), in.start);
    CounterFace face(in);
    struct Row {
        double now;
        double wakesAt;
        int milliseconds;
    };
    const Row rows[] = {
        {wallClock(11, 17), wallClock(14, 9), 60'000}, // Friday, the end of the week's work
        {wallClock(12, 11), wallClock(14, 9), 60'000}, // Saturday
    };
    for (const Row &row : rows) {
        const CounterFace::Wake wake =
            face.wakeAfter(row.now, face.lookAt(face.entryBefore(row.now)));
        EXPECT_TRUE(wake.paused);
        EXPECT_EQ(wake.resumesAt, row.wakesAt);
        EXPECT_EQ(wake.at, row.wakesAt);
        EXPECT_EQ(wake.milliseconds(row.now), row.milliseconds);
    }
    EXPECT_EQ(face.lookAt(wallClock(11, 17)).elapsed, "40:00:00");
    EXPECT_FALSE(face.wakeAfter(wallClock(14, 10), face.lookAt(wallClock(14, 10))).paused);
}
