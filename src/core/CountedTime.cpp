#include "CountedTime.h"

#include "Earnings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double never = std::numeric_limits<double>::infinity();

} // namespace

CountedTime::CountedTime(double start, std::shared_ptr<WorkingTime> workingTime, CountFrom from,
                         Qt::DayOfWeek weekStart, WallClock clock)
    : start_(start)
    , workingTime_(std::move(workingTime))
    , from_(from)
    , weekStart_(weekStart)
    , clock_(std::move(clock))
    , begin_(from == CountFrom::start ? -never : never)
    , end_(from == CountFrom::start ? never : -never) {
}

std::pair<QDate, QDate> CountedTime::periodOf(CountFrom from, QDate date, Qt::DayOfWeek weekStart) {
    switch (from) {
    case CountFrom::today:
        break;
    case CountFrom::week: {
        const QDate first = date.addDays(-((date.dayOfWeek() - int(weekStart) + 7) % 7));
        return {first, first.addDays(7)};
    }
    case CountFrom::month: {
        const QDate first(date.year(), date.month(), 1);
        return {first, first.addMonths(1)};
    }
    case CountFrom::start:
        return {QDate(), QDate()};
    }
    return {date, date.addDays(1)};
}

double CountedTime::sinceStart(double moment) {
    return workingTime_ ? workingTime_->secondsUntil(moment) : Earnings::elapsed(start_, moment);
}

void CountedTime::settleOn(double now) {
    const auto [first, next] = periodOf(from_, clock_.dateOf(now), weekStart_);
    begin_ = clock_.midnight(first);
    end_ = clock_.midnight(next);
    // Once a period: the running count keeps today's place.
    before_ =
        workingTime_ ? workingTime_->secondsUntilAfresh(begin_) : Earnings::elapsed(start_, begin_);
}

CountedTime::Reading CountedTime::at(double now) {
    const double total = sinceStart(now);
    if (!std::isfinite(now)) // no clock reads that; no day holds it
        return {total, from_ == CountFrom::start ? total : 0};
    // Also a clock set back before the period, or a period passed while asleep.
    if (!(now >= begin_ && now < end_))
        settleOn(now);
    return {total, std::max(0.0, total - before_)};
}
