#include "CountedTime.h"
#include "Earnings.h"
#include "WorkingTime.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <QTimeZone>

namespace {

void parseAmount(benchmark::State &state, const QString &text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Earnings::parseAmount(text));
}

BENCHMARK_CAPTURE(parseAmount, plain, QStringLiteral("5000"));
BENCHMARK_CAPTURE(parseAmount, german, QStringLiteral("1.234,56"));
BENCHMARK_CAPTURE(parseAmount, spaced, QStringLiteral("1 234 567,89"));
BENCHMARK_CAPTURE(parseAmount, twentyCharacters, QStringLiteral("12,345,678,901,234.5"));
BENCHMARK_CAPTURE(parseAmount, combiningMark,
                  QStringLiteral("1 234 567 890 123 456 789 012 345 67\u0301,89"));

// What the counter does per tick besides formatting the amount.
void tickArithmetic(benchmark::State &state) {
    const double rate = Earnings::perSecond(3000, PayPeriod::monthly);
    double now = 1'765'000'000.0;
    for (auto _ : state) {
        now += 0.05;
        benchmark::DoNotOptimize(Earnings::earned(1'764'000'000.0, now, rate));
        benchmark::DoNotOptimize(Earnings::formatElapsed(Earnings::elapsed(1'764'000'000.0, now)));
    }
}
BENCHMARK(tickArithmetic);

void formatElapsed(benchmark::State &state) {
    double seconds = 90061;
    for (auto _ : state)
        benchmark::DoNotOptimize(Earnings::formatElapsed(seconds += 1));
}
BENCHMARK(formatElapsed);

// A week of night shifts with a break, counted from ten years back.
WorkSchedule nightShifts() {
    WorkSchedule schedule;
    schedule.from = QTime(22, 0);
    schedule.to = QTime(6, 0);
    schedule.breakOn = true;
    schedule.breakFrom = QTime(2, 0);
    schedule.breakTo = QTime(2, 30);
    return schedule;
}
constexpr double tenYears = 10 * 365.25 * 86400;

// The working seconds per tick once the past is summed: the target is under 2 us.
void workingTimePerTick(benchmark::State &state) {
    double now = 1'765'000'000.0;
    WorkingTime counted(nightShifts(), now - tenYears);
    counted.secondsUntil(now);
    for (auto _ : state)
        benchmark::DoNotOptimize(counted.secondsUntil(now += 0.05));
}
BENCHMARK(workingTimePerTick);

// The same on the day before one the clock skipped (Pacific/Apia, 2011-12-29),
// whatever the zone the bench runs in.
void workingTimePerTickBeforeASkippedDay(benchmark::State &state) {
    const bool zoneSet = qEnvironmentVariableIsSet("TZ");
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Pacific/Apia");
    if (QTimeZone::systemTimeZoneId() != "Pacific/Apia")
        state.SkipWithError("the zone cannot be set");
    double now = 1'325'196'000.0; // 12:00 there
    WorkingTime counted(nightShifts(), now - tenYears);
    counted.secondsUntil(now);
    for (auto _ : state)
        benchmark::DoNotOptimize(counted.secondsUntil(now += 0.05));
    if (zoneSet)
        qputenv("TZ", zone);
    else
        qunsetenv("TZ");
}
BENCHMARK(workingTimePerTickBeforeASkippedDay);

// A week of each day's own hours (a short Friday, a Saturday morning, a
// night shift on Wednesday), counting today's part of ten years' working time.
void todayWithOwnHoursPerTick(benchmark::State &state) {
    WorkSchedule schedule;
    schedule.days = *WeekDays::fromText(u"Mon,Tue,Wed,Thu,Fri,Sat");
    schedule.breakOn = true;
    schedule.ownHours[2] = DayHours{QTime(22, 0), QTime(6, 0), true, QTime(2, 0), QTime(2, 30)};
    schedule.ownHours[4] = DayHours{QTime(9, 0), QTime(14, 0)};
    schedule.ownHours[5] = DayHours{QTime(8, 0), QTime(12, 0)};
    double now = 1'765'000'000.0;
    const double start = now - tenYears;
    CountedTime counted(start, std::make_shared<WorkingTime>(schedule, start), CountFrom::today);
    counted.at(now);
    for (auto _ : state)
        benchmark::DoNotOptimize(counted.at(now += 0.05));
}
BENCHMARK(todayWithOwnHoursPerTick);

// Summing ten years once, at start-up or after the clock is set back.
void workingTimeTenYears(benchmark::State &state) {
    const double now = 1'765'000'000.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(WorkingTime::secondsBetween(nightShifts(), now - tenYears, now));
}
BENCHMARK(workingTimeTenYears)->Unit(benchmark::kMillisecond);

} // namespace
