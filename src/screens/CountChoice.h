#pragma once

#include "CountFrom.h"

#include <QCoreApplication>
#include <QString>

// The names of what the counter can count, wherever it is chosen or shown.
class CountChoice {
    Q_DECLARE_TR_FUNCTIONS(CountChoice)

public:
    static QString label(CountFrom from);
    // The name of the choice on the panel's menu and in the settings.
    static QString title() { return tr("Count"); }
};
