#pragma once

#include "CountFrom.h"
#include "WallClock.h"
#include "WorkingTime.h"

#include <QDate>

#include <memory>
#include <utility>

// The seconds a counter counts at a moment: since the start (every second,
// or only working ones), and the part of them since the beginning of the
// day, week or month in local time. The count before that beginning is summed
// once per period, so a tick costs no more for a start ten years back.
class CountedTime {
public:
    struct Reading {
        double sinceStart = 0;
        double inPeriod = 0;
    };

    // `workingTime` null counts every second.
    CountedTime(double start, std::shared_ptr<WorkingTime> workingTime,
                CountFrom from = CountFrom::start, Qt::DayOfWeek weekStart = Qt::Monday,
                WallClock clock = WallClock());

    Reading at(double now);
    // When the period holding the last reading ends and the count begins
    // again: never while counting since the start.
    double periodEnd() const { return end_; }

    // The first day of the period holding `date`, and the first day after it.
    static std::pair<QDate, QDate> periodOf(CountFrom from, QDate date, Qt::DayOfWeek weekStart);

private:
    double sinceStart(double moment);
    void settleOn(double now);

    double start_;
    std::shared_ptr<WorkingTime> workingTime_;
    CountFrom from_;
    Qt::DayOfWeek weekStart_;
    WallClock clock_;
    // The period last settled on, and the seconds counted before it began.
    double begin_;
    double end_;
    double before_ = 0;
};
