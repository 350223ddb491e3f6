#pragma once

#include "SettingsStore.h"

#include <QList>
#include <QWidget>

class DayHoursRow;
class QAbstractButton;
class QLabel;
class QTimeEdit;
class ToggleSwitch;

// The settings' working hours: a switch, and while it is on the working days
// in the locale's week order, the hours, and an optional break; or, with
// "Same hours every day" off, each working day's own hours. A pair of
// times that makes no shift, or a break outside the hours, is refused with a
// note and stays on screen as typed until it is mended.
class WorkingHoursSection : public QWidget {
    Q_OBJECT

public:
    explicit WorkingHoursSection(SettingsStore &store, QWidget *parent = nullptr);

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitDayNames();
    // Brings the times, notes and rows to what is stored.
    void followStore();
    void storeHours();
    void storeBreak();
    // Whether the break as typed lies within the stored hours.
    bool breakFits() const;

    SettingsStore &store_;
    ToggleSwitch *hoursSwitch_;
    QList<QAbstractButton *> dayButtons_;
    QList<int> dayNumbers_; // Qt's day numbers of the buttons, Monday 1
    QWidget *days_;
    QTimeEdit *from_;
    QTimeEdit *to_;
    QLabel *hoursNote_;
    ToggleSwitch *breakSwitch_;
    QTimeEdit *breakFrom_;
    QTimeEdit *breakTo_;
    QLabel *breakNote_;
    ToggleSwitch *sameSwitch_;
    QList<DayHoursRow *> dayRows_;
    QList<QWidget *> commonRows_; // what each day's own rows stand in for
    QList<QWidget *> rows_;
    QWidget *breakTimes_;
    bool refused_ = false;      // From and To as typed are equal, so not stored
    bool breakRefused_ = false; // the break as typed is not within the hours
    bool storingBreak_ = false;
};
