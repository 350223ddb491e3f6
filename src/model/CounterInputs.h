#pragma once

#include "CountFrom.h"
#include "Goal.h"
#include "WorkingTime.h"

#include <QColor>
#include <QString>

#include <memory>
#include <optional>

// What the counter counts from and how it shows it.
struct CounterInputs {
    double start = 0;     // seconds since 1970
    double perSecond = 0; // currency units a second
    QString currency;     // the label before the digits; may be empty
    QColor color = Qt::green;
    std::optional<Goal> goal;
    // Counting only working hours: the working time since the start, with
    // `perSecond` a rate per working second. Null counts every second.
    std::shared_ptr<WorkingTime> workingTime;
    // Counting today's, this week's or this month's part only, in local
    // time, with weeks beginning on `weekStart`; the goal still takes all.
    CountFrom countFrom = CountFrom::start;
    Qt::DayOfWeek weekStart = Qt::Monday;
    // Dashes instead of digits, and no goal amount.
    bool amountHidden = false;
};
