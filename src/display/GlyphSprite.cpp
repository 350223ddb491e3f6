#include "GlyphSprite.h"

#include "Theme.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One pass of a box blur of half-width r along rows (a step of one pixel) or
// columns (a step of one line).
void boxPass(uchar *data, int length, int lines, qsizetype lineStride, qsizetype step, int r,
             std::vector<uchar> &scratch) {
    const int width = 2 * r + 1;
    scratch.resize(static_cast<std::size_t>(length));
    for (int line = 0; line < lines; ++line) {
        uchar *pixels = data + line * lineStride;
        int sum = 0;
        for (int i = 0; i <= std::min(r, length - 1); ++i)
            sum += pixels[i * step];
        for (int i = 0; i < length; ++i) {
            scratch[static_cast<std::size_t>(i)] = static_cast<uchar>((sum + width / 2) / width);
            if (i + r + 1 < length)
                sum += pixels[(i + r + 1) * step];
            if (i - r >= 0)
                sum -= pixels[(i - r) * step];
        }
        for (int i = 0; i < length; ++i)
            pixels[i * step] = scratch[static_cast<std::size_t>(i)];
    }
}

// Three box passes each way approximate a Gaussian of standard deviation sigma.
void blurAlpha(QImage &alpha, double sigma) {
    const int r =
        std::max(1, static_cast<int>(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2)));
    std::vector<uchar> scratch;
    uchar *bits = alpha.bits();
    const qsizetype stride = alpha.bytesPerLine();
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(bits, alpha.width(), alpha.height(), stride, 1, r, scratch);
        boxPass(bits, alpha.height(), alpha.width(), 1, stride, r, scratch);
    }
}

// The glow of `shape`: its blurred coverage, tinted.
QImage glow(const QPainterPath &shape, QRectF area, QSize pixels, double sigma, const QColor &color,
            double ratio) {
    QImage mask(pixels, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(ratio, ratio);
        painter.translate(-area.topLeft());
        painter.fillPath(shape, Qt::black);
    }
    blurAlpha(mask, sigma * ratio);

    QImage tinted(pixels, QImage::Format_ARGB32_Premultiplied);
    const QRgb premultiplied = qPremultiply(color.rgba());
    const auto scaled = [](int channel, uint k) {
        return static_cast<int>((channel * k + 127) / 255);
    };
    for (int y = 0; y < pixels.height(); ++y) {
        const uchar *coverage = mask.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(tinted.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const uint k = coverage[x];
            out[x] = qRgba(scaled(qRed(premultiplied), k), scaled(qGreen(premultiplied), k),
                           scaled(qBlue(premultiplied), k), scaled(qAlpha(premultiplied), k));
        }
    }
    return tinted;
}

QColor withOpacity(QColor color, double opacity) {
    color.setAlphaF(static_cast<float>(color.alphaF() * opacity));
    return color;
}

} // namespace

double GlyphSprite::glowReach(double glowRadius) {
    // A shadow radius reads as about two standard deviations; three of those
    // hold all the visible light.
    return std::ceil(3 * glowRadius / 2 + 1);
}

GlyphSprite GlyphSprite::render(const Layers &layers, const QColor &color, double glowRadius,
                                double ratio) {
    const double sigma = glowRadius / 2;
    // Only lit shapes glow; a glyph without them needs no room for it.
    const double pad = layers.lit.isEmpty() ? 0 : glowReach(glowRadius);
    const QRectF shapes =
        layers.unlit.boundingRect() | layers.dimmed.boundingRect() | layers.lit.boundingRect();
    const QRectF area(std::floor(shapes.left()) - pad, std::floor(shapes.top()) - pad,
                      std::ceil(shapes.width()) + 2 * pad + 1,
                      std::ceil(shapes.height()) + 2 * pad + 1);
    const QSize pixels = (area.size() * ratio).toSize();

    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(ratio, ratio);
    painter.translate(-area.topLeft());
    painter.fillPath(layers.unlit, Theme::segmentOff());
    painter.fillPath(layers.dimmed, withOpacity(color, 0.5));
    if (!layers.lit.isEmpty()) {
        painter.save();
        painter.resetTransform();
        painter.drawImage(0, 0,
                          glow(layers.lit, area, pixels, sigma, withOpacity(color, 0.55), ratio));
        painter.restore();
        painter.fillPath(layers.lit, color);
    }
    painter.end();
    image.setDevicePixelRatio(ratio);
    return {image, area.topLeft()};
}
