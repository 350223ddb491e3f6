#include "Earnings.h"
#include "LocaleEnvironment.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

struct Example {
    const char16_t *typed;
    std::optional<double> amount;
};

// The notations people type, with the value each must give.
const Example examples[] = {
    {u"1234", 1234},
    {u" 1 234 567 ", 1234567},
    {u"1,234", 1234},
    {u"1.000", 1000},
    {u"0.125", 125},
    {u"12,5", 12.5},
    {u"1.2345", 1.2345},
    {u"1,234.56", 1234.56},
    {u"1.234,56", 1234.56},
    {u"1\u00A0234,56", 1234.56},
    {u"1,000.000", 1000},
    {u"1.234.567", 1234567},
    {u"12,34,567", 1234567},
    {u"1.23.45,6", 12345.6},
    {u"1,,5", 15},
    {u"1,234,", 1234},
    {u"1.234,", 1234},
    {u"5.", 5},
    {u"5,", 5},
    {u".5", 0.5},
    {u",5", 0.5},
    {u"007", 7},
    {u"\t1 2\t3\u3000", 123},
    {u"\r\n\n5000\n", 5000},       // line breaks around the number
    {u"5000\n6000", std::nullopt}, // two pasted cells are not one amount
    {u"5\u2028000", std::nullopt},
    {u"5\u0085000", std::nullopt},
    {u"1\u202F234\u2009567", 1234567},
    {u".", std::nullopt},
    {u"0", std::nullopt},
    {u"", std::nullopt},
    {u"   ", std::nullopt},
    {u"-5", std::nullopt},
    {u"inf", std::nullopt},
    {u"1\u20E3", std::nullopt}, // keycap: a digit with a combining mark
    {u" \u0301", std::nullopt}, // a space carrying a mark is still one character, dropped
};

void PrintTo(const Example &example, std::ostream *out) {
    *out << '"' << QString::fromUtf16(example.typed).toStdString() << '"';
}

// A test name that tells what was typed: "1Comma234Dot56", "U0661U0662".
std::string nameOf(const ::testing::TestParamInfo<Example> &info) {
    std::string name;
    for (const char16_t *c = info.param.typed; *c != 0; ++c) {
        if ((*c >= u'0' && *c <= u'9') || (*c >= u'a' && *c <= u'z') || (*c >= u'A' && *c <= u'Z'))
            name += static_cast<char>(*c);
        else if (*c == u' ')
            name += '_';
        else if (*c == u'.')
            name += "Dot";
        else if (*c == u',')
            name += "Comma";
        else
            name += QStringLiteral("U%1").arg(int(*c), 4, 16, QChar(u'0')).toUpper().toStdString();
    }
    return name.empty() ? "Nothing" : name;
}

} // namespace

class ParseAmount : public ::testing::TestWithParam<Example> {};

TEST_P(ParseAmount, givesTheAmountOfEveryNotation) {
    const Example &example = GetParam();
    const QString text = QString::fromUtf16(example.typed);
    EXPECT_EQ(Earnings::parseAmount(text), example.amount) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Examples, ParseAmount, ::testing::ValuesIn(examples), nameOf);

TEST(ParseAmountLimits, textsBeyondTheLargestDoubleGiveNoValue) {
    EXPECT_EQ(Earnings::parseAmount(QString(309, u'9')), std::nullopt);
    const auto large = Earnings::parseAmount(QString(308, u'9'));
    ASSERT_TRUE(large.has_value());
    EXPECT_TRUE(std::isfinite(*large));
}

TEST(ParseAmountLimits, roundsToTheNearestDouble) {
    EXPECT_EQ(Earnings::parseAmount(QStringLiteral("0,1")), 0.1);
    EXPECT_EQ(Earnings::parseAmount(QStringLiteral("9007199254740993")), 9007199254740992.0);
}

TEST(ParseAmountLimits, doesNotDependOnTheProcessLocale) {
    const LocaleEnvironment german("de_DE.UTF-8");
    if (!german.active())
        GTEST_SKIP() << "no de_DE locale could be made here";
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
    for (const Example &example : examples)
        EXPECT_EQ(Earnings::parseAmount(QString::fromUtf16(example.typed)), example.amount);
}

// Properties any correct parser keeps, on random texts from a fixed seed.
TEST(ParseAmountProperties, holdOnRandomTexts) {
    std::mt19937 random(20261206);
    const QString alphabet = QStringLiteral("0123456789.,");
    const QString whitespace = QStringLiteral(" \t\u00A0\u2003\u3000"); // line breaks: at the ends
    const QString strangers = QStringLiteral("-+e$'_a\u0661\uFF10\u0301");
    auto pick = [&](const QString &from) {
        return from[std::uniform_int_distribution<qsizetype>(0, from.size() - 1)(random)];
    };
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = std::uniform_int_distribution<int>(1, 12)(random);
        for (int i = 0; i < length; ++i)
            text += pick(alphabet);
        const auto amount = Earnings::parseAmount(text);
        if (amount) {
            EXPECT_TRUE(std::isfinite(*amount));
            EXPECT_GT(*amount, 0);
        }

        QString spaced = text;
        spaced.insert(std::uniform_int_distribution<qsizetype>(0, spaced.size())(random),
                      pick(whitespace));
        EXPECT_EQ(Earnings::parseAmount(spaced), amount) << spaced.toStdString();
        EXPECT_EQ(Earnings::parseAmount(u'\n' + spaced + QStringLiteral("\r\n")), amount);

        QString spoiled = text;
        spoiled.insert(std::uniform_int_distribution<qsizetype>(0, spoiled.size())(random),
                       pick(strangers));
        EXPECT_EQ(Earnings::parseAmount(spoiled), std::nullopt) << spoiled.toStdString();
    }
}
