#pragma once

#include "DayHours.h"
#include "PayPeriod.h"
#include "WallClock.h"
#include "WeekDays.h"

#include <QDate>
#include <QTime>

#include <array>
#include <optional>
#include <vector>

// The hours a salary pays for: a shift on chosen days of the week, from one
// wall-clock time to another (a "To" earlier than "From" ends the next day),
// less an optional break within it; a day may have hours of its own. Times
// are the system time zone's wall clock.
struct WorkSchedule {
    // A stretch of working time, in seconds since 1970.
    struct Span {
        double begin;
        double end;
    };

    WeekDays days = WeekDays::mondayToFriday();
    QTime from{9, 0};
    QTime to{17, 0};
    bool breakOn = false;
    QTime breakFrom{12, 0};
    QTime breakTo{13, 0};
    // Hours of its own for a day, Monday first; none: the common hours above.
    std::array<std::optional<DayHours>, 7> ownHours{};

    // The common hours.
    DayHours common() const { return {from, to, breakOn, breakFrom, breakTo}; }
    // The hours of a day numbered as Qt numbers them (Monday 1).
    DayHours hoursOn(int day) const;

    // A shift needs a length: common From and To equal is no schedule; a
    // day of its own hours with them equal has no shift.
    bool isValid() const { return common().isValid(); }

    // The common break's times lie within the shift and leave some of it; a
    // break whose times do not counts as none.
    bool breakFits() const { return common().breakFits(); }

    // Working seconds in a week as the wall clock counts them.
    double secondsPerWeek() const;
    // The pay for each working second; 0 when the schedule has no working time.
    double perWorkingSecond(double salary, PayPeriod period) const;

    // The working stretches of the shift that starts on `date` (none on a day
    // off or a day the clock skips), in order; a night shift's end lies on the
    // next day.
    std::vector<Span> spansOn(QDate date, const WallClock &clock = WallClock()) const;
};
