#include "WorkingTime.h"

#include <QDateTime>
#include <QTimeZone>

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
    if (!(to > from) || schedule.secondsPerWeek() <= 0)
        return 0;
    // A week's shifts sum to the wall-clock week unless the clock changes
    // within it; those weeks, and the partial ones, go day by day.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const auto transitions = zone.transitions(QDateTime::fromSecsSinceEpoch(qint64(from) - 86400),
                                              QDateTime::fromSecsSinceEpoch(qint64(to) + 86400));
    std::vector<double> changes;
    for (const QTimeZone::OffsetData &transition : transitions)
        changes.push_back(double(transition.atUtc.toSecsSinceEpoch()));
    const double perWeek = schedule.secondsPerWeek();

    double total = 0;
    const QDate last = WorkSchedule::dateOf(to);
    // The day before: its night shift may reach past `from`.
    for (QDate day = WorkSchedule::dateOf(from).addDays(-1); day <= last;) {
        if (day.dayOfWeek() == 1) {
            const double weekStart = WorkSchedule::midnight(day);
            // Sunday's night shift ends on Monday, within the day after the week.
            const double weekEnd = WorkSchedule::midnight(day.addDays(8));
            const bool clockChanges = std::any_of(changes.begin(), changes.end(), [&](double at) {
                return at >= weekStart && at <= weekEnd;
            });
            if (weekStart >= from && weekEnd <= to && !clockChanges) {
                total += perWeek;
                day = day.addDays(7);
                continue;
            }
        }
        for (const WorkSchedule::Span &span : schedule.spansOn(day))
            total += overlap(span, from, to);
        day = day.addDays(1);
    }
    return total;
}

std::vector<WorkSchedule::Span> WorkingTime::spansAround(QDate date) const {
    std::vector<WorkSchedule::Span> spans = schedule_.spansOn(date.addDays(-1));
    for (const WorkSchedule::Span &span : schedule_.spansOn(date))
        spans.push_back(span);
    return spans;
}

void WorkingTime::settleOnDayOf(double now) {
    const QDate date = WorkSchedule::dateOf(now);
    const double dayStart = WorkSchedule::midnight(date);
    // Moving on to a later day adds the days passed; anything else (a clock
    // set back) sums the past afresh.
    beforeToday_ = dayStart >= dayEnd_ && dayEnd_ > dayStart_
                       ? beforeToday_ + secondsBetween(schedule_, std::max(start_, dayStart_),
                                                       std::max(start_, dayStart))
                       : secondsBetween(schedule_, start_, dayStart);
    dayStart_ = dayStart;
    dayEnd_ = WorkSchedule::midnight(date.addDays(1));
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
    const std::vector<WorkSchedule::Span> spans = spansAround(WorkSchedule::dateOf(now));
    return now >= start_ && std::any_of(spans.begin(), spans.end(), [now](const auto &span) {
               return span.begin <= now && now < span.end;
           });
}

std::optional<double> WorkingTime::nextWorkingMoment(double now) const {
    if (schedule_.secondsPerWeek() <= 0)
        return std::nullopt;
    now = std::max(now, start_);
    const QDate date = WorkSchedule::dateOf(now);
    for (int day = -1; day <= 8; ++day)
        for (const WorkSchedule::Span &span : schedule_.spansOn(date.addDays(day)))
            if (span.end > now)
                return std::max(span.begin, now);
    return std::nullopt;
}
