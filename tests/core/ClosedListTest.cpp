#include "PayPeriod.h"

#include <gtest/gtest.h>

// Hourly comes last: a file's "Monthly" and "Yearly" read as before.
TEST(PayPeriod, listsMonthlyYearlyThenHourly) {
    const auto cases = allCases<PayPeriod>();
    ASSERT_EQ(cases.size(), 3u);
    EXPECT_EQ(cases[0], PayPeriod::monthly);
    EXPECT_EQ(cases[1], PayPeriod::yearly);
    EXPECT_EQ(cases[2], PayPeriod::hourly);
    EXPECT_EQ(rawValue(PayPeriod::monthly), "Monthly");
    EXPECT_EQ(rawValue(PayPeriod::yearly), "Yearly");
    EXPECT_EQ(rawValue(PayPeriod::hourly), "Hourly");
}

TEST(PayPeriod, buildsOnlyFromTheExactRawText) {
    EXPECT_EQ(fromRawValue<PayPeriod>(u"Monthly"), PayPeriod::monthly);
    EXPECT_EQ(fromRawValue<PayPeriod>(u"Yearly"), PayPeriod::yearly);
    for (const char16_t *text : {u"monthly", u"MONTHLY", u"yearly", u"YEARLY", u"", u" Monthly",
                                 u"Monthly ", u"Weekly", u"Month"})
        EXPECT_EQ(fromRawValue<PayPeriod>(QStringView(text)), std::nullopt)
            << QString::fromUtf16(text).toStdString();
}

TEST(PayPeriod, rawTextRoundTripsForEveryCase) {
    for (PayPeriod period : allCases<PayPeriod>())
        EXPECT_EQ(fromRawValue<PayPeriod>(rawValue(period)), period);
}
