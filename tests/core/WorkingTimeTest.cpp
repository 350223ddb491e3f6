#include "WorkingTime.h"
#include "CountedTime.h"
#include "FixedName.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <random>

namespace {

// A wall-clock moment in the process's time zone (TZ, set per suite by CTest).
double at(int year, int month, int day, int hour = 0, int minute = 0) {
    return double(QDateTime(QDate(year, month, day), QTime(hour, minute)).toSecsSinceEpoch());
}

WorkSchedule schedule(const char *days, QTime from, QTime to, bool breakOn = false,
                      QTime breakFrom = {12, 0}, QTime breakTo = {13, 0}) {
    WorkSchedule s;
    s.days = *WeekDays::fromText(QString::fromLatin1(days));
    s.from = from;
    s.to = to;
    s.breakOn = breakOn;
    s.breakFrom = breakFrom;
    s.breakTo = breakTo;
    return s;
}

const char *const everyDay = "Mon,Tue,Wed,Thu,Fri,Sat,Sun";
constexpr double hour = 3600;

// The sum day by day, as a check on the week-at-a-time sum.
double dayByDay(const WorkSchedule &s, double from, double to) {
    double total = 0;
    for (QDate day = WallClock().dateOf(from).addDays(-1); day <= WallClock().dateOf(to);
         day = day.addDays(1))
        for (const WorkSchedule::Span &span : s.spansOn(day))
            total += std::max(0.0, std::min(span.end, to) - std::max(span.begin, from));
    return total;
}

// Each suite runs in a process whose TZ names its zone (see CMakeLists).
template <FixedName zone> class InZone : public ::testing::Test {
protected:
    void SetUp() override {
        const char *tz = std::getenv("TZ");
        if (tz == nullptr || std::strcmp(tz, zone.text) != 0)
            GTEST_SKIP() << "needs TZ=" << zone.text;
    }
};

using Utc = InZone<"UTC">;
using Berlin = InZone<"Europe/Berlin">;
using NewYork = InZone<"America/New_York">;
using Dublin = InZone<"Europe/Dublin">;
using LordHowe = InZone<"Australia/Lord_Howe">;
using Kathmandu = InZone<"Asia/Kathmandu">;
using Apia = InZone<"Pacific/Apia">;
using SaoPaulo = InZone<"America/Sao_Paulo">;
using Tehran = InZone<"Asia/Tehran">;

// The reference, sharing nothing with the code: real time walked in quarter
// hours (every schedule time and clock change here falls on one), each
// counted when the C library's wall clock reads inside a shift and outside its
// break (a day never read has no shift; a break not wholly within the shift's
// hours, or taking all of them, is none). A clock set back reads as standing
// still until it catches up, so a repeated reading counts at its first
// occurrence only.
class Walk {
public:
    Walk(const WorkSchedule &s, double from)
        : s_(s)
        , t_(std::floor(from / step) * step - 86400)
        , done_(from) {
        int breakLength = 0;
        int shiftLength = 0;
        bool inside = true;
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const bool working = within(minute, s.from, s.to);
            shiftLength += working;
            if (within(minute, s.breakFrom, s.breakTo)) {
                ++breakLength;
                inside = inside && working;
            }
        }
        pause_ = s.breakOn && inside && breakLength < shiftLength;
        for (; t_ + step <= from; t_ += step)
            read();
    }
    // Whether the moment the walk last reached is working time.
    bool working() const { return working_; }
    // Working seconds from where the walk stands on to `to`.
    double to(double to) {
        double total = 0;
        for (;; t_ += step) {
            if (read())
                total += std::max(0.0, std::min(t_ + step, to) - std::max(t_, done_));
            if (t_ + step > to)
                break;
        }
        done_ = to;
        return total;
    }

private:
    static constexpr double step = 900;

