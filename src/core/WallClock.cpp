#include "WallClock.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 secondsPerDay = 86400;
// 1970-01-01 as a Julian day.
constexpr qint64 epochDay = 2440588;

} // namespace

int WallClock::offsetAt(qint64 moment) const {
    // Asked of one instant, the zone has one answer; only the reverse,
    // from a reading to a moment, depends on how it is asked.
    return zone_.offsetFromUtc(QDateTime::fromSecsSinceEpoch(moment, Qt::UTC));
}

double WallClock::moment(QDate date, int seconds) const {
    // The reading as if the clock were UTC; the real moment is that less the
    // offset then in force. A day either side holds any offset it can have.
    const qint64 reading = (date.toJulianDay() - epochDay) * secondsPerDay + seconds;
    const int before = offsetAt(reading - secondsPerDay);
    const int after = offsetAt(reading + secondsPerDay);
    // The larger offset gives the earlier moment: the first occurrence.
    for (const int offset : {std::max(before, after), std::min(before, after)})
        if (offsetAt(reading - offset) == offset)
            return double(reading - offset);
    // Skipped: the clock jumped between the two moments; find when.
    qint64 low = reading - after;
    qint64 high = reading - before;
    if (low > high)
        std::swap(low, high);
    const int first = offsetAt(low);
    while (high - low > 1) {
        const qint64 middle = low + (high - low) / 2;
        (offsetAt(middle) == first ? low : high) = middle;
    }
    return double(high);
}

QDate WallClock::dateOf(double moment) const {
    const qint64 second = qint64(std::floor(moment));
    const qint64 reading = second + offsetAt(second);
    const qint64 day = reading >= 0 ? reading / secondsPerDay : (reading + 1) / secondsPerDay - 1;
    return QDate::fromJulianDay(epochDay + day);
}
