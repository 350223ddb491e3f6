#pragma once

#include "CurrencyStyle.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The currency catalogue and labels. A currency is its ISO 4217 code text.
namespace Currency {

struct Entry {
    QString code;
    QString name;
};

// The current locale's currency, or "USD".
const QString &defaultCode();

// Every common currency plus the default one, once each, sorted by name
// without regard to case.
const std::vector<Entry> &all();

// The shortest symbol the locales using `code` write for it; the code itself
// when no locale uses it. Cached per code for the life of the process.
QString symbol(const QString &code);

QString label(const QString &code, CurrencyStyle style);

// Where in all() a typed search points: the currency whose code is typed,
// else the first whose code starts with it, else the first whose name holds
// it anywhere; case and accents aside. No value when none matches.
std::optional<std::size_t> find(const QString &typed);

// The shortest text in user-perceived characters; among equals, the first in
// code point order of the NFC forms. Independent of the order of `symbols`.
QString shortestSymbol(const QStringList &symbols);

} // namespace Currency
