#include "Earnings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Earnings, perSecondUsesAYearOf36525Days) {
    EXPECT_EQ(Earnings::perSecond(1000, PayPeriod::monthly),
              Earnings::perSecond(12000, PayPeriod::yearly));
    EXPECT_EQ(Earnings::perSecond(31557600, PayPeriod::yearly), 1.0);
}

TEST(Earnings, earnedIsRateTimesClampedElapsedTime) {
    struct Row {
        double start, now, rate, earned;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Row rows[] = {
        {1000, 1004, 2.5, 10},  // four seconds at 2.5 a second
        {1010, 1000, 2.5, 0},   // a start in the future does not count down
        {nan, 1000, 2.5, 0},    // not a number counts as no time
        {1000, 1000.5, 1, 0.5}, // fractions are kept
    };
    for (const Row &row : rows)
        EXPECT_EQ(Earnings::earned(row.start, row.now, row.rate), row.earned)
            << row.start << " " << row.now;
    EXPECT_EQ(Earnings::elapsed(1010, 1000), 0.0);
}

TEST(Earnings, countsASalaryUpToTenBillionAYear) {
    struct Row {
        const char *typed;
        PayPeriod period;
        bool counted;
    };
    const Row rows[] = {
        {"10000000000", PayPeriod::yearly, true},
        {"10000000001", PayPeriod::yearly, false},
        {"833333333", PayPeriod::monthly, true},
        {"833333334", PayPeriod::monthly, false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(Earnings::countableSalary(QString::fromLatin1(row.typed), row.period).has_value(),
                  row.counted)
            << row.typed;
}

TEST(Earnings, formatElapsedWritesHoursMinutesSeconds) {
    struct Row {
        double seconds;
        const char *text;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {0, "0:00:00"},
        {0.99, "0:00:00"},
        {1, "0:00:01"},
        {3599, "0:59:59"},
        {3600, "1:00:00"},
        {90061, "25:01:01"},
        {360000, "100:00:00"},
        {-5, "0:00:00"},
        {86400, "24:00:00"},
        // Beyond anything a clock gives: defined, never undefined behaviour.
        {std::numeric_limits<double>::quiet_NaN(), "0:00:00"},
        {-inf, "0:00:00"},
        {inf, "2562047788015215:13:04"},
        {-1e300, "0:00:00"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(Earnings::formatElapsed(row.seconds), QString::fromUtf8(row.text)) << row.seconds;
}
