#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>

// One glyph of the display (a digit cell, a mark or the label) painted once
// into an image with its glow, so that a tick only places finished images.
// Glows never reach a neighbouring glyph (the 0.2 u gap is wider than the
// glow), so placing glyphs one by one paints the same as drawing all at once.
struct GlyphSprite {
    struct Layers {
        QPainterPath unlit;  // ghosts, no glow
        QPainterPath dimmed; // half opacity, no glow
        QPainterPath lit;    // full colour over its glow
    };

    QImage image;   // premultiplied, at the device pixel ratio it was made for
    QPointF offset; // where the image's top-left goes relative to the glyph's origin

    // How far the glow of a shape reaches beyond it.
    static double glowReach(double glowRadius);

    // `layers` are in logical coordinates around the glyph's origin; the glow
    // is a Gaussian-like blur of `glowRadius` in `color` at 55 % opacity.
    static GlyphSprite render(const Layers &layers, const QColor &color, double glowRadius,
                              double devicePixelRatio);
};
