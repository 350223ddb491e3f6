#include "WorkSchedule.h"

#include "Earnings.h"

#include <algorithm>

namespace {

constexpr int minutesPerDay = 24 * 60;

int minutesOf(QTime time) {
    return time.hour() * 60 + time.minute();
}

// A stretch of minutes after the shift day's midnight (past 1440: the next day).
struct Minutes {
    int begin;
    int end;
};

Minutes shiftOf(const WorkSchedule &schedule) {
    const int begin = minutesOf(schedule.from);
    int end = minutesOf(schedule.to);
    if (end <= begin)
        end += minutesPerDay;
    return {begin, end};
}

// The part of the break inside the shift: a break may lie on either side of
// midnight in a night shift, so each placement is tried.
Minutes breakWithin(const WorkSchedule &schedule, Minutes shift) {
    if (!schedule.breakOn || schedule.breakFrom == schedule.breakTo)
        return {shift.begin, shift.begin};
    const int begin = minutesOf(schedule.breakFrom);
    int end = minutesOf(schedule.breakTo);
    if (end <= begin)
        end += minutesPerDay;
    Minutes best{shift.begin, shift.begin};
    for (int offset : {-minutesPerDay, 0, minutesPerDay}) {
        const Minutes overlap{std::max(begin + offset, shift.begin),
                              std::min(end + offset, shift.end)};
        if (overlap.end - overlap.begin > best.end - best.begin)
            best = overlap;
    }
    return best;
}

double wallClock(const WallClock &clock, QDate date, int minutes) {
    return clock.moment(date.addDays(minutes / minutesPerDay), minutes % minutesPerDay * 60);
}

} // namespace

double WorkSchedule::secondsPerWeek() const {
    if (!isValid())
        return 0;
    const Minutes shift = shiftOf(*this);
    const Minutes pause = breakWithin(*this, shift);
    return days.count() * double((shift.end - shift.begin) - (pause.end - pause.begin)) * 60;
}

double WorkSchedule::perWorkingSecond(double salary, PayPeriod period) const {
    // As many weeks as a year of 365.25 days holds.
    const double perYear = secondsPerWeek() * (Earnings::secondsPerYear / (7 * 86400.0));
    const double perPeriod = period == PayPeriod::yearly ? perYear : perYear / 12;
    return perPeriod > 0 ? salary / perPeriod : 0;
}

std::vector<WorkSchedule::Span> WorkSchedule::spansOn(QDate date, const WallClock &clock) const {
    if (!isValid() || !days.contains(date.dayOfWeek()) ||
        clock.midnight(date) == clock.midnight(date.addDays(1)))
        return {};
    const Minutes shift = shiftOf(*this);
    const Minutes pause = breakWithin(*this, shift);
    std::vector<Span> spans;
    for (const Minutes part : {Minutes{shift.begin, pause.begin}, Minutes{pause.end, shift.end}})
        if (part.end > part.begin)
            spans.push_back({wallClock(clock, date, part.begin), wallClock(clock, date, part.end)});
    return spans;
}
