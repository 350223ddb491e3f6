#include "GoalImage.h"
#include "ImageBytes.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <zlib.h>

namespace {

class Files {
public:
    QString write(const QString &name, const QByteArray &content) const {
        QFile file(dir_.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return file.fileName();
    }
    QString save(const QString &name, const QImage &image, const char *format) const {
        const QString path = dir_.filePath(name);
        image.save(path, format);
        return path;
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

QImage decoded(const std::optional<QByteArray> &png) {
    return png ? QImage::fromData(*png, "PNG") : QImage();
}

// A PNG chunk with its length and CRC, as the format defines it.
QByteArray chunk(const char *type, const QByteArray &data) {
    QByteArray out(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), out.data());
    const QByteArray body = QByteArray(type, 4) + data;
    out += body;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
        crc.data());
    return out + crc;
}

QByteArray pngClaiming(quint32 width, quint32 height) {
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 6; // RGBA
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
           chunk("IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8)) +
           chunk("IEND", QByteArray());
}

// A JPEG whose EXIF says "rotate 90 degrees clockwise to show".
QByteArray jpegWithOrientation6(const QImage &stored) {
    const QByteArray jpeg = encoded(stored, "JPEG", 95);
    const QByteArray tiff("MM\0\x2a\0\0\0\x08"
                          "\0\x01"                             // one entry
                          "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0" // Orientation, SHORT, 1, 6
                          "\0\0\0\0",
                          26);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    QByteArray length(2, '\0');
    qToBigEndian<quint16>(quint16(payload.size() + 2), length.data());
    segment += length + payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

} // namespace

TEST(GoalImage, cropsTheCentredSquareOfAWideImage) {
    QImage wide(400, 200, QImage::Format_RGB32);
    QPainter painter(&wide);
    painter.fillRect(0, 0, 100, 200, Qt::red);
    painter.fillRect(100, 0, 200, 200, Qt::green);
    painter.fillRect(300, 0, 100, 200, Qt::blue);
    painter.end();
    const Files files;
    const auto png = GoalImage::thumbnailData(files.save("wide.png", wide, "PNG"));
    const QImage thumbnail = decoded(png);
    ASSERT_EQ(thumbnail.size(), QSize(128, 128));
    for (int x : {0, 64, 127})
        for (int y : {0, 64, 127})
            EXPECT_EQ(thumbnail.pixel(x, y), qRgb(0, 255, 0)) << x << "," << y;
    // An RGBA PNG: colour type 6 at byte 25 of the file.
    EXPECT_EQ(png->at(25), 6);
}

TEST(GoalImage, scalesSmallImagesUpAndKeepsTransparency) {
    QImage small(64, 64, QImage::Format_ARGB32);
    small.fill(Qt::transparent);
    QPainter(&small).fillRect(0, 0, 32, 64, QColor(255, 200, 0));
    const Files files;
    const QImage thumbnail = decoded(GoalImage::thumbnailData(files.save("s.png", small, "PNG")));
    ASSERT_EQ(thumbnail.size(), QSize(128, 128));
    EXPECT_EQ(qAlpha(thumbnail.pixel(120, 64)), 0);
    EXPECT_EQ(thumbnail.pixel(10, 64), qRgba(255, 200, 0, 255));
}

TEST(GoalImage, refusesWhatIsNotAReadableImage) {
    const Files files;
    QImage photo(300, 300, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    const QByteArray png = encoded(photo);

    const QString paths[] = {
        files.write("notes.txt", "just some words\n"),
        files.write("truncated.png", png.left(png.size() / 3)),
        files.write("empty.png", QByteArray()),
        files.path() + QStringLiteral("/missing.png"),
    };
    for (const QString &path : paths)
        EXPECT_EQ(GoalImage::thumbnailData(path), std::nullopt) << path.toStdString();
}

TEST(GoalImage, refusesADecompressionBombWithoutAllocatingIt) {
    const Files files;
    EXPECT_EQ(GoalImage::thumbnailData(files.write("bomb.png", pngClaiming(60000, 60000))),
              std::nullopt);
}

TEST(GoalImage, readsAHugePhotoStraightAtAThumbnailsSize) {
    // 108 megapixels: decoded whole it would take 432 MB, past the allowance.
    QImage photo(12000, 9000, QImage::Format_Grayscale8);
    photo.fill(255);
    QPainter(&photo).fillRect(0, 0, 1200, 9000, Qt::black); // outside the centred square
    const Files files;
    const QString path = files.save("phone.jpg", photo, "JPEG");
    photo = QImage();
    const QImage thumbnail = decoded(GoalImage::thumbnailData(path));
    ASSERT_EQ(thumbnail.size(), QSize(128, 128));
    EXPECT_GT(qGray(thumbnail.pixel(0, 64)), 240);
    EXPECT_GT(qGray(thumbnail.pixel(127, 64)), 240);
}

TEST(GoalImage, turnsExifRotatedPhotosUpright) {
    // Stored landscape, red on the left; shown rotated clockwise, red is on top.
    QImage stored(200, 100, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    QPainter(&stored).fillRect(0, 0, 100, 100, Qt::red);
    const Files files;
    const QImage thumbnail =
        decoded(GoalImage::thumbnailData(files.write("rotated.jpg", jpegWithOrientation6(stored))));
    ASSERT_EQ(thumbnail.size(), QSize(128, 128));
    // The centred square of the upright 100 x 200 picture: top half red, bottom half blue.
    EXPECT_GT(qRed(thumbnail.pixel(64, 5)), 200);
    EXPECT_LT(qBlue(thumbnail.pixel(64, 5)), 60);
    EXPECT_GT(qBlue(thumbnail.pixel(64, 122)), 200);
    EXPECT_LT(qRed(thumbnail.pixel(64, 122)), 60);
}

TEST(GoalImage, storesOnlyThePixelsInSrgb) {
    // A wide-gamut picture with a comment, as cameras and editors write them.
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(QColor(200, 40, 40));
    picture.setColorSpace(QColorSpace::DisplayP3);
    picture.setText(QStringLiteral("Comment"), QStringLiteral("taken at home"));
    const Files files;
    const std::optional<QByteArray> png =
        GoalImage::thumbnailData(files.save("wide.png", picture, "PNG"));
    ASSERT_TRUE(png.has_value());
    for (const char *type : {"iCCP", "sRGB", "gAMA", "cHRM", "tEXt", "zTXt", "iTXt"})
        EXPECT_FALSE(png->contains(type)) << type;
    // Display P3's red is redder than sRGB can say: converted, it stays red.
    EXPECT_GT(qRed(decoded(png).pixel(32, 32)), 200);
}

TEST(GoalImage, decodesStoredBytesOrGivesANullImage) {
    EXPECT_TRUE(GoalImage::decode(QByteArray()).isNull());
    EXPECT_TRUE(GoalImage::decode(QByteArray("garbage")).isNull());
    QImage thumbnail(128, 128, QImage::Format_ARGB32);
    thumbnail.fill(Qt::red);
    EXPECT_EQ(GoalImage::decode(encoded(thumbnail)).size(), QSize(128, 128));
}

TEST(GoalImage, refusesStoredBytesThatClaimMoreThanAThumbnail) {
    // A 29-byte GIF whose header claims 65281 x 1023: decoding it would take
    // a second and hundreds of megabytes at every change of any setting.
    const QByteArray gif =
        QByteArray("GIF89a\x01\xff\xff\x03\x00\x00\x00", 13) +
        QByteArray("\x2c\x00\x00\x00\x00\x01\xff\xff\x03\x00\x02\x02\x44\x01\x00\x3b", 16);
    EXPECT_TRUE(GoalImage::decode(gif).isNull());
    QImage large(600, 100, QImage::Format_ARGB32);
    large.fill(Qt::blue);
    EXPECT_TRUE(GoalImage::decode(encoded(large)).isNull());
}
