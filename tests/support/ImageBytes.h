#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// An image encoded in memory, as a file or the store would hold it.
inline QByteArray encoded(const QImage &image, const char *format = "PNG", int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}
