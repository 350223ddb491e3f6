#pragma once

#include "DayHours.h"

#include <QWidget>

class QLabel;
class QTimeEdit;
class ToggleSwitch;

// One working day's own hours on the settings screen, in the common hours'
// style: From – To under the day's name, then the break and its times, and
// a note while what is typed cannot be stored (From equal to To, or a break
// not within the hours); that stays on screen until mended.
class DayHoursRow : public QWidget {
    Q_OBJECT

public:
    // `day` as Qt numbers it, Monday 1.
    DayHoursRow(int day, QWidget *parent = nullptr);

    int day() const { return day_; }
    // Brings the controls to `hours`, unless refused typing is on screen.
    void follow(const DayHours &hours);

    QTimeEdit *fromEdit() const { return from_; }
    QTimeEdit *toEdit() const { return to_; }
    ToggleSwitch *breakSwitch() const { return breakSwitch_; }
    QTimeEdit *breakFromEdit() const { return breakFrom_; }
    QTimeEdit *breakToEdit() const { return breakTo_; }
    QLabel *note() const { return note_; }

signals:
    // Hours the user typed that can be stored.
    void edited(const DayHours &hours);

private:
    void typed();

    int day_;
    QTimeEdit *from_;
    QTimeEdit *to_;
    ToggleSwitch *breakSwitch_;
    QTimeEdit *breakFrom_;
    QTimeEdit *breakTo_;
    QWidget *breakTimes_;
    QLabel *note_;
    bool refused_ = false;
};
