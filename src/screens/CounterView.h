#pragma once

#include "Clock.h"
#include "CounterFace.h"
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
// seven-segment display, and the goal's progress beneath when there is a goal,
// as its face says; while shown it wakes when the face says something shown
// changes, and repaints only what changed.
class CounterView : public QWidget {
    Q_OBJECT

public:
    using Inputs = CounterInputs;

    CounterView(std::function<void()> stop, std::function<void()> openSettings,
                std::function<void()> quit, Clock clock = systemNow, QWidget *parent = nullptr);

    void setInputs(const Inputs &inputs);

    // Shows the screen as of `now`: the schedule's entry date.
    void showMoment(double now);
    // One wake-up: shows the latest schedule moment not after the clock's now
    // and, while shown, arms the timer for the face's next wake-up.
    void tick();

    QString amountText() const;
    QString elapsedText() const;
    // The time left in the stretch being worked; empty outside working hours.
    QString timeLeftText() const;
    // The pause sign: when counting resumes; empty while counting.
    QString pauseText() const;
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
    void present(const CounterFace::Look &look);
    void showElapsed(const QString &text);
    // Outside working hours: says that counting is paused and when it resumes
    // (no moment: none is coming); inside them, nothing.
    void showPause(bool paused, std::optional<double> resumesAt, double now);
    // The display's spoken name: its own, or what hides or pauses it.
    void nameTheDisplay();

    Clock clock_;
    Inputs inputs_;
    CounterFace face_;
    QTimer timer_;
    double nextWake_ = 0;
    QLabel *elapsed_;
    QLabel *period_;
    QLabel *left_;
    QLabel *pause_;
    SevenSegmentDisplay *display_;
    GoalRow *goalRow_;
};
