#include "Graphemes.h"

#include <unicode/brkiter.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

// Creating a break iterator costs far more than using one, so each thread
// keeps its own and only points it at new text.
icu::BreakIterator *characterIterator() {
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return iterator.get();
}

bool isAscii(QStringView text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

namespace Graphemes {

std::vector<QStringView> split(QStringView text) {
    std::vector<QStringView> clusters;
    // Printable ASCII never combines; CR LF is the only multi-unit ASCII cluster.
    if (isAscii(text)) {
        clusters.reserve(static_cast<std::size_t>(text.size()));
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool crlf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
            clusters.push_back(text.mid(i, crlf ? 2 : 1));
            i += crlf ? 1 : 0;
        }
        return clusters;
    }
    icu::BreakIterator *iterator = characterIterator();
    if (iterator == nullptr) {
        for (qsizetype i = 0; i < text.size(); ++i)
            clusters.push_back(text.mid(i, 1));
        return clusters;
    }
    // Read-only alias: no copy of the text.
    const icu::UnicodeString alias(false, reinterpret_cast<const char16_t *>(text.utf16()),
                                   static_cast<int32_t>(text.size()));
    iterator->setText(alias);
    int32_t start = iterator->first();
    for (int32_t end = iterator->next(); end != icu::BreakIterator::DONE;
         start = end, end = iterator->next())
        clusters.push_back(text.mid(start, end - start));
    return clusters;
}

qsizetype count(QStringView text) {
    return static_cast<qsizetype>(split(text).size());
}

QString last(QStringView text) {
    const auto clusters = split(text);
    return clusters.empty() ? QString() : clusters.back().toString();
}

char32_t firstCodePoint(QStringView cluster) {
    return cluster.size() > 1 && cluster[0].isHighSurrogate()
               ? QChar::surrogateToUcs4(cluster[0], cluster[1])
               : cluster[0].unicode();
}

} // namespace Graphemes
