#include "CounterAmountText.h"
#include "Currency.h"
#include "FixedName.h"
#include "LocaleServices.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <algorithm>

namespace {

// Each suite runs in a process whose LC_ALL names its locale (see CMakeLists);
// run by hand in another locale, the suite skips instead of failing.
template <FixedName icuName> class InLocale : public ::testing::Test {
protected:
    void SetUp() override {
        if (QByteArray(LocaleServices::currentLocale().getName()) != icuName.text)
            GTEST_SKIP() << "needs LC_ALL for " << icuName.text << ", have "
                         << LocaleServices::currentLocale().getName();
    }
};

using English = InLocale<"en_US">;
using German = InLocale<"de_DE">;
using Hindi = InLocale<"hi_IN">;
using Arabic = InLocale<"ar_EG">;
using NoCurrency = InLocale<"eo_001">;
using Posix = InLocale<"en_US_POSIX">;

int countCode(const QString &code) {
    const auto &entries = Currency::all();
    return static_cast<int>(std::count_if(entries.begin(), entries.end(),
                                          [&](const auto &e) { return e.code == code; }));
}

// Counting through places where the text changes more than its decimals (a
// new whole unit, a new group, a new digit, halfway points, sizes beyond the
// sure range) writes what formatting afresh writes.
void expectCountingWritesAsFormattingAfresh() {
    const struct {
        double from;
        double step;
    } runs[] = {
        {0, 0.0000347},        {0.9990, 0.0000347},        {999.9990, 0.0000347},
        {99'999.9990, 0.0001}, {1'234.56785, 0.00001},     {9'999'999.9990, 0.0000347},
        {1e7 - 0.001, 0.0003}, {123'456'789.1234, 0.0007},
    };
    for (const auto &run : runs) {
        CounterAmountText text;
        for (int k = 0; k < 100; ++k) {
            const double amount = run.from + k * run.step;
            ASSERT_EQ(text.of(amount), LocaleServices::formatCounterAmount(amount)) << amount;
        }
    }
}

} // namespace

TEST_F(English, countingWritesAsFormattingAfresh) {
    expectCountingWritesAsFormattingAfresh();
}

TEST_F(German, countingWritesAsFormattingAfresh) {
    expectCountingWritesAsFormattingAfresh();
}

TEST_F(Hindi, countingWritesAsFormattingAfresh) {
    expectCountingWritesAsFormattingAfresh();
}

TEST_F(Arabic, countingWritesAsFormattingAfresh) {
    expectCountingWritesAsFormattingAfresh();
}

TEST_F(English, defaultsToDollarsLabelledBySymbolOrCode) {
    EXPECT_EQ(Currency::defaultCode(), "USD");
    EXPECT_EQ(Currency::label("USD", CurrencyStyle::symbol), "$");
    EXPECT_EQ(Currency::label("JPY", CurrencyStyle::code), "JPY");
    EXPECT_EQ(Currency::label("EUR", CurrencyStyle::symbol), "€");
    EXPECT_EQ(Currency::label("", CurrencyStyle::symbol), "");
    EXPECT_EQ(Currency::label("", CurrencyStyle::code), "");
}

// The second answer comes from the cache (bench/locale_bench: cachedSymbol).
TEST_F(English, unknownAndLowerCaseCodesAreTheirOwnSymbol) {
    EXPECT_EQ(Currency::label("XQQ", CurrencyStyle::symbol), "XQQ");
    EXPECT_EQ(Currency::label("XQQ", CurrencyStyle::symbol), "XQQ");
    EXPECT_EQ(Currency::symbol("usd"), "usd");
    EXPECT_EQ(Currency::label("usd", CurrencyStyle::code), "usd");
}

TEST_F(English, catalogueIsSortedByNameIgnoringCase) {
    const auto &entries = Currency::all();
    ASSERT_GT(entries.size(), 100u);
    for (std::size_t i = 1; i < entries.size(); ++i)
        EXPECT_LE(LocaleServices::compare(entries[i - 1].name, entries[i].name), 0)
            << entries[i - 1].name.toStdString() << " / " << entries[i].name.toStdString();
    EXPECT_EQ(countCode("USD"), 1);
    EXPECT_EQ(LocaleServices::compare("euro", "EURO"), 0);
    EXPECT_LT(LocaleServices::compare("apple", "Banana"), 0);
    EXPECT_GT(LocaleServices::compare("Zloty", "yen"), 0);
}

TEST_F(English, findsCurrenciesByCodeOrByAnyPartOfTheirName) {
    const struct {
        const char16_t *typed;
        const char *code; // empty: none
    } rows[] = {
        {u"yen", "JPY"},        {u"jpy", "JPY"},
        {u"Swiss", "CHF"},      {u"EUR", "EUR"},
        {u"ye", "YER"},         {u"sao tome", "STN"},
        {u" us dollar", "USD"}, {u"S\u00C3O TOM\u00C9", "STN"},
        {u"zzzz", ""},          {u"", ""},
    };
    for (const auto &row : rows) {
        const auto found = Currency::find(QString::fromUtf16(row.typed));
        EXPECT_EQ(found ? Currency::all()[*found].code : QString(), row.code)
            << QString::fromUtf16(row.typed).toStdString();
    }
}

TEST_F(English, namesComeFromTheLocaleAndICUsCodeAnswerMeansNone) {
    EXPECT_EQ(LocaleServices::currencyName("USD"), "US Dollar");
    EXPECT_EQ(LocaleServices::currencyName("XQQ"), std::nullopt);
}

