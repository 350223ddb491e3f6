#pragma once

#include <QString>
#include <QStringList>

#include <unicode/locid.h>

#include <optional>
#include <span>

// Every question the widget asks of locale data, answered from ICU so that
// all answers come from one consistent data set.
class LocaleServices {
public:
    // The desktop's locale (LC_ALL, LC_NUMERIC, LANG as Qt reads them); the C
    // and POSIX locales mean en_US_POSIX. Fixed on first use for the process.
    static const icu::Locale &currentLocale();

    // The locale money is counted in: LC_ALL, else LC_MONETARY, else LANG, as
    // the C library reads them ("de_DE.UTF-8@euro" is de_DE); the current
    // locale when none is set. Read afresh on each call.
    static icu::Locale monetaryLocale();

    // The ISO 4217 code of the locale's currency, or no value.
    static std::optional<QString> currencyOf(const icu::Locale &locale);

    static QStringList commonCurrencyCodes();

    // The currency's name in the current locale, or no value when ICU has none.
    static std::optional<QString> currencyName(const QString &code);

    static std::span<const icu::Locale> availableLocales();

    // The symbol a currency formatter for `locale` writes for its currency.
    static QString currencySymbol(const icu::Locale &locale);

    // Case-insensitive, locale-aware comparison: negative, zero or positive.
    static int compare(const QString &a, const QString &b);

    // The counter's amount: grouping, exactly four fraction digits, half-even,
    // always in Latin digits (the segment display has no others).
    static QString formatCounterAmount(double amount);

    // The goal's amount: grouping, at most two fraction digits, half-even, in
    // the locale's own digits.
    static QString formatGoalAmount(double amount);
    // The language Paytick's texts are shown in ("de", "pt_BR"; empty:
    // English), for numbers said in words within them.
    static void setTextLanguage(const QString &name);
    // A round number in words of the texts' language, so that it reads as
    // part of them: "10 billion", "10 Milliarden", "100億".
    static QString formatInWords(double number);
    // The locale's short time format, to the minute (no seconds).
    static QString minutesTimeFormat();
};
