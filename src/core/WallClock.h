#pragma once

#include <QDate>
#include <QTimeZone>

// A time zone's wall clock (the system's unless told), read one way only
// whatever was converted before: a reading the clock skips stands for the moment it jumped over it,
// a repeated reading for its first occurrence. Moments are seconds since 1970.
class WallClock {
public:
    explicit WallClock(QTimeZone zone = QTimeZone::systemTimeZone())
        : zone_(std::move(zone)) {}

    // The moment the wall clock first reads `seconds` past the start of `date`.
    double moment(QDate date, int seconds) const;
    // The first moment of `date`; a day the clock skips starts where the next one does.
    double midnight(QDate date) const { return moment(date, 0); }
    // The local date a moment falls on.
    QDate dateOf(double moment) const;
    // Seconds the wall clock is ahead of UTC at a moment.
    int offsetAt(qint64 moment) const;

private:
    QTimeZone zone_;
};
