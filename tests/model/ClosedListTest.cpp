#include "CountFrom.h"
#include "CurrencyStyle.h"
#include "DigitColor.h"
#include "GoalPictureKind.h"
#include "PayPeriod.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// Every case reads back from its own raw text and from no other spelling of it.
template <typename Enum> void expectOnlyExactRawTextsRead() {
    for (Enum value : allCases<Enum>()) {
        const QString raw = rawValue(value);
        EXPECT_EQ(fromRawValue<Enum>(raw), value) << raw.toStdString();
        for (const QString &other :
             QStringList{raw.toLower(), raw.toUpper(), raw + u' ', u' ' + raw})
            EXPECT_EQ(fromRawValue<Enum>(other), std::nullopt) << other.toStdString();
    }
    EXPECT_EQ(fromRawValue<Enum>(u""), std::nullopt);
}

} // namespace

// One word per list pins the file's form: the words earlier versions wrote.
TEST(ClosedList, readsTheWordsTheFileHolds) {
    EXPECT_EQ(fromRawValue<PayPeriod>(u"Yearly"), PayPeriod::yearly);
    EXPECT_EQ(fromRawValue<DigitColor>(u"Blue"), DigitColor::blue);
    EXPECT_EQ(fromRawValue<GoalPictureKind>(u"Emoji"), GoalPictureKind::emoji);
    EXPECT_EQ(fromRawValue<CurrencyStyle>(u"Abbreviation"), CurrencyStyle::code);
    EXPECT_EQ(fromRawValue<CountFrom>(u"Month"), CountFrom::month);
}

TEST(ClosedList, readsOnlyTheExactRawTextOfEachCase) {
    expectOnlyExactRawTextsRead<PayPeriod>();
    expectOnlyExactRawTextsRead<DigitColor>();
    expectOnlyExactRawTextsRead<GoalPictureKind>();
    expectOnlyExactRawTextsRead<CurrencyStyle>();
    expectOnlyExactRawTextsRead<CountFrom>();
}
