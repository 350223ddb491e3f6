#include "WorkSchedule.h"

#include "Earnings.h"

#include <algorithm>

namespace {

constexpr int minutesPerDay = 24 * 60;

double wallClock(const WallClock &clock, QDate date, int minutes) {
    return clock.moment(date.addDays(minutes / minutesPerDay), minutes % minutesPerDay * 60);
}

} // namespace

DayHours WorkSchedule::hoursOn(int day) const {
    const std::size_t index = std::size_t(std::clamp(day, 1, 7) - 1);
    return ownHours[index].value_or(common());
}

double WorkSchedule::secondsPerWeek() const {
    if (!isValid())
        return 0;
    double total = 0;
    for (int day = 1; day <= 7; ++day)
        if (days.contains(day))
            total += hoursOn(day).seconds();
    return total;
}

double WorkSchedule::perWorkingSecond(double salary, PayPeriod period) const {
    if (secondsPerWeek() <= 0)
        return 0;
    if (period == PayPeriod::hourly)
        return Earnings::perSecond(salary, period);
    // As many weeks as a year of 365.25 days holds.
    const double perYear = secondsPerWeek() * (Earnings::secondsPerYear / (7 * 86400.0));
    const double perPeriod = period == PayPeriod::yearly ? perYear : perYear / 12;
    return salary / perPeriod;
}

std::vector<WorkSchedule::Span> WorkSchedule::spansOn(QDate date, const WallClock &clock) const {
    if (!isValid() || !days.contains(date.dayOfWeek()))
        return {};
    const DayHours hours = hoursOn(date.dayOfWeek());
    if (!hours.isValid() || clock.midnight(date) == clock.midnight(date.addDays(1)))
        return {};
    const DayHours::Minutes shift = hours.shift();
    const DayHours::Minutes pause = hours.pause();
    std::vector<Span> spans;
    for (const DayHours::Minutes part :
         {DayHours::Minutes{shift.begin, pause.begin}, DayHours::Minutes{pause.end, shift.end}})
        if (part.end > part.begin)
            spans.push_back({wallClock(clock, date, part.begin), wallClock(clock, date, part.end)});
    return spans;
}
