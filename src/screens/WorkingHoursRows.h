#pragma once

#include "SettingsStore.h"

#include <QList>
#include <QObject>

class DayHoursRow;
class QAbstractButton;
class QLabel;
class QTimeEdit;
class QVBoxLayout;
class QWidget;
class ToggleSwitch;

// The settings screen's working-hours rows: a switch, and while it is on the
// working days in the locale's week order, the hours, and an optional break;
// or, with "Same hours every day" off, each working day's own hours.
// Rows of the screen itself, so that showing one changes its height at once.
class WorkingHoursRows : public QObject {
    Q_OBJECT

public:
    WorkingHoursRows(SettingsStore &store, QVBoxLayout *column, QWidget *screen);

    // Brings every control to what is stored.
    void followStore();

    ToggleSwitch *hoursSwitch() const { return hoursSwitch_; }
    // In the locale's week order.
    const QList<QAbstractButton *> &dayButtons() const { return dayButtons_; }
    QTimeEdit *fromEdit() const { return from_; }
    QTimeEdit *toEdit() const { return to_; }
    QLabel *hoursNote() const { return hoursNote_; }
    ToggleSwitch *breakSwitch() const { return breakSwitch_; }
    QTimeEdit *breakFromEdit() const { return breakFrom_; }
    QTimeEdit *breakToEdit() const { return breakTo_; }
    QLabel *breakNote() const { return breakNote_; }
    ToggleSwitch *sameHoursSwitch() const { return sameSwitch_; }
    // Every day's own rows, in the locale's week order.
    const QList<DayHoursRow *> &dayRows() const { return dayRows_; }

private:
    void storeHours();
    void storeBreak();
    // Whether the break as typed lies within the stored hours.
    bool breakFits() const;

    SettingsStore &store_;
    ToggleSwitch *hoursSwitch_;
    QList<QAbstractButton *> dayButtons_;
    QList<int> dayNumbers_; // Qt's day numbers of the buttons, Monday 1
    QTimeEdit *from_;
    QTimeEdit *to_;
    QLabel *hoursNote_;
    ToggleSwitch *breakSwitch_;
    QTimeEdit *breakFrom_;
    QTimeEdit *breakTo_;
    QLabel *breakNote_;
    ToggleSwitch *sameSwitch_;
    QWidget *sameLine_;
    QList<DayHoursRow *> dayRows_;
    QList<QWidget *> rows_;
    QWidget *breakTimes_;
    bool following_ = false;
    bool refused_ = false;      // From and To as typed are equal, so not stored
    bool breakRefused_ = false; // the break as typed is not within the hours
    bool storingBreak_ = false;
};
