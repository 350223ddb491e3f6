#include "WorkSchedule.h"

#include "Earnings.h"

#include <algorithm>
#include <optional>

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

// The break when it lies within the shift and leaves some of it (a night
// shift's on either side of midnight); anything else is no break.
std::optional<Minutes> breakWithin(const WorkSchedule &schedule, Minutes shift) {
    const int begin = minutesOf(schedule.breakFrom);
    int end = minutesOf(schedule.breakTo);
    if (end <= begin)
        end += minutesPerDay;
    for (const int offset : {0, minutesPerDay})
        if (begin + offset >= shift.begin && end + offset <= shift.end &&
            end - begin < shift.end - shift.begin)
            return Minutes{begin + offset, end + offset};
    return std::nullopt;
}

Minutes pauseOf(const WorkSchedule &schedule, Minutes shift) {
    const Minutes none{shift.begin, shift.begin};
    return schedule.breakOn ? breakWithin(schedule, shift).value_or(none) : none;
}

double wallClock(const WallClock &clock, QDate date, int minutes) {
    return clock.moment(date.addDays(minutes / minutesPerDay), minutes % minutesPerDay * 60);
}

} // namespace

double WorkSchedule::secondsPerWeek() const {
    if (!isValid())
        return 0;
    const Minutes shift = shiftOf(*this);
    const Minutes pause = pauseOf(*this, shift);
    return days.count() * double((shift.end - shift.begin) - (pause.end - pause.begin)) * 60;
}

bool WorkSchedule::breakFits() const {
    return isValid() && breakWithin(*this, shiftOf(*this)).has_value();
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
    const Minutes pause = pauseOf(*this, shift);
    std::vector<Span> spans;
    for (const Minutes part : {Minutes{shift.begin, pause.begin}, Minutes{pause.end, shift.end}})
        if (part.end > part.begin)
            spans.push_back({wallClock(clock, date, part.begin), wallClock(clock, date, part.end)});
    return spans;
}
