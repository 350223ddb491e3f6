#include "Earnings.h"
#include "Graphemes.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <charconv>
#include <string>

namespace {

bool isWhitespaceCluster(QStringView cluster) {
    return u_hasBinaryProperty(static_cast<UChar32>(Graphemes::firstCodePoint(cluster)),
                               UCHAR_WHITE_SPACE);
}

bool isLineBreakCluster(QStringView cluster) {
    switch (u_getIntPropertyValue(static_cast<UChar32>(Graphemes::firstCodePoint(cluster)),
                                  UCHAR_LINE_BREAK)) {
    case U_LB_MANDATORY_BREAK:
    case U_LB_CARRIAGE_RETURN:
    case U_LB_LINE_FEED:
    case U_LB_NEXT_LINE:
        return true;
    default:
        return false;
    }
}

bool isAllowed(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u',';
}

bool isSeparator(char c) {
    return c == '.' || c == ',';
}

// Drops whitespace characters, then accepts only digits and the two
// separators, each a character of its own. Empty on any other character,
// and when a line break stands inside the number: two pasted lines are two
// amounts, not one.
std::optional<std::string> cleaned(const QString &text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    bool brokenAfterContent = false;
    for (QStringView cluster : Graphemes::split(text)) {
        if (isWhitespaceCluster(cluster)) {
            brokenAfterContent =
                brokenAfterContent || (!result.empty() && isLineBreakCluster(cluster));
            continue;
        }
        if (brokenAfterContent || cluster.size() != 1 || !isAllowed(cluster[0].unicode()))
            return std::nullopt;
        result.push_back(static_cast<char>(cluster[0].unicode()));
    }
    return result;
}

// Decides which separator, if any, is the decimal one and builds a
// plain number text with at most one full stop.
std::string numberText(const std::string &clean) {
    const std::size_t lastPosition = clean.find_last_of(".,");
    if (lastPosition == std::string::npos)
        return clean;
    const char last = clean[lastPosition];
    const auto separators = std::count_if(clean.begin(), clean.end(), isSeparator);
    const auto occurrences = std::count(clean.begin(), clean.end(), last);
    const std::size_t lastPartLength = clean.size() - lastPosition - 1;
    const bool decimal = separators >= 2 ? occurrences == 1 : lastPartLength != 3;

    std::string digits;
    digits.reserve(clean.size());
    for (std::size_t i = 0; i < clean.size(); ++i) {
        if (decimal && i == lastPosition)
            digits.push_back('.');
        else if (!isSeparator(clean[i]))
            digits.push_back(clean[i]);
    }
    return digits;
}

} // namespace

namespace Earnings {

std::optional<double> parseAmount(const QString &text) {
    const std::optional<std::string> clean = cleaned(text);
    if (!clean || clean->empty())
        return std::nullopt;
    const std::string number = numberText(*clean);
    // from_chars follows the C locale's strtod grammar whatever the process
    // locale is, and rounds to nearest. Out of range (beyond the largest
    // finite double) is no value rather than infinity.
    double value = 0;
    const char *end = number.data() + number.size();
    const auto [pointer, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc() || pointer != end || !(value > 0))
        return std::nullopt;
    return value;
}

} // namespace Earnings
