#pragma once

#include "DisplayGeometry.h"
#include "GlyphSprite.h"
#include "SegmentFont.h"

#include <QAccessible>
#include <QColor>
#include <QHash>
#include <QPainterPath>
#include <QWidget>

#include <functional>
#include <optional>

// One line of text as glowing LED digits: lit segments in the colour, unlit
// ones as faint ghosts, the last digits optionally dimmed, and a label in
// ordinary type on the digits' baseline. It takes whatever space it is given
// and repaints only when one of its inputs changes. Its accessible name (the
// label, a space, the text) follows the text while assistive technology
// listens, and is brought up to date when it starts to.
class SevenSegmentDisplay : public QWidget, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    explicit SevenSegmentDisplay(QWidget *parent = nullptr);
    ~SevenSegmentDisplay() override;

    static std::optional<SegmentFont::Segments> litSegments(QStringView character) {
        return SegmentFont::litSegments(character);
    }

    QString text() const { return text_; }
    QColor color() const { return color_; }
    QString prefix() const { return prefix_; }
    qint64 dimmedTrailingDigits() const { return dimmedTrailingDigits_; }

    void setText(const QString &text);
    void setColor(const QColor &color);
    void setPrefix(const QString &prefix);
    void setDimmedTrailingDigits(qint64 count);
    // What assistive technology reads instead of the label and text (empty:
    // read those), for a text that means nothing spoken, such as dashes.
    void setSpokenName(const QString &name);

    // Where everything goes on a canvas of `size`.
    DisplayGeometry layoutFor(QSizeF size) const;

    // Paints onto any painter (the widget, an image for tests and tools).
    void paint(QPainter &painter, QSizeF size);

    QSize sizeHint() const override { return QSize(); }
    QSize minimumSizeHint() const override { return QSize(0, 0); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void inputsChanged();
    void nameForAccessibility();
    void accessibilityActiveChanged(bool active) override;
    void paintLayout(QPainter &painter, const DisplayGeometry &g);
    QRect changedArea(const DisplayGeometry &before, const DisplayGeometry &after) const;
    const GlyphSprite &sprite(const QString &key, double unit, double ratio,
                              const std::function<GlyphSprite::Layers()> &layers);
    static GlyphSprite::Layers cellLayers(const DisplayGeometry::Cell &cell, double unit);

    QString text_;
    QColor color_ = Qt::green;
    QString prefix_;
    qint64 dimmedTrailingDigits_ = 0;
    QString spokenName_;
    bool listening_ = false; // assistive technology is

    // The label at size 100 with its baseline at the origin, and its advance.
    QPainterPath labelPath_;
    double labelAdvance_ = 0;

    // Finished glyphs, reused for as long as size, colour and pixel ratio stay
    // the same: a tick only places them. At most 25 (ten digits and the
    // dash, lit or dimmed, two marks, the label).
    QHash<QString, GlyphSprite> sprites_;

    // The layout of the current inputs at the widget's size, kept between a
    // tick's text change and its paint.
    const DisplayGeometry &currentLayout();
    std::optional<DisplayGeometry> layout_;
    QSize layoutSize_;
    double spriteUnit_ = 0;
    double spriteRatio_ = 0;
};
