#include "WorkingTime.h"

#include <algorithm>

namespace {

double overlap(const WorkSchedule::Span &span, double from, double to) {
    return std::max(0.0, std::min(span.end, to) - std::max(span.begin, from));
}

} // namespace

WorkingTime::WorkingTime(WorkSchedule schedule, double start)
    : schedule_(std::move(schedule))
    , start_(start) {
}

double WorkingTime::secondsBetween(const WorkSchedule &schedule, double from, double to) {
    return sum(schedule, WallClock(), from, to);
}

double WorkingTime::sum(const WorkSchedule &schedule, const WallClock &clock, double from,
                        double to) {
    if (!(to > from) || schedule.secondsPerWeek() <= 0)
        return 0;
    // A week's shifts sum to the wall-clock week unless the clock changes
    // within it (its real length then differs, or its offsets do: no zone
    // changes and changes back within a week); those weeks, and the partial
    // ones, go day by day.
    const double perWeek = schedule.secondsPerWeek();

    double total = 0;
    const QDate last = clock.dateOf(to);
    // The day before: its night shift may reach past `from`.
    for (QDate day = clock.dateOf(from).addDays(-1); day <= last;) {
        if (day.dayOfWeek() == 1) {
            const double weekStart = clock.midnight(day);
            // Sunday's night shift ends on Monday, within the day after the week.
            const double weekEnd = clock.midnight(day.addDays(8));
            const bool clockChanges =
                weekEnd - weekStart != 8 * 86400.0 ||
                clock.offsetAt(qint64(weekStart)) != clock.offsetAt(qint64(weekEnd));
            if (weekStart >= from && weekEnd <= to && !clockChanges) {
                total += perWeek;
                day = day.addDays(7);
                continue;
            }
        }
        for (const WorkSchedule::Span &span : schedule.spansOn(day, clock))
            total += overlap(span, from, to);
        day = day.addDays(1);
    }
    return total;
}

std::vector<WorkSchedule::Span> WorkingTime::spansAround(QDate date) const {
    std::vector<WorkSchedule::Span> spans = schedule_.spansOn(date.addDays(-1), clock_);
    for (const WorkSchedule::Span &span : schedule_.spansOn(date, clock_))
        spans.push_back(span);
    return spans;
}

void WorkingTime::settleOnDayOf(double now) {
    const QDate date = clock_.dateOf(now);
    const double dayStart = clock_.midnight(date);
    // Moving on to a later day adds the days passed; anything else (a clock
    // set back) sums the past afresh.
    beforeToday_ = dayStart >= dayEnd_ && dayEnd_ > dayStart_
                       ? beforeToday_ + sum(schedule_, clock_, std::max(start_, dayStart_),
                                            std::max(start_, dayStart))
                       : sum(schedule_, clock_, start_, dayStart);
    dayStart_ = dayStart;
    dayEnd_ = clock_.midnight(date.addDays(1));
    today_ = spansAround(date);
}

double WorkingTime::secondsUntil(double now) {
    if (!(now > start_))
        return 0;
    if (!(now >= dayStart_ && now < dayEnd_))
        settleOnDayOf(now);
    double total = beforeToday_;
    const double from = std::max(start_, dayStart_);
    for (const WorkSchedule::Span &span : today_)
        total += overlap(span, from, now);
    return total;
}

bool WorkingTime::isWorking(double now) const {
    const std::vector<WorkSchedule::Span> spans = spansAround(clock_.dateOf(now));
    return now >= start_ && std::any_of(spans.begin(), spans.end(), [now](const auto &span) {
               return span.begin <= now && now < span.end;
           });
}

std::optional<double> WorkingTime::stretchEnd(double now) {
    if (!(now >= start_))
        return std::nullopt;
    if (!(now >= dayStart_ && now < dayEnd_))
        settleOnDayOf(now);
    for (const WorkSchedule::Span &span : today_)
        if (span.begin <= now && now < span.end)
            return span.end;
    return std::nullopt;
}

double WorkingTime::secondsUntilAfresh(double moment) const {
    return sum(schedule_, clock_, start_, moment);
}

std::optional<double> WorkingTime::nextWorkingMoment(double now) const {
    if (schedule_.secondsPerWeek() <= 0)
        return std::nullopt;
    now = std::max(now, start_);
    const QDate date = clock_.dateOf(now);
    for (int day = -1; day <= 8; ++day)
        for (const WorkSchedule::Span &span : schedule_.spansOn(date.addDays(day), clock_))
            if (span.end > now)
                return std::max(span.begin, now);
    return std::nullopt;
}
