#pragma once

#include <QStringView>

#include <array>
#include <optional>

// Which of a cell's seven segments each digit lights, in the order
// a (top), b (upper right), c (lower right), d (bottom), e (lower left),
// f (upper left), g (middle).
namespace SegmentFont {

using Segments = std::array<bool, 7>;

// The segments of one user-perceived character; no value for anything but the
// ten ASCII digits and the dash (the middle segment alone).
std::optional<Segments> litSegments(QStringView character);

} // namespace SegmentFont
