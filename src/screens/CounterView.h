#pragma once

#include "Clock.h"
#include "Goal.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class GoalRow;
class QLabel;
class QVBoxLayout;
class SevenSegmentDisplay;

// The running counter: elapsed time in the header, the amount on the
// seven-segment display, and the goal's progress beneath when there is a goal.
// Ticks twenty times a second while shown; repaints only what changed.
class CounterView : public QWidget {
    Q_OBJECT

public:
    struct Inputs {
        double start = 0;     // seconds since 1970
        double perSecond = 0; // currency units a second
        QString currency;     // the label before the digits; may be empty
        QColor color = Qt::green;
        std::optional<Goal> goal;
    };

    static constexpr int tickMilliseconds = 50;

    CounterView(std::function<void()> stop, std::function<void()> openSettings,
                Clock clock = systemNow, QWidget *parent = nullptr);

    void setInputs(const Inputs &inputs);

    // Shows the screen as of `now`: the schedule's entry date.
    void showMoment(double now);
    // One timer tick: the latest schedule entry (start + k x 0.05 s) not after
    // the clock's now.
    void tick();

    QString amountText() const;
    QString elapsedText() const;
    bool isTicking() const { return timer_.isActive(); }
    SevenSegmentDisplay *display() const { return display_; }
    GoalRow *goalRow() const { return goalRow_; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    Clock clock_;
    Inputs inputs_;
    QTimer timer_;
    QLabel *elapsed_;
    SevenSegmentDisplay *display_;
    GoalRow *goalRow_;
};
