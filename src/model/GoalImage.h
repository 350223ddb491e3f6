#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// The goal's picture: a 128 x 128 RGBA PNG thumbnail made from the user's file.
namespace GoalImage {

inline constexpr int thumbnailSide = 128;

// The centred square of the image at `path`, scaled to 128 x 128 and encoded
// as PNG; no value when anything fails (not an image, truncated, a directory,
// unreadable, or larger than decoding allows).
std::optional<QByteArray> thumbnailData(const QString &path);

// Stored thumbnail bytes decoded for showing; a null image when they do not
// decode or declare more than a thumbnail's size (up to 512 x 512 is taken).
// The last bytes decoded are remembered: asking again costs a comparison.
QImage decode(const QByteArray &bytes);

} // namespace GoalImage
