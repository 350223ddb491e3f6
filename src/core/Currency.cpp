#include "Currency.h"
#include "Graphemes.h"
#include "LocaleServices.h"

#include <unicode/normalizer2.h>

#include <algorithm>
#include <set>
#include <string>
#include <unordered_map>

namespace {

std::u32string normalisedCodePoints(const QString &text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return text.toStdU32String();
    const icu::UnicodeString source(reinterpret_cast<const char16_t *>(text.utf16()),
                                    static_cast<int32_t>(text.size()));
    const icu::UnicodeString normal = nfc->normalize(source, status);
    if (U_FAILURE(status))
        return text.toStdU32String();
    return QString(reinterpret_cast<const QChar *>(normal.getBuffer()), normal.length())
        .toStdU32String();
}

// Case and accents aside: "Réal" and "real" are one text.
QString folded(const QString &text) {
    QString decomposed = text.normalized(QString::NormalizationForm_D);
    decomposed.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return decomposed.toCaseFolded();
}

QString walkLocalesForSymbol(const QString &code) {
    QStringList symbols;
    for (const icu::Locale &locale : LocaleServices::availableLocales())
        if (LocaleServices::currencyOf(locale) == code)
            symbols.append(LocaleServices::currencySymbol(locale));
    return symbols.isEmpty() ? code : Currency::shortestSymbol(symbols);
}

} // namespace

namespace Currency {

const QString &defaultCode() {
    static const QString code = LocaleServices::currencyOf(LocaleServices::monetaryLocale())
                                    .value_or(QStringLiteral("USD"));
    return code;
}

const std::vector<Entry> &all() {
    static const std::vector<Entry> catalogue = [] {
        QStringList codes = LocaleServices::commonCurrencyCodes();
        codes.append(defaultCode());
        const std::set<QString> distinct(codes.begin(), codes.end());
        std::vector<Entry> entries;
        entries.reserve(distinct.size());
        for (const QString &code : distinct)
            entries.push_back({code, LocaleServices::currencyName(code).value_or(code)});
        std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
            return LocaleServices::compare(a.name, b.name) < 0;
        });
        return entries;
    }();
    return catalogue;
}

QString symbol(const QString &code) {
    // Filled on the user-interface thread only.
    static std::unordered_map<QString, QString> cache;
    if (const auto found = cache.find(code); found != cache.end())
        return found->second;
    const QString derived = walkLocalesForSymbol(code);
    cache.emplace(code, derived);
    return derived;
}

QString label(const QString &code, CurrencyStyle style) {
    if (code.isEmpty())
        return QString();
    return style == CurrencyStyle::code ? code : symbol(code);
}

std::optional<std::size_t> find(const QString &typed) {
    const QString query = folded(typed.trimmed());
    if (query.isEmpty())
        return std::nullopt;
    const std::vector<Entry> &entries = all();
    const auto first = [&](auto matches) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (matches(entries[i]))
                return i;
        return std::nullopt;
    };
    if (auto code = first([&](const Entry &e) { return folded(e.code) == query; }))
        return code;
    if (auto prefix = first([&](const Entry &e) { return folded(e.code).startsWith(query); }))
        return prefix;
    return first([&](const Entry &e) { return folded(e.name).contains(query); });
}

QString shortestSymbol(const QStringList &symbols) {
    QString best;
    qsizetype bestLength = 0;
    std::u32string bestKey;
    for (const QString &candidate : symbols) {
        const qsizetype length = Graphemes::count(candidate);
        std::u32string key = normalisedCodePoints(candidate);
        if (best.isNull() || length < bestLength || (length == bestLength && key < bestKey)) {
            best = candidate;
            bestLength = length;
            bestKey = std::move(key);
        }
    }
    return best;
}

} // namespace Currency
