#pragma once

#include "Goal.h"

#include <QColor>
#include <QString>

#include <optional>

// What the counter counts from and how it shows it.
struct CounterInputs {
    double start = 0;     // seconds since 1970
    double perSecond = 0; // currency units a second
    QString currency;     // the label before the digits; may be empty
    QColor color = Qt::green;
    std::optional<Goal> goal;
};
