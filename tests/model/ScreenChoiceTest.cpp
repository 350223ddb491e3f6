#include "ScreenChoice.h"
#include "Earnings.h"
#include "QtPrinters.h"
#include "SettingsStore.h"
#include "TempSettings.h"

#include <gtest/gtest.h>

#include <limits>

using Screen = ScreenChoice::Screen;

TEST(ScreenChoice, countsOnlyWithAStartMomentAndASalaryThatCounts) {
    const double now = 1'765'000'000.25;
    struct Row {
        double startedAt;
        const char *salary;
        bool settingsOpen;
        Screen screen;
    };
    const Row rows[] = {
        {now - 10, "5000", false, Screen::counter},
        {now + 10, "5000", false, Screen::counter}, // counting, from zero
        {now - 10, "5000", true, Screen::settings},
        {0, "", true, Screen::settings},
        {now - 10, "", false, Screen::setup},
        {now - 10, "9000000000", false, Screen::setup}, // monthly: over 10^10 a year
        {0, "5000", false, Screen::setup},
        {-5, "5000", false, Screen::setup},
        {std::numeric_limits<double>::quiet_NaN(), "5000", false, Screen::setup},
    };
    TempSettings temp;
    SettingsStore store(temp.path());
    for (const Row &row : rows) {
        store.set(Keys::salary, QString::fromUtf8(row.salary));
        store.set(Keys::startedAt, row.startedAt);
        EXPECT_EQ(ScreenChoice::from(store, row.settingsOpen).screen, row.screen)
            << row.startedAt << " " << row.salary << " " << row.settingsOpen;
    }
}

TEST(ScreenChoice, givesTheCounterItsRateLabelColourAndGoal) {
    TempSettings temp;
    SettingsStore store(temp.path());
    store.set(Keys::salary, QStringLiteral(" 120 000 "));
    store.set(Keys::period, PayPeriod::yearly);
    store.set(Keys::startedAt, 1000.5);
    store.set(Keys::currency, QStringLiteral("JPY"));
    store.set(Keys::currencyStyle, CurrencyStyle::code);
    store.set(Keys::digitColor, DigitColor::cyan);
    store.set(Keys::goalEnabled, true);
    const ScreenChoice choice = ScreenChoice::from(store, false);
    ASSERT_EQ(choice.screen, Screen::counter);
    EXPECT_EQ(choice.counter.start, 1000.5);
    EXPECT_DOUBLE_EQ(choice.counter.perSecond, 120000 / (365.25 * 86400));
    EXPECT_EQ(choice.counter.currency, "JPY");
    EXPECT_EQ(choice.counter.color, toQColor(DigitColor::cyan));
    EXPECT_TRUE(choice.counter.goal.has_value());

    store.set(Keys::goalEnabled, false);
    store.set(Keys::startedAt, 0);
    const ScreenChoice setup = ScreenChoice::from(store, false);
    EXPECT_EQ(setup.screen, Screen::setup);
    EXPECT_EQ(setup.color, toQColor(DigitColor::cyan));
    EXPECT_FALSE(setup.goal.has_value());
}

TEST(ScreenChoice, countsWorkingHoursAtTheirOwnRateOnlyWhenTheyMakeASchedule) {
    TempSettings temp;
    SettingsStore store(temp.path());
    store.set(Keys::salary, QStringLiteral("5000"));
    store.set(Keys::startedAt, 1000.5);
    EXPECT_EQ(ScreenChoice::from(store, false).counter.workingTime, nullptr) << "off by default";

    store.set(Keys::workingHours, true);
    const ScreenChoice office = ScreenChoice::from(store, false);
    ASSERT_NE(office.counter.workingTime, nullptr);
    // 5,000 a month over 40 hours a week.
    EXPECT_DOUBLE_EQ(office.counter.perSecond, 0.007985398129135296);

    store.set(Keys::workTo, QTime(9, 0)); // From and To equal, as only a hand-made file has
    const ScreenChoice plain = ScreenChoice::from(store, false);
    EXPECT_EQ(plain.counter.workingTime, nullptr);
    EXPECT_DOUBLE_EQ(plain.counter.perSecond, Earnings::perSecond(5000, PayPeriod::monthly));

    store.set(Keys::amountHidden, true);
    EXPECT_TRUE(ScreenChoice::from(store, false).counter.amountHidden);
    store.set(Keys::startedAt, 0);
    EXPECT_TRUE(ScreenChoice::from(store, false).amountHidden) << "the setup screen's goal too";
}

// Each day's own hours count only with "same hours" off, and stay stored
// while it is on; one that does not read is none.
TEST(ScreenChoice, usesEachDaysOwnHoursOnlyWhileChosen) {
    TempSettings temp;
    SettingsStore store(temp.path());
    store.set(Keys::salary, QStringLiteral("5000"));
    store.set(Keys::startedAt, 1000.5);
    store.set(Keys::workingHours, true);
    store.set(Keys::hoursFri, DayHours{{9, 0}, {14, 0}});
    EXPECT_DOUBLE_EQ(ScreenChoice::from(store, false).counter.perSecond, 0.007985398129135296)
        << "40 hours: the same every day";
    store.set(Keys::sameHours, false);
    EXPECT_DOUBLE_EQ(ScreenChoice::from(store, false).counter.perSecond,
                     5000 / (37 * 3600 * 365.25 / 7 / 12));
    temp.writeFile("[General]\nsalary=5000\nstartedAt=1000.5\nworkingHours=true\n"
                   "sameHours=false\nhoursMon=08:00-12:00\nhoursFri=9-14\n");
    SettingsStore edited(temp.path());
    EXPECT_DOUBLE_EQ(ScreenChoice::from(edited, false).counter.perSecond,
                     5000 / (36 * 3600 * 365.25 / 7 / 12));
    EXPECT_EQ(ScreenChoice::from(edited, false).counter.countFrom, CountFrom::start);
    edited.set(Keys::countFrom, CountFrom::week);
    EXPECT_EQ(ScreenChoice::from(edited, false).counter.countFrom, CountFrom::week);
}
