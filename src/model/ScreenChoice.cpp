#include "ScreenChoice.h"

#include "Earnings.h"
#include "SettingsStore.h"

#include <QLocale>

namespace {

// The working hours when they are on and make a schedule; From and To equal
// (only a hand-edited file has that) counts every second, as with them off.
std::optional<WorkSchedule> workSchedule(const SettingsStore &store) {
    if (!store.get(Keys::workingHours))
        return std::nullopt;
    WorkSchedule schedule;
    schedule.days = store.get(Keys::workDays);
    schedule.from = store.get(Keys::workFrom);
    schedule.to = store.get(Keys::workTo);
    schedule.breakOn = store.get(Keys::breakEnabled);
    schedule.breakFrom = store.get(Keys::breakFrom);
    schedule.breakTo = store.get(Keys::breakTo);
    if (!store.get(Keys::sameHours))
        for (std::size_t day = 0; day < schedule.ownHours.size(); ++day)
            schedule.ownHours[day] = store.get(Keys::ownHours[day]);
    if (!schedule.isValid())
        return std::nullopt;
    return schedule;
}

} // namespace

ScreenChoice ScreenChoice::from(const SettingsStore &store, bool showingSettings) {
    ScreenChoice choice;
    if (showingSettings) {
        choice.screen = Screen::settings;
        return choice;
    }
    choice.color = toQColor(store.get(Keys::digitColor));
    choice.goal = Goal::fromSettings(store);
    choice.amountHidden = store.get(Keys::amountHidden);
    const double startedAt = store.get(Keys::startedAt);
    const PayPeriod period = store.get(Keys::period);
    const std::optional<double> salary = Earnings::countableSalary(store.get(Keys::salary), period);
    const bool counting = startedAt > 0 && salary.has_value(); // false for NaN too
    if (!counting)
        return choice;
    choice.screen = Screen::counter;
    choice.counter.start = startedAt;
    if (const std::optional<WorkSchedule> schedule = workSchedule(store)) {
        choice.counter.perSecond = schedule->perWorkingSecond(*salary, period);
        choice.counter.workingTime = std::make_shared<WorkingTime>(*schedule, startedAt);
    } else {
        choice.counter.perSecond = Earnings::perSecond(*salary, period);
    }
    choice.counter.amountHidden = choice.amountHidden;
    choice.counter.currency =
        Currency::label(store.get(Keys::currency), store.get(Keys::currencyStyle));
    choice.counter.color = choice.color;
    choice.counter.goal = choice.goal;
    choice.counter.countFrom = store.get(Keys::countFrom);
    choice.counter.weekStart = QLocale().firstDayOfWeek();
    return choice;
}
