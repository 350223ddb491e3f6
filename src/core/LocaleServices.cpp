#include "LocaleServices.h"

#include <QLocale>
#include <QRegularExpression>

#include <unicode/coll.h>
#include <unicode/numberformatter.h>
#include <unicode/ucurr.h>
#include <unicode/unum.h>

#include <memory>

namespace {

QString toQString(const icu::UnicodeString &text) {
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

QString toQString(const UChar *text, int32_t length) {
    return QString(reinterpret_cast<const QChar *>(text), length);
}

icu::UnicodeString toUnicode(const QString &text) {
    return icu::UnicodeString(reinterpret_cast<const char16_t *>(text.utf16()),
                              static_cast<int32_t>(text.size()));
}

icu::Locale systemLocale() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return icu::Locale("en_US_POSIX");
    return icu::Locale(system.name().toLatin1().constData());
}

icu::number::LocalizedNumberFormatter decimalFormatter(const icu::Locale &locale,
                                                       icu::number::Precision precision) {
    return icu::number::NumberFormatter::with()
        .grouping(UNUM_GROUPING_ON_ALIGNED)
        .precision(precision)
        .roundingMode(UNUM_ROUND_HALFEVEN)
        .locale(locale);
}

QString format(const icu::number::LocalizedNumberFormatter &formatter, double amount) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = formatter.formatDouble(amount, status).toString(status);
    return U_SUCCESS(status) ? toQString(text) : QString();
}

// The locale's collation at secondary strength, or nothing when that still
// tells capitals from small letters.
std::unique_ptr<icu::Collator> caseBlindCollator(const icu::Locale &locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status))
        return nullptr;
    collator->setStrength(icu::Collator::SECONDARY);
    const UCollationResult sameLetter =
        collator->compare(icu::UnicodeString(u"Ca"), icu::UnicodeString(u"cA"), status);
    const UCollationResult lettersFirst =
        collator->compare(icu::UnicodeString(u"Cb"), icu::UnicodeString(u"ca"), status);
    if (U_FAILURE(status) || sameLetter != UCOL_EQUAL || lettersFirst != UCOL_GREATER)
        return nullptr;
    return collator;
}

} // namespace

const icu::Locale &LocaleServices::currentLocale() {
    static const icu::Locale locale = systemLocale();
    return locale;
}

icu::Locale LocaleServices::monetaryLocale() {
    for (const char *variable : {"LC_ALL", "LC_MONETARY", "LANG"}) {
        QByteArray name = qgetenv(variable);
        if (name.isEmpty())
            continue;
        for (char stop : {'.', '@'})
            if (const qsizetype at = name.indexOf(stop); at >= 0)
                name.truncate(at);
        if (name == "C" || name == "POSIX")
            return icu::Locale("en_US_POSIX");
        return icu::Locale(name.constData());
    }
    return currentLocale();
}

std::optional<QString> LocaleServices::currencyOf(const icu::Locale &locale) {
    UChar code[4] = {};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucurr_forLocale(locale.getName(), code, 4, &status);
    if (U_FAILURE(status) || length <= 0)
        return std::nullopt;
    return toQString(code, length);
}

QStringList LocaleServices::commonCurrencyCodes() {
    QStringList codes;
    UErrorCode status = U_ZERO_ERROR;
    UEnumeration *all = ucurr_openISOCurrencies(UCURR_COMMON | UCURR_NON_DEPRECATED, &status);
    if (U_FAILURE(status))
        return codes;
    int32_t length = 0;
    while (const UChar *code = uenum_unext(all, &length, &status)) {
        if (U_FAILURE(status))
            break;
        codes.append(toQString(code, length));
    }
    uenum_close(all);
    return codes;
}

std::optional<QString> LocaleServices::currencyName(const QString &code) {
    UErrorCode status = U_ZERO_ERROR;
    UBool isChoiceFormat = false;
    int32_t length = 0;
    const UChar *name =
        ucurr_getName(reinterpret_cast<const UChar *>(code.utf16()), currentLocale().getName(),
                      UCURR_LONG_NAME, &isChoiceFormat, &length, &status);
    if (U_FAILURE(status) || name == nullptr)
        return std::nullopt;
    const QString text = toQString(name, length);
    // ICU answers with the code itself when it knows no name.
    if (text == code)
        return std::nullopt;
    return text;
}

std::span<const icu::Locale> LocaleServices::availableLocales() {
    int32_t count = 0;
    const icu::Locale *locales = icu::Locale::getAvailableLocales(count);
    return {locales, static_cast<std::size_t>(count)};
}

QString LocaleServices::currencySymbol(const icu::Locale &locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UNumberFormat, decltype(&unum_close)> formatter(
        unum_open(UNUM_CURRENCY, nullptr, 0, locale.getName(), nullptr, &status), &unum_close);
    if (U_FAILURE(status))
        return QString();
    UChar symbol[32];
    const int32_t length =
        unum_getSymbol(formatter.get(), UNUM_CURRENCY_SYMBOL, symbol, 32, &status);
    return U_SUCCESS(status) ? toQString(symbol, length) : QString();
}

int LocaleServices::compare(const QString &a, const QString &b) {
    static const std::unique_ptr<icu::Collator> collator = [] {
        std::unique_ptr<icu::Collator> created = caseBlindCollator(currentLocale());
        // Some tailorings order by case before letters (en_US_POSIX puts every
        // capital before every small letter); the root order then stands in.
        if (!created)
            created = caseBlindCollator(icu::Locale::getRoot());
        return created;
    }();
    if (!collator)
        return QString::compare(a, b, Qt::CaseInsensitive);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult order = collator->compare(toUnicode(a), toUnicode(b), status);
    if (U_FAILURE(status))
        return QString::compare(a, b, Qt::CaseInsensitive);
    return order;
}

QString LocaleServices::formatCounterAmount(double amount) {
    static const icu::number::LocalizedNumberFormatter formatter = [] {
        icu::Locale latin = currentLocale();
        UErrorCode status = U_ZERO_ERROR;
        latin.setKeywordValue("numbers", "latn", status);
        // The segments only have ASCII digits; the root locale writes them.
        if (U_FAILURE(status))
            latin = icu::Locale::getRoot();
        return decimalFormatter(latin, icu::number::Precision::fixedFraction(4));
    }();
    return format(formatter, amount);
}

QString LocaleServices::formatGoalAmount(double amount) {
    static const icu::number::LocalizedNumberFormatter formatter =
        decimalFormatter(currentLocale(), icu::number::Precision::maxFraction(2));
    return format(formatter, amount);
}

namespace {

icu::Locale &textLocale() {
    static icu::Locale locale("en");
    return locale;
}

} // namespace

void LocaleServices::setTextLanguage(const QString &name) {
    textLocale() = icu::Locale(name.isEmpty() ? "en" : name.toLatin1().constData());
}

QString LocaleServices::formatInWords(double number) {
    return format(icu::number::NumberFormatter::with()
                      .notation(icu::number::Notation::compactLong())
                      .locale(textLocale()),
                  number);
}

QString LocaleServices::minutesTimeFormat() {
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[:.]?s+")));
    return format;
}
