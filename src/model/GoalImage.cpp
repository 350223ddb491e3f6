#include "GoalImage.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>

#include <algorithm>

namespace {

// A 8000 x 8000 photo decodes within this; a "decompression bomb" whose
// header claims far more is refused before anything is allocated.
constexpr int allocationLimitMegabytes = 256;

bool withinLimit(QSize size) {
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return bytes <= qint64(allocationLimitMegabytes) * 1024 * 1024;
}

// Stored thumbnails are 128 x 128; bytes that claim far more came from
// somewhere else and are refused before anything is decoded.
constexpr int storedSideLimit = 512;
constexpr int storedAllocationLimitMegabytes = 2; // 512 x 512 x 4 bytes, twice

// Formats that can decode at a reduced size (JPEG) are read at twice the
// thumbnail's side, which keeps the scaling smooth and lets a photo of any
// size through the allowance.
void readSmallWhenPossible(QImageReader &reader) {
    const QSize size = reader.size();
    const int shortSide = std::min(size.width(), size.height());
    constexpr int wanted = 2 * GoalImage::thumbnailSide;
    if (!size.isValid() || shortSide <= wanted ||
        !reader.supportsOption(QImageIOHandler::ScaledSize))
        return;
    reader.setScaledSize(size.scaled(QSize(wanted, wanted), Qt::KeepAspectRatioByExpanding));
}

QImage read(QImageReader &reader, int limitMegabytes = allocationLimitMegabytes) {
    reader.setAllocationLimit(limitMegabytes);
    reader.setAutoTransform(true); // EXIF orientation: photos come out upright
    if (!reader.canRead())
        return QImage();
    readSmallWhenPossible(reader);
    const QSize size = reader.scaledSize().isValid() ? reader.scaledSize() : reader.size();
    if (size.isValid() && !withinLimit(size))
        return QImage();
    return reader.read(); // the first frame of an animation
}

} // namespace

namespace GoalImage {

std::optional<QByteArray> thumbnailData(const QString &path) {
    QImageReader reader(path);
    const QImage image = read(reader);
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return std::nullopt;

    const int side = std::min(image.width(), image.height());
    const QImage square =
        image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .copy((image.width() - side) / 2, (image.height() - side) / 2, side, side);
    // Premultiplied scaling keeps transparent edges from bleeding colour;
    // straight ARGB32 makes the PNG an 8-bit RGBA one.
    const QImage scaled =
        square.scaled(thumbnailSide, thumbnailSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    if (scaled.size() != QSize(thumbnailSide, thumbnailSide))
        return std::nullopt;
    // Only the pixels, in sRGB: a copy of the bits leaves the source's colour
    // profile and text (comments, dates, camera notes) behind.
    QImage srgb = scaled;
    if (srgb.colorSpace().isValid() && srgb.colorSpace() != QColorSpace::SRgb)
        srgb.convertToColorSpace(QColorSpace::SRgb);
    const QImage thumbnail =
        QImage(srgb.constBits(), srgb.width(), srgb.height(), srgb.bytesPerLine(), srgb.format())
            .copy();

    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !thumbnail.save(&buffer, "PNG"))
        return std::nullopt;
    return png;
}

QImage decode(const QByteArray &bytes) {
    // Every change of any setting asks again; the bytes rarely change.
    static QByteArray lastBytes;
    static QImage lastImage;
    if (bytes.isEmpty())
        return QImage();
    if (bytes == lastBytes)
        return lastImage;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize declared = reader.size();
    const bool plausible = declared.isValid() && declared.width() <= storedSideLimit &&
                           declared.height() <= storedSideLimit;
    // Formats may declare one size and decode another (a GIF's frames), so the
    // decoder gets a thumbnail's allowance too, and the result is checked.
    lastImage = plausible ? read(reader, storedAllocationLimitMegabytes) : QImage();
    if (lastImage.width() > storedSideLimit || lastImage.height() > storedSideLimit)
        lastImage = QImage();
    lastBytes = bytes;
    return lastImage;
}

} // namespace GoalImage