    static int minutes(QTime time) { return time.hour() * 60 + time.minute(); }
    // Whether a minute of the day lies in hours that may run past midnight.
    static bool within(int minute, QTime from, QTime to) {
        return minutes(to) > minutes(from) ? minute >= minutes(from) && minute < minutes(to)
                                           : minute >= minutes(from) || minute < minutes(to);
    }

    bool read() {
        const std::time_t t = std::time_t(t_);
        std::tm local{};
        localtime_r(&t, &local);
        wall_ = std::max(wall_, std::int64_t(timegm(&local)));
        const std::int64_t day = wall_ >= 0 ? wall_ / 86400 : (wall_ - 86399) / 86400;
        const int minute = int(wall_ - day * 86400) / 60;
        if (day != day_) {
            dayBefore_ = day_;
            day_ = day;
        }
        const int weekDay = int((day + 3) % 7 + 7) % 7 + 1; // 1970-01-01 was a Thursday
        // A day the clock skipped was never read, and has no shift.
        const bool yesterday =
            dayBefore_ == day - 1 && s_.days.contains(weekDay == 1 ? 7 : weekDay - 1);
        const int from = minutes(s_.from), to = minutes(s_.to);
        const bool shift =
            to > from ? s_.days.contains(weekDay) && minute >= from && minute < to
                      : (s_.days.contains(weekDay) && minute >= from) || (yesterday && minute < to);
        working_ = shift && !(pause_ && within(minute, s_.breakFrom, s_.breakTo));
        return working_;
    }

    const WorkSchedule &s_;
    double t_;
    double done_;
    std::int64_t wall_ = INT64_MIN;
    std::int64_t day_ = 0;
    std::int64_t dayBefore_ = 0;
    bool pause_;
    bool working_ = false;
};

// A schedule on quarter hours, with a break inside its shift half the time,
// and sometimes one anywhere.
WorkSchedule randomSchedule(std::mt19937 &random) {
    const auto quarters = [&](int below) { return int(random() % unsigned(below)); };
    WorkSchedule s;
    for (int day = 1; day <= 7; ++day)
        s.days = s.days.with(day, random() % 3 != 0);
    const int from = quarters(96), length = 1 + quarters(95);
    const auto time = [](int quarter) { return QTime(quarter % 96 / 4, quarter % 4 * 15); };
    s.from = time(from);
    s.to = time(from + length);
    s.breakOn = length > 1 && random() % 2 == 0;
    const int breakFrom = quarters(length);
    const int breakLength = std::min(1 + quarters(length - breakFrom), length - 1);
    s.breakFrom = time(from + breakFrom);
    s.breakTo = time(from + breakFrom + std::max(1, breakLength));
    if (random() % 4 == 0) {
        s.breakFrom = time(quarters(96));
        s.breakTo = time(quarters(96));
    }
    return s;
}

