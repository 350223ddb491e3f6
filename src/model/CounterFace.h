#pragma once

#include "CountedTime.h"
#include "CounterAmountText.h"
#include "CounterInputs.h"
#include "GoalProgress.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <optional>

// What the counter shows at a moment, and when it next shows something else.
// Its moments are start + k x 0.05 s. Plain values in and out, no widget:
// reading a moment advances the working-time cache to that moment's day,
// which is why the readers below are not const.
class CounterFace {
    Q_DECLARE_TR_FUNCTIONS(CounterFace)

public:
    static constexpr int tickMilliseconds = 50;
    static constexpr int ticksPerSecond = 1000 / tickMilliseconds;

    // Everything the screen shows at one moment, and the amount behind it.
    struct Look {
        double countedSeconds = 0; // what the amount and the elapsed time count
        double earned = 0;         // since the start, whatever the amount counts
        QString amount;
        QString elapsed;
        QString left;      // the time left in the stretch worked; empty outside working hours
        GoalProgress goal; // empty without a goal
        // The goal bar's fill in device pixels: what the eye can tell apart.
        int goalFillPixels = 0;
        bool showsTheSameAs(const Look &other) const {
            return amount == other.amount && elapsed == other.elapsed && left == other.left &&
                   goal.text == other.goal.text && goalFillPixels == other.goalFillPixels;
        }
    };

    // When to wake next, and whether counting is paused meanwhile.
    struct Wake {
        double at = 0; // a schedule moment after now
        // The longest sleep: the wall clock may jump (a resume, a time change),
        // and a wake-up reads it afresh.
        int longestMilliseconds = 1000;
        bool paused = false;             // outside working hours
        std::optional<double> resumesAt; // when work starts again, if it does
        // The sleep from `now`: never early, for a wake-up before the moment
        // would show the same again.
        int milliseconds(double now) const;
    };

    explicit CounterFace(const CounterInputs &inputs = {});

    // The goal bar's track: its length in points, on a screen of this pixel ratio.
    void setGoalTrack(double width, double devicePixelRatio) {
        goalTrack_ = width;
        devicePixelRatio_ = devicePixelRatio;
    }

    // The latest schedule moment not after `now`.
    double entryBefore(double now) const;
    Look lookAt(double moment);
    // The first schedule moment after the one before `now` that shows
    // something other than `shown`, a second ahead at most (counting).
    Wake wakeAfter(double now, const Look &shown);

    // One row of dashes whatever the amount, so that neither its digit count
    // nor its grouping shows.
    static const QString &hiddenAmount();

private:
    double entry(double index) const;
    double indexBefore(double now) const;
    // Whether `moment` shows `shown` again, told without formatting where
    // the numbers alone make it sure.
    bool showsTheSameAt(double moment, const Look &shown);

    double start_;
    double perSecond_;
    std::optional<double> goalAmount_;
    bool hasGoal_;
    bool amountHidden_;
    // A copy of its own: its cache follows this face's moments only.
    std::shared_ptr<WorkingTime> workingTime_;
    CountedTime counted_;
    CounterAmountText amountText_;
    double goalTrack_ = 0;
    double devicePixelRatio_ = 1;
    // The last look worked out: the wake-up's look ahead found what the
    // next tick shows.
    struct Remembered {
        double moment;
        double goalTrack;
        double devicePixelRatio;
        Look look;
    };
    std::optional<Remembered> last_;
};
