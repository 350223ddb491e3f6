#include "ScreenChoice.h"

#include "Earnings.h"
#include "SettingsStore.h"

ScreenChoice ScreenChoice::from(const SettingsStore &store, bool showingSettings) {
    ScreenChoice choice;
    if (showingSettings) {
        choice.screen = Screen::settings;
        return choice;
    }
    choice.color = toQColor(store.get(Keys::digitColor));
    choice.goal = Goal::fromSettings(store);
    const double startedAt = store.get(Keys::startedAt);
    const PayPeriod period = store.get(Keys::period);
    const std::optional<double> salary = Earnings::countableSalary(store.get(Keys::salary), period);
    const bool counting = startedAt > 0 && salary.has_value(); // false for NaN too
    if (!counting)
        return choice;
    choice.screen = Screen::counter;
    choice.counter.start = startedAt;
    choice.counter.perSecond = Earnings::perSecond(*salary, period);
    choice.counter.currency =
        Currency::label(store.get(Keys::currency), store.get(Keys::currencyStyle));
    choice.counter.color = choice.color;
    choice.counter.goal = choice.goal;
    return choice;
}