// Random schedules over random spans from minutes to fifteen years (and the
// spans that cross 2038, Apia's missing day and a year's clock changes)
// agree with the walk, and a running count agrees with the sum.
void expectAgreesWithTheWalk() {
    std::mt19937 random(22);
    struct Case {
        WorkSchedule s;
        double from;
        double to;
    };
    std::vector<Case> cases;
    for (const auto &[from, to] : {std::pair{at(2037, 10, 19), at(2038, 4, 5)},
                                   {at(2011, 12, 29, 9), at(2011, 12, 31, 17)},
                                   {at(2026, 1, 1), at(2027, 1, 1)}}) {
        cases.push_back({schedule(everyDay, {22, 0}, {6, 0}), from, to});
        cases.push_back({schedule(everyDay, {9, 0}, {17, 0}), from, to});
        cases.push_back({schedule(everyDay, {1, 0}, {5, 0}, true, {2, 30}, {3, 0}), from, to});
        cases.push_back({randomSchedule(random), from, to});
    }
    std::uniform_real_distribution<double> moment(at(2000, 1, 1), at(2045, 1, 1));
    std::uniform_real_distribution<double> logLength(std::log(60.0), std::log(15 * 365.25 * 86400));
    for (int n = 0; n < 100; ++n) {
        const double from = std::round(moment(random));
        cases.push_back(
            {randomSchedule(random), from, from + std::round(std::exp(logLength(random)))});
    }
    for (const Case &c : cases) {
        const std::string what =
            c.s.days.toText().toStdString() + " " + c.s.from.toString().toStdString() + "-" +
            c.s.to.toString().toStdString() +
            (c.s.breakOn ? " break " + c.s.breakFrom.toString().toStdString() + "-" +
                               c.s.breakTo.toString().toStdString()
                         : "") +
            " from " + std::to_string(qint64(c.from)) + " to " + std::to_string(qint64(c.to));
        Walk walk(c.s, c.from);
        WorkingTime counted(c.s, c.from);
        double walked = 0;
        for (int tick = 1; tick <= 8; ++tick) {
            const double now = c.from + std::round((c.to - c.from) * tick / 8);
            walked += walk.to(now);
            ASSERT_EQ(WorkingTime::secondsBetween(c.s, c.from, now), walked) << what;
            ASSERT_EQ(counted.secondsUntil(now), walked) << what;
            ASSERT_EQ(counted.isWorking(now), walk.working()) << what;
            if (walk.working()) {
                ASSERT_EQ(counted.nextWorkingMoment(now), now) << what;
            }
        }
    }
}

} // namespace

TEST(WeekDays, readsOnlyTheTextsItWrites) {
    EXPECT_EQ(WeekDays::mondayToFriday().toText(), "Mon,Tue,Wed,Thu,Fri");
    EXPECT_EQ(WeekDays::fromText(u"Sun,Mon")->toText(), "Mon,Sun");
    EXPECT_EQ(WeekDays::fromText(u"")->count(), 0);
    for (const char16_t *bad : {u"mon", u"Mon,,Tue", u"Mon,Mon", u"Monday", u"Mon, Tue", u","})
        EXPECT_EQ(WeekDays::fromText(bad), std::nullopt) << QString::fromUtf16(bad).toStdString();
}

