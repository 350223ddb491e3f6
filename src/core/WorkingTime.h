#pragma once

#include "WorkSchedule.h"

#include <optional>
#include <vector>

// The working time from a start moment on: summed once for the past (whole
// weeks at a time), then only today's stretches per call, so that a tick
// costs the same for a start ten years back as for one this morning.
class WorkingTime {
public:
    WorkingTime(WorkSchedule schedule, double start);

    // Working seconds between the start and `now` (0 before the start).
    double secondsUntil(double now);
    bool isWorking(double now) const;
    // The first moment at or after `now` that is working time; none when the
    // schedule has no working time at all.
    std::optional<double> nextWorkingMoment(double now) const;
    // While `now` is working time, the moment its stretch ends (the shift's
    // end, or the break's start before it); none outside working time.
    // Cheap for a moment on the day last counted.
    std::optional<double> stretchEnd(double now);
    // Working seconds between the start and `moment`, summed afresh with the
    // zone counting began in, leaving the running count as it is.
    double secondsUntilAfresh(double moment) const;

    // Working seconds between two moments, computed afresh.
    static double secondsBetween(const WorkSchedule &schedule, double from, double to);

private:
    static double sum(const WorkSchedule &schedule, const WallClock &clock, double from, double to);
    void settleOnDayOf(double now);
    std::vector<WorkSchedule::Span> spansAround(QDate date) const;

    WorkSchedule schedule_;
    // The zone when counting began: asking the system for it costs more than a tick.
    WallClock clock_;
    double start_;
    // Today's local midnight, the next one, the working seconds up to today's
    // midnight, and the stretches that may reach into today.
    double dayStart_ = 0;
    double dayEnd_ = -1;
    double beforeToday_ = 0;
    std::vector<WorkSchedule::Span> today_;
};
