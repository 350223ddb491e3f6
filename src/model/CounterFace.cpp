#include "CounterFace.h"

#include "Earnings.h"
#include "LocaleServices.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double period = CounterFace::tickMilliseconds / 1000.0;

// A cache of its own, for a face's copy of the inputs.
std::shared_ptr<WorkingTime> copyOf(const std::shared_ptr<WorkingTime> &workingTime) {
    return workingTime ? std::make_shared<WorkingTime>(*workingTime) : nullptr;
}

} // namespace

int CounterFace::Wake::milliseconds(double now) const {
    const double ahead = std::ceil((at - now) * 1000);
    return static_cast<int>(std::clamp(ahead, 0.0, double(longestMilliseconds)));
}

CounterFace::CounterFace(const CounterInputs &inputs)
    : start_(inputs.start)
    , perSecond_(inputs.perSecond)
    , goalAmount_(inputs.goal ? inputs.goal->amount : std::nullopt)
    , hasGoal_(inputs.goal.has_value())
    , amountHidden_(inputs.amountHidden)
    , workingTime_(copyOf(inputs.workingTime))
    , counted_(inputs.start, workingTime_, inputs.countFrom, inputs.weekStart) {
}

const QString &CounterFace::hiddenAmount() {
    // Four places on each side of the locale's decimal sign, the width of a
    // common amount.
    static const QString dashes = [] {
        QString pattern = QStringLiteral("000") + LocaleServices::formatCounterAmount(0);
        for (QChar &c : pattern)
            if (c >= u'0' && c <= u'9')
                c = u'-';
        return pattern;
    }();
    return dashes;
}

double CounterFace::entry(double index) const {
    return start_ + index * period;
}

// The index k of the latest entry start + k * period not after now (negative
// before the start, where the screen shows the start).
double CounterFace::indexBefore(double now) const {
    double index = std::floor((now - start_) / period);
    if (entry(index) > now) // rounding of the multiplication
        index -= 1;
    return index;
}

double CounterFace::entryBefore(double now) const {
    return entry(indexBefore(now));
}

CounterFace::Look CounterFace::lookAt(double moment) {
    if (last_ && last_->moment == moment && last_->goalTrack == goalTrack_ &&
        last_->devicePixelRatio == devicePixelRatio_)
        return last_->look;
    const CountedTime::Reading counted = counted_.at(moment);
    Look look;
    look.countedSeconds = counted.inPeriod;
    look.earned = perSecond_ * counted.sinceStart;
    look.amount = amountHidden_ ? hiddenAmount() : amountText_.of(perSecond_ * counted.inPeriod);
    look.elapsed = Earnings::formatElapsed(counted.inPeriod);
    if (workingTime_)
        if (const std::optional<double> end = workingTime_->stretchEnd(moment))
            look.left = tr("%1 left").arg(Earnings::formatElapsed(*end - moment));
    if (hasGoal_) {
        look.goal = GoalProgress::of(goalAmount_, look.earned, amountHidden_);
        look.goalFillPixels = look.goal.fillPixels(goalTrack_, devicePixelRatio_);
    }
    last_ = Remembered{moment, goalTrack_, devicePixelRatio_, look};
    return look;
}

bool CounterFace::showsTheSameAt(double moment, const Look &shown) {
    // Most moments a wake-up looks at show the same again; formatting each
    // would cost more than the rest of the wake-up. The elapsed time shows
    // whole seconds; a goal's progress and the time left in a shift are left
    // to the full look.
    if (!hasGoal_ && !workingTime_) {
        const double counted = counted_.at(moment).inPeriod;
        if (std::trunc(counted) == std::trunc(shown.countedSeconds)) {
            if (amountHidden_)
                return true;
            const auto tenThousandths = &CounterAmountText::tenThousandths;
            const std::optional<qint64> now = tenThousandths(perSecond_ * counted);
            if (now && now == tenThousandths(perSecond_ * shown.countedSeconds))
                return true;
        }
    }
    return lookAt(moment).showsTheSameAs(shown);
}

CounterFace::Wake CounterFace::wakeAfter(double now, const Look &shown) {
    const double index = indexBefore(now);
    double ahead = 1;
    for (; ahead < ticksPerSecond; ++ahead)
        if (!showsTheSameAt(entry(index + ahead), shown))
            break;
    Wake wake;
    wake.at = entry(index + ahead);
    wake.paused = ahead == ticksPerSecond && workingTime_ && !workingTime_->isWorking(now);
    if (wake.paused) {
        // Nothing changes until work starts again.
        wake.resumesAt = workingTime_->nextWorkingMoment(now);
        if (wake.resumesAt) {
            // The count begins again at a period's turn, working or not.
            const double until = std::min(*wake.resumesAt, counted_.periodEnd());
            wake.at = entry(std::ceil((until - start_) * ticksPerSecond));
            wake.longestMilliseconds = 60'000;
        }
    }
    return wake;
}
