#include "SegmentFont.h"

namespace SegmentFont {

std::optional<Segments> litSegments(QStringView character) {
    //                                      a  b  c  d  e  f  g
    static constexpr std::array<Segments, 10> digits{{
        {1, 1, 1, 1, 1, 1, 0}, // 0
        {0, 1, 1, 0, 0, 0, 0}, // 1
        {1, 1, 0, 1, 1, 0, 1}, // 2
        {1, 1, 1, 1, 0, 0, 1}, // 3
        {0, 1, 1, 0, 0, 1, 1}, // 4
        {1, 0, 1, 1, 0, 1, 1}, // 5
        {1, 0, 1, 1, 1, 1, 1}, // 6 with its top bar
        {1, 1, 1, 0, 0, 0, 0}, // 7 without the upper left bar
        {1, 1, 1, 1, 1, 1, 1}, // 8
        {1, 1, 1, 1, 0, 1, 1}, // 9 with its bottom bar
    }};
    // A dash stands in every digit cell while the amount is hidden.
    if (character == u"-")
        return Segments{0, 0, 0, 0, 0, 0, 1};
    if (character.size() != 1 || character[0] < u'0' || character[0] > u'9')
        return std::nullopt;
    return digits[character[0].unicode() - u'0'];
}

} // namespace SegmentFont
