#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// User-perceived characters (extended grapheme clusters) as ICU defines them.
namespace Graphemes {

// The clusters of `text`, as views into it, in order.
std::vector<QStringView> split(QStringView text);

qsizetype count(QStringView text);

// The last cluster of `text`, or an empty text when `text` is empty.
QString last(QStringView text);

// The code point a cluster starts with, for asking ICU about its properties;
// `cluster` must not be empty.
char32_t firstCodePoint(QStringView cluster);

} // namespace Graphemes
