#include "CounterFace.h"

#include "Earnings.h"
#include "LocaleServices.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double period = CounterFace::tickMilliseconds / 1000.0;

// Whether two amounts surely read the same to four places: both lie between
// the same two halfway points and clear of them by far more than a double's
// error at that size. Unsure (too large, too near a halfway point): no.
bool sameToFourPlaces(double a, double b) {
    constexpr double largest = 1e11; // in ten-thousandths; beyond, the error grows
    constexpr double margin = 1e-3;  // in ten-thousandths
    const auto place = [](double amount, double &whole) {
        const double shifted = amount * 10'000 + 0.5;
        whole = std::floor(shifted);
        return shifted - whole; // from the halfway point below
    };
    if (!(a >= 0 && a * 10'000 < largest && b >= 0 && b * 10'000 < largest))
        return false;
    double wholeA = 0;
    double wholeB = 0;
    const double fromA = place(a, wholeA);
    const double fromB = place(b, wholeB);
    return wholeA == wholeB && std::min(fromA, fromB) > margin &&
           std::max(fromA, fromB) < 1 - margin;
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
    , amountHidden_(inputs.amountHidden) {
    if (inputs.workingTime)
        workingTime_ = *inputs.workingTime;
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

double CounterFace::elapsedAt(double moment) {
    return workingTime_ ? workingTime_->secondsUntil(moment) : Earnings::elapsed(start_, moment);
}

CounterFace::Look CounterFace::lookAt(double moment) {
    if (last_ && last_->moment == moment && last_->goalTrack == goalTrack_ &&
        last_->devicePixelRatio == devicePixelRatio_)
        return last_->look;
    const double elapsed = elapsedAt(moment);
    Look look;
    look.elapsedSeconds = elapsed;
    look.earned = perSecond_ * elapsed;
    look.amount = amountHidden_ ? hiddenAmount() : LocaleServices::formatCounterAmount(look.earned);
    look.elapsed = Earnings::formatElapsed(elapsed);
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
    // whole seconds; a goal's progress is left to the full look.
    if (!hasGoal_) {
        const double elapsed = elapsedAt(moment);
        if (std::trunc(elapsed) == std::trunc(shown.elapsedSeconds) &&
            (amountHidden_ || sameToFourPlaces(perSecond_ * elapsed, shown.earned)))
            return true;
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
            wake.at = entry(std::ceil((*wake.resumesAt - start_) * ticksPerSecond));
            wake.longestMilliseconds = 60'000;
        }
    }
    return wake;
}
