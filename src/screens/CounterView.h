#pragma once

#include "Clock.h"
#include "CounterInputs.h"
#include "GoalRow.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QVBoxLayout;
class SevenSegmentDisplay;

// The running counter: elapsed time in the header, the amount on the
// seven-segment display, and the goal's progress beneath when there is a goal.
// Its moments are start + k x 0.05 s; while shown it wakes only at the next
// moment at which something shown changes, and repaints only what changed.
class CounterView : public QWidget {
    Q_OBJECT

public:
    using Inputs = CounterInputs;

    static constexpr int tickMilliseconds = 50;

    CounterView(std::function<void()> stop, std::function<void()> openSettings,
                std::function<void()> quit, Clock clock = systemNow, QWidget *parent = nullptr);

    void setInputs(const Inputs &inputs);

    // Shows the screen as of `now`: the schedule's entry date.
    void showMoment(double now);
    // One wake-up: shows the latest schedule entry (start + k x 0.05 s) not
    // after the clock's now and, while shown, arms the timer for the next
    // entry that shows something else (at most a second ahead).
    void tick();

    QString amountText() const;
    QString elapsedText() const;
    bool isTicking() const { return timer_.isActive(); }
    // The schedule moment the timer is armed for.
    double nextWake() const { return nextWake_; }
    // How long the timer is armed to sleep, in milliseconds.
    int armedMilliseconds() const { return timer_.interval(); }
    SevenSegmentDisplay *display() const { return display_; }
    GoalRow *goalRow() const { return goalRow_; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Everything the screen shows at one moment, and the amount behind it.
    struct Look {
        double earned = 0;
        QString amount;
        QString elapsed;
        GoalRow::Look goal;
        bool showsTheSameAs(const Look &other) const {
            return amount == other.amount && elapsed == other.elapsed && goal == other.goal;
        }
    };

    Look lookAt(double moment) const;
    void present(const Look &look);
    void showElapsed(const QString &text);
    void armAfter(double entryIndex, const Look &shown, double now);
    // Outside working hours: says that counting is paused and when it resumes
    // (no moment: none is coming); inside them, nothing.
    void showPause(bool paused, std::optional<double> resumesAt, double now);
    // The display's spoken name: its own, or what hides or pauses it.
    void nameTheDisplay();

    Clock clock_;
    Inputs inputs_;
    QTimer timer_;
    double nextWake_ = 0;
    QLabel *elapsed_;
    QLabel *pause_;
    SevenSegmentDisplay *display_;
    GoalRow *goalRow_;
};