TEST(WorkSchedule, paysTheSalaryForTheWorkingSecondsOfItsPeriod) {
    const char *const weekdays = "Mon,Tue,Wed,Thu,Fri";
    const WorkSchedule office = schedule(weekdays, {9, 0}, {17, 0});
    // By hand: 5,000 / (40 hours x 365.25 / 7 / 12).
    EXPECT_DOUBLE_EQ(office.perWorkingSecond(5000, PayPeriod::monthly), 0.007985398129135296);
    EXPECT_DOUBLE_EQ(office.perWorkingSecond(60000, PayPeriod::yearly), 0.007985398129135296);
    EXPECT_EQ(schedule("", {9, 0}, {17, 0}).perWorkingSecond(5000, PayPeriod::monthly), 0);
    struct Row {
        WorkSchedule schedule;
        double weekHours;
    };
    const Row rows[] = {
        {office, 40},
        {schedule(weekdays, {9, 0}, {17, 0}, true), 35},
        // A night shift's break after midnight, before it, and on either side.
        {schedule(weekdays, {22, 0}, {6, 0}, true, {2, 0}, {2, 30}), 37.5},
        {schedule(weekdays, {22, 0}, {6, 0}, true, {23, 0}, {23, 30}), 37.5},
        {schedule(weekdays, {22, 0}, {6, 0}, true, {23, 30}, {0, 30}), 35},
        // A break not within the shift, or leaving none of it, is no break.
        {schedule(weekdays, {9, 0}, {17, 0}, true, {14, 0}, {12, 0}), 40},
        {schedule(weekdays, {9, 0}, {17, 0}, true, {8, 0}, {10, 0}), 40},
        {schedule(weekdays, {9, 0}, {17, 0}, true, {9, 0}, {17, 0}), 40},
        {schedule(weekdays, {0, 30}, {8, 0}, true, {23, 30}, {1, 0}), 37.5},
        {schedule("", {9, 0}, {17, 0}), 0},
        {schedule("Mon", {9, 0}, {9, 0}), 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.schedule.secondsPerWeek(), row.weekHours * hour) << row.weekHours;
}

TEST_F(Utc, aRunningCountAgreesWithTheSumAcrossDaysAndAClockSetBack) {
    const WorkSchedule s = schedule("Mon,Tue,Wed,Thu,Fri", {22, 0}, {6, 0}, true);
    const double start = at(2016, 12, 7, 23, 59);
    WorkingTime counted(s, start);
    for (double now : {at(2026, 12, 7, 10), at(2026, 12, 7, 23), at(2026, 12, 8, 0, 30),
                       at(2026, 12, 8, 5, 59), at(2026, 12, 12, 3), at(2026, 12, 8, 1)})
        EXPECT_EQ(counted.secondsUntil(now), WorkingTime::secondsBetween(s, start, now))
            << QDateTime::fromSecsSinceEpoch(qint64(now)).toString().toStdString();
    EXPECT_EQ(counted.secondsUntil(start - 5), 0);
}

TEST_F(Utc, standsStillOutsideHoursUntilTheNextWorkingMoment) {
    const WorkSchedule office = schedule("Mon,Tue,Wed,Thu,Fri", {9, 0}, {17, 0}, true);
    const WorkingTime counted(office, at(2026, 12, 7, 8));
    EXPECT_FALSE(counted.isWorking(at(2026, 12, 11, 17)));
    EXPECT_EQ(counted.nextWorkingMoment(at(2026, 12, 11, 17)), at(2026, 12, 14, 9));
    EXPECT_TRUE(counted.isWorking(at(2026, 12, 8, 11, 59)));
    EXPECT_FALSE(counted.isWorking(at(2026, 12, 8, 12, 30)));
    EXPECT_EQ(counted.nextWorkingMoment(at(2026, 12, 8, 12, 30)), at(2026, 12, 8, 13));
    EXPECT_EQ(counted.nextWorkingMoment(at(2026, 12, 8, 10)), at(2026, 12, 8, 10));
    EXPECT_EQ(WorkingTime(schedule("", {9, 0}, {17, 0}), 0).nextWorkingMoment(0), std::nullopt);
    EXPECT_EQ(WorkingTime::secondsBetween(office, at(2026, 12, 8), at(2026, 12, 7)), 0);
    // In a night shift's break after midnight, on a second within a minute.
    const WorkingTime nights(
        schedule("Mon,Tue,Wed,Thu,Fri", {22, 0}, {6, 0}, true, {2, 0}, {2, 30}),
        at(2026, 12, 7, 8));
    EXPECT_FALSE(nights.isWorking(at(2026, 12, 8, 2, 10) + 30));
    EXPECT_EQ(nights.nextWorkingMoment(at(2026, 12, 8, 2, 10) + 30), at(2026, 12, 8, 2, 30));
}

// Each zone's suite runs in a process of its own.
#define AGREES_WITH_THE_WALK(Zone)                                                                 \
    TEST_F(Zone, agreesWithTheWalk) {                                                              \
        expectAgreesWithTheWalk();                                                                 \
    }
AGREES_WITH_THE_WALK(Utc)
AGREES_WITH_THE_WALK(Berlin)
AGREES_WITH_THE_WALK(NewYork)
AGREES_WITH_THE_WALK(Dublin)
AGREES_WITH_THE_WALK(LordHowe)
AGREES_WITH_THE_WALK(Kathmandu)
AGREES_WITH_THE_WALK(Apia)
AGREES_WITH_THE_WALK(SaoPaulo)
AGREES_WITH_THE_WALK(Tehran)

TEST_F(Berlin, readsATimeTheClockRepeatsOrSkipsOneWayWhateverWasConvertedBefore) {
    // 02:00 on 2026-10-25 comes twice: first at 00:00 UTC. 02:30 on
    // 2026-03-29 never comes: the clock jumps over it at 01:00 UTC.
    for (const QTime before : {QTime(1, 30), QTime(3, 30), QTime(12, 0)}) {
        QDateTime(QDate(2026, 10, 25), before).toSecsSinceEpoch(); // summer, then winter time
        EXPECT_EQ(schedule(everyDay, {2, 0}, {4, 0}).spansOn(QDate(2026, 10, 25)).at(0).begin,
                  1792886400)
            << before.toString().toStdString();
        QDateTime(QDate(2026, 3, 29), before).toSecsSinceEpoch();
        EXPECT_EQ(schedule(everyDay, {2, 30}, {4, 0}).spansOn(QDate(2026, 3, 29)).at(0).begin,
                  1774746000)
            << before.toString().toStdString();
    }
}

TEST(DayHours, readsOnlyTheTextsItWrites) {
    DayHours night{{22, 0}, {6, 0}, true, {2, 0}, {2, 30}};
    EXPECT_EQ(night.toText(), "22:00-06:00 break 02:00-02:30");
    EXPECT_EQ(DayHours::fromText(night.toText()), night);
    night.breakOn = false;
    EXPECT_EQ(night.toText(), "22:00-06:00");
    EXPECT_EQ(DayHours::fromText(u"22:00-06:00")->to, QTime(6, 0));
    for (const char16_t *bad :
         {u"", u"9:00-14:00", u"09:00-14:00 ", u"09:00 14:00", u"09:00-24:00", u"09:00-14:00 break",
          u"09:00-14:00 break 12:00", u"09:00-14:00 pause 12:00-12:30"})
        EXPECT_EQ(DayHours::fromText(bad), std::nullopt) << QString::fromUtf16(bad).toStdString();
}

// A working week with some days' own hours, against hand-counted hours; the
// pay per working second follows the week, except an hourly wage's.
TEST_F(Utc, countsEachDayByItsOwnHours) {
    const auto own = [](WorkSchedule s, int day, const char16_t *hours) {
        s.ownHours[std::size_t(day - 1)] = DayHours::fromText(hours);
        return s;
    };
    const WorkSchedule office = schedule("Mon,Tue,Wed,Thu,Fri", {9, 0}, {17, 0});
    struct Row {
        const char *what;
        WorkSchedule s;
        double weekHours;
        double thursdayTillNoon; // 2026-12-10, from midnight
    };
    const Row rows[] = {
        {"a short Friday", own(office, 5, u"09:00-14:00"), 37, 3},
        {"a Saturday morning",
         own(schedule("Mon,Tue,Wed,Thu,Fri,Sat", {9, 0}, {17, 0}), 6, u"08:00-12:00"), 44, 3},
        {"a night shift on Wednesday only", own(office, 3, u"22:00-06:00"), 40, 9},
        {"a break on Thursday only", own(office, 4, u"09:00-17:00 break 11:00-13:00"), 38, 2},
        {"a day off keeps its own hours unused", own(office, 7, u"10:00-12:00"), 40, 3},
        {"own hours without length are no shift", own(office, 4, u"09:00-09:00"), 32, 0},
    };
    const double monday = at(2026, 12, 7);
    for (const Row &row : rows) {
        EXPECT_EQ(row.s.secondsPerWeek(), row.weekHours * hour) << row.what;
        EXPECT_EQ(WorkingTime::secondsBetween(row.s, monday, at(2026, 12, 14)),
                  row.weekHours * hour)
            << row.what;
        EXPECT_EQ(WorkingTime::secondsBetween(row.s, at(2026, 12, 10), at(2026, 12, 10, 12)),
                  row.thursdayTillNoon * hour)
            << row.what;
        // Ten years a week at a time agree with every day's own.
        const double from = at(2016, 12, 7, 14, 10);
        EXPECT_EQ(WorkingTime::secondsBetween(row.s, from, monday), dayByDay(row.s, from, monday))
            << row.what;
        EXPECT_DOUBLE_EQ(row.s.perWorkingSecond(5000, PayPeriod::monthly),
                         5000 / (row.weekHours * hour * 365.25 / 7 / 12))
            << row.what;
        EXPECT_EQ(row.s.perWorkingSecond(36, PayPeriod::hourly), 0.01) << row.what;
    }
    EXPECT_EQ(schedule("", {9, 0}, {17, 0}).perWorkingSecond(36, PayPeriod::hourly), 0);
}

TEST_F(Berlin, aDaysOwnNightShiftCountsTheRealTimeAcrossAClockChange) {
    // Saturday nights only, into the Sundays the clocks change.
    WorkSchedule s = schedule("Sat", {9, 0}, {17, 0});
    s.ownHours[5] = DayHours{{22, 0}, {6, 0}};
    EXPECT_EQ(WorkingTime::secondsBetween(s, at(2026, 3, 28), at(2026, 3, 30)), 7 * hour);
    EXPECT_EQ(WorkingTime::secondsBetween(s, at(2026, 10, 24), at(2026, 10, 26)), 9 * hour);
    const double from = at(2016, 1, 1);
    const double to = at(2026, 6, 1);
    EXPECT_EQ(WorkingTime::secondsBetween(s, from, to), dayByDay(s, from, to));
}

TEST_F(Utc, tellsWhenTheStretchWorkedInEnds) {
    WorkSchedule s = schedule("Mon,Tue,Wed,Thu,Fri", {9, 0}, {17, 0}, true);
    s.ownHours[2] = DayHours{{22, 0}, {6, 0}};
    WorkingTime counted(s, at(2026, 12, 7, 8));
    struct Row {
        double now;
        std::optional<double> end;
    };
    const Row rows[] = {
        {at(2026, 12, 7, 10), at(2026, 12, 7, 12)}, // until the break
        {at(2026, 12, 7, 13, 30), at(2026, 12, 7, 17)},
        {at(2026, 12, 7, 16, 59) + 59, at(2026, 12, 7, 17)},
        {at(2026, 12, 7, 12, 30), std::nullopt},    // in the break
        {at(2026, 12, 7, 17), std::nullopt},        // the shift's end is not in it
        {at(2026, 12, 10, 3), at(2026, 12, 10, 6)}, // Wednesday's night shift
        {at(2026, 12, 12, 10), std::nullopt},       // Saturday
    };
    for (const Row &row : rows)
        EXPECT_EQ(counted.stretchEnd(row.now), row.end) << std::fixed << row.now;
}

TEST(CountedTime, periodsBeginOnTheirFirstDay) {
    struct Row {
        CountFrom from;
        QDate date;
        Qt::DayOfWeek weekStart;
        QDate first;
        QDate next;
    };
    const Row rows[] = {
        {CountFrom::today, {2026, 12, 31}, Qt::Monday, {2026, 12, 31}, {2027, 1, 1}},
        {CountFrom::week, {2026, 12, 7}, Qt::Monday, {2026, 12, 7}, {2026, 12, 14}},
        {CountFrom::week, {2026, 12, 13}, Qt::Monday, {2026, 12, 7}, {2026, 12, 14}},
        {CountFrom::week, {2026, 12, 12}, Qt::Sunday, {2026, 12, 6}, {2026, 12, 13}},
        {CountFrom::week, {2026, 12, 13}, Qt::Sunday, {2026, 12, 13}, {2026, 12, 20}},
        {CountFrom::week, {2026, 12, 31}, Qt::Monday, {2026, 12, 28}, {2027, 1, 4}},
        {CountFrom::week, {2027, 1, 2}, Qt::Saturday, {2027, 1, 2}, {2027, 1, 9}},
        {CountFrom::month, {2026, 1, 31}, Qt::Monday, {2026, 1, 1}, {2026, 2, 1}},
        {CountFrom::month, {2026, 12, 15}, Qt::Monday, {2026, 12, 1}, {2027, 1, 1}},
        {CountFrom::month, {2028, 2, 29}, Qt::Monday, {2028, 2, 1}, {2028, 3, 1}},
    };
    for (const Row &row : rows) {
        const auto [first, next] = CountedTime::periodOf(row.from, row.date, row.weekStart);
        EXPECT_EQ(first, row.first) << row.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(next, row.next) << row.date.toString(Qt::ISODate).toStdString();
    }
}

// A count started on a Monday at ten, read at later moments in order (one
// set back), since the start and within its period.
TEST_F(Utc, countsWithinThePeriodAndBeginsAgainAtItsTurn) {
    const double start = at(2026, 12, 7, 10);
    // Working time since a Friday in November.
    const auto office = std::make_shared<WorkingTime>(
        schedule("Mon,Tue,Wed,Thu,Fri", {9, 0}, {17, 0}), at(2026, 11, 20, 10));
    struct Row {
        const char *what;
        double now;
        double total;
        double today;
        double week;
        double month;
        double officeToday;
        double officeMonth;
    };
    const Row rows[] = {
        {"before the start", start - hour, 0, 0, 0, 0, 0, 32},
        {"the first afternoon", at(2026, 12, 7, 15), 5, 5, 5, 5, 6, 38},
        {"midnight", at(2026, 12, 8), 14, 0, 14, 14, 0, 40},
        {"after midnight", at(2026, 12, 8, 1, 30), 15.5, 1.5, 15.5, 15.5, 0, 40},
        {"the clock set back", at(2026, 12, 7, 23), 13, 13, 13, 13, 8, 40},
        {"next Monday", at(2026, 12, 14, 12), 170, 12, 12, 170, 3, 75},
        {"the next year", at(2027, 1, 1, 6), 596, 6, 102, 6, 0, 0},
    };
    CountedTime since(start, nullptr);
    CountedTime today(start, nullptr, CountFrom::today);
    CountedTime week(start, nullptr, CountFrom::week);
    CountedTime month(start, nullptr, CountFrom::month);
    CountedTime officeToday(at(2026, 11, 20, 10), office, CountFrom::today);
    CountedTime officeMonth(at(2026, 11, 20, 10), office, CountFrom::month);
    for (const Row &row : rows) {
        EXPECT_EQ(since.at(row.now).inPeriod, row.total * hour) << row.what;
        EXPECT_EQ(today.at(row.now).sinceStart, row.total * hour) << row.what;
        EXPECT_EQ(today.at(row.now).inPeriod, row.today * hour) << row.what;
        EXPECT_EQ(week.at(row.now).inPeriod, row.week * hour) << row.what;
        EXPECT_EQ(month.at(row.now).inPeriod, row.month * hour) << row.what;
        EXPECT_EQ(officeToday.at(row.now).inPeriod, row.officeToday * hour) << row.what;
        EXPECT_EQ(officeMonth.at(row.now).inPeriod, row.officeMonth * hour) << row.what;
    }
    EXPECT_EQ(today.periodEnd(), at(2027, 1, 2));
    EXPECT_EQ(since.periodEnd(), std::numeric_limits<double>::infinity());
}

TEST_F(Berlin, aDayTheClocksChangeHasItsRealLength) {
    CountedTime today(at(2026, 3, 1), nullptr, CountFrom::today);
    EXPECT_EQ(today.at(at(2026, 3, 29, 12)).inPeriod, 11 * hour);
    EXPECT_EQ(today.at(at(2026, 3, 30, 0, 30)).inPeriod, 0.5 * hour);
    EXPECT_EQ(today.at(at(2026, 10, 25, 12)).inPeriod, 13 * hour);
    EXPECT_EQ(today.periodEnd(), at(2026, 10, 26));
}