TEST_F(English, formatsTheCounterWithFourAndTheGoalWithUpToTwoDigits) {
    struct Row {
        double amount;
        const char *counter;
        const char *goal;
    };
    const Row rows[] = {
        {1234.56789, "1,234.5679", "1,234.57"},
        {1000, "1,000.0000", "1,000"},
        {1234.5, "1,234.5000", "1,234.5"},
        {0, "0.0000", "0"},
        {0.03125, "0.0312", "0.03"}, // an exact half rounds to even
        {0.09375, "0.0938", "0.09"},
        {0.125, "0.1250", "0.12"},
        {0.375, "0.3750", "0.38"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(LocaleServices::formatCounterAmount(row.amount), row.counter) << row.amount;
        EXPECT_EQ(LocaleServices::formatGoalAmount(row.amount), row.goal) << row.amount;
    }
}

TEST_F(German, defaultsToEurosListedOnce) {
    EXPECT_EQ(Currency::defaultCode(), "EUR");
    EXPECT_EQ(Currency::label("EUR", CurrencyStyle::symbol), "€");
    EXPECT_EQ(LocaleServices::currencyName("USD"), "US-Dollar");
}

TEST_F(German, usesPointGroupingAndCommaDecimals) {
    EXPECT_EQ(LocaleServices::formatCounterAmount(1234.56789), "1.234,5679");
    EXPECT_EQ(LocaleServices::formatGoalAmount(1234.567), "1.234,57");
}

// Words within a text are in the text's language, whatever the formatting.
TEST_F(German, saysRoundNumbersInTheLanguageOfTheTexts) {
    EXPECT_EQ(LocaleServices::formatInWords(1e10), "10 billion");
    LocaleServices::setTextLanguage(QStringLiteral("de"));
    EXPECT_EQ(LocaleServices::formatInWords(1e10), "10 Milliarden");
    LocaleServices::setTextLanguage(QStringLiteral("ja"));
    EXPECT_EQ(LocaleServices::formatInWords(1e10), QString::fromUtf8("100億"));
    LocaleServices::setTextLanguage(QString());
    EXPECT_EQ(LocaleServices::formatInWords(1e10), "10 billion");
}

TEST_F(Hindi, groupsInTwosAboveTheThousands) {
    EXPECT_EQ(Currency::defaultCode(), "INR");
    EXPECT_EQ(LocaleServices::formatCounterAmount(1234567.56789), "12,34,567.5679");
    EXPECT_EQ(LocaleServices::formatGoalAmount(1234567.567), "12,34,567.57");
}

// The segment display only has ASCII digits, so the counter is always Latin;
// the goal text is ordinary type and keeps the locale's own digits.
TEST_F(Arabic, countsInLatinDigitsAndWritesTheGoalInArabicIndicDigits) {
    const QString counter = LocaleServices::formatCounterAmount(1234.56789);
    EXPECT_EQ(counter, "1,234.5679");
    const QString goal = LocaleServices::formatGoalAmount(1234.5);
    EXPECT_EQ(goal, QString::fromUtf16(u"\u0661\u066C\u0662\u0663\u0664\u066B\u0665"));
    EXPECT_EQ(Currency::defaultCode(), "EGP");
}

TEST_F(NoCurrency, fallsBackToDollars) {
    EXPECT_EQ(LocaleServices::currencyOf(LocaleServices::currentLocale()), std::nullopt);
    EXPECT_EQ(Currency::defaultCode(), "USD");
    EXPECT_EQ(countCode("USD"), 1);
}

TEST_F(Posix, theCLocaleMeansUSPosix) {
    EXPECT_EQ(Currency::defaultCode(), "USD");
    EXPECT_EQ(LocaleServices::formatCounterAmount(1234.5), "1,234.5000");
}

TEST_F(Posix, catalogueIsSortedByNameIgnoringCaseToo) {
    // The POSIX collation puts every capital before every small letter.
    EXPECT_LT(LocaleServices::compare("Cambodian Riel", "CFP Franc"), 0);
    EXPECT_LT(LocaleServices::compare("Ugandan Shilling", "US Dollar"), 0);
    EXPECT_EQ(LocaleServices::compare("euro", "EURO"), 0);
    const auto &entries = Currency::all();
    const auto at = [&](const char *code) {
        return std::find_if(entries.begin(), entries.end(),
                            [&](const Currency::Entry &e) { return e.code == code; }) -
               entries.begin();
    };
    EXPECT_LT(at("KHR"), at("XPF"));
    EXPECT_LT(at("UGX"), at("USD"));
}

// Money follows the locale the C library would use for it, not the language:
// LC_ALL, else LC_MONETARY, else LANG. Runs with no locale variable set.
TEST(Monetary, theDefaultCurrencyFollowsLcMonetary) {
    struct Case {
        const char *all, *monetary, *lang, *currency;
    };
    for (const Case &c :
         {Case{"", "de_DE.UTF-8", "en_US.UTF-8", "EUR"},
          Case{"ja_JP.UTF-8", "de_DE.UTF-8", "en_US.UTF-8", "JPY"},
          Case{"", "", "en_GB.UTF-8", "GBP"}, Case{"", "fr_CH.UTF-8@euro", "C", "CHF"},
          Case{"", "C", "de_DE.UTF-8", "USD"}}) {
        qputenv("LC_ALL", c.all);
        qputenv("LC_MONETARY", c.monetary);
        qputenv("LANG", c.lang);
        EXPECT_EQ(LocaleServices::currencyOf(LocaleServices::monetaryLocale()), c.currency)
            << c.all << " | " << c.monetary << " | " << c.lang;
    }
    qunsetenv("LC_ALL");
    qputenv("LC_MONETARY", "de_DE.UTF-8");
    qputenv("LANG", "en_US.UTF-8");
    EXPECT_EQ(Currency::defaultCode(), "EUR");
    EXPECT_EQ(countCode("EUR"), 1);
}
