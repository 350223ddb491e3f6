#pragma once

#include "DisplayGeometry.h"
#include "GlyphSprite.h"
#include "SegmentFont.h"

#include <QAccessible>
#include <QColor>
#include <QHash>
#include <QPainterPath>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

// One line of text as glowing LED digits: lit segments in the colour, unlit
// ones as faint ghosts, the last digits optionally dimmed, and a label in
// ordinary type on the digits' baseline. It takes whatever space it is given,
// on the panel's background, and repaints only what one of its inputs changes. Its accessible name
// (the label, a space, the text) follows the text while assistive technology listens, and is
// brought up to date when it starts to.
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
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void inputsChanged();
    // Paints `changed` into the window's backing store and flushes it; false
    // when the window cannot take it now.
    bool paintStraightIntoWindow(const QRegion &changed);
    void paintRegion(QPainter &painter, const QRegion &region);
    void nameForAccessibility();
    void accessibilityActiveChanged(bool active) override;
    // Paints the glyphs that reach into `area`.
    void paintLayout(QPainter &painter, const DisplayGeometry &g, const QRectF &area);
    // The glyph, where its image goes and the digit cell it shows (none for
    // marks and the label).
    using GlyphVisit =
        std::function<void(const GlyphSprite &, QPointF, const DisplayGeometry::Cell *)>;
    // Visits the glyphs whose images reach into `area`, placed for `ratio`.
    void forEachGlyph(const DisplayGeometry &g, double ratio, const QRectF &area,
                      const GlyphVisit &visit);
    // Paints `area` by copying when a single digit's image reaches into it;
    // false when it cannot.
    bool copyLoneDigit(QPainter &painter, const DisplayGeometry &g, const QRect &area);
    // A digit's image laid over the panel's background with `laidMargin` of
    // background around it, at the sprites' pixel ratio.
    const QImage &laidDigit(QChar digit, bool dimmed);
    static constexpr double laidMargin = 3;
    QRectF changedArea(const DisplayGeometry &before, const DisplayGeometry &after) const;
    // Takes `text` when it differs only in digits, adding their cells to
    // `changed`; false when the layout must be worked out again.
    bool changeDigitsInPlace(const QString &text, QRegion &changed);
    // What a cell's glyph covers, its glow included.
    static QRectF cellArea(const DisplayGeometry &g, const DisplayGeometry::Cell &cell);
    void forgetSprites();
    // Forgets the glyphs made for another size or pixel ratio.
    void useSpritesFor(double unit, double ratio);
    const GlyphSprite &sprite(const QString &key,
                              const std::function<GlyphSprite::Layers()> &layers);
    const GlyphSprite &cellSprite(QChar digit, bool dimmed);
    static GlyphSprite::Layers cellLayers(QChar digit, bool dimmed, double unit);

    QString text_;
    QColor color_ = Qt::green;
    QString prefix_;
    qint64 dimmedTrailingDigits_ = 0;
    QString spokenName_;
    bool listening_ = false;      // assistive technology is
    bool paintedAsShown_ = false; // by Qt, since it was last shown or resized

    // The label at size 100 with its baseline at the origin, and its advance.
    QPainterPath labelPath_;
    double labelAdvance_ = 0;

    // Finished glyphs, reused for as long as size, colour and pixel ratio stay
    // the same: a tick only places them. The ten digits lit, then dimmed,
    // by digit; anything else (the dash, two marks, the label) by name.
    std::array<GlyphSprite, 20> digitSprites_;
    std::array<QImage, 20> laidDigits_; // the same laid over the background, by the same index
    QHash<QString, GlyphSprite> sprites_;

    // The layout of the current inputs at the widget's size, kept between a
    // tick's text change and its paint.
    const DisplayGeometry &currentLayout();
    std::optional<DisplayGeometry> layout_;
    QSize layoutSize_;
    double spriteUnit_ = 0;
    double spriteRatio_ = 0;
};
