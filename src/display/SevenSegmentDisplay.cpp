#include "SevenSegmentDisplay.h"

#include "Theme.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QBackingStore>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <cmath>

namespace {

QFont labelFont() {
    QFont font = QApplication::font();
    font.setWeight(QFont::DemiBold);
    font.setPixelSize(100);
    return font;
}

void addHexagon(QPainterPath &path, const std::array<QPointF, 6> &points) {
    path.addPolygon(QPolygonF(points.begin(), points.end()));
    path.closeSubpath();
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Where a digit's images are kept: the ten lit, then the ten dimmed.
std::size_t digitIndex(QChar digit, bool dimmed) {
    return (dimmed ? 10U : 0U) + (digit.unicode() - u'0');
}

// Screen readers read the display as text, not as an empty container.
QAccessibleInterface *accessibleDisplay(const QString &className, QObject *object) {
    if (className == QLatin1StringView("SevenSegmentDisplay") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StaticText);
    return nullptr;
}

} // namespace

SevenSegmentDisplay::SevenSegmentDisplay(QWidget *parent)
    : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleDisplay);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    listening_ = QAccessible::isActive();
    QAccessible::installActivationObserver(this);
    inputsChanged();
}

SevenSegmentDisplay::~SevenSegmentDisplay() {
    QAccessible::removeActivationObserver(this);
}

void SevenSegmentDisplay::nameForAccessibility() {
    // Each new name is an event for assistive technology; with none listening
    // it is work for nothing on every change of the counter.
    if (listening_)
        setAccessibleName(spokenName_.isEmpty() ? prefix_ + u' ' + text_ : spokenName_);
}

void SevenSegmentDisplay::setSpokenName(const QString &name) {
    if (name == spokenName_)
        return;
    spokenName_ = name;
    nameForAccessibility();
}

void SevenSegmentDisplay::accessibilityActiveChanged(bool active) {
    listening_ = active;
    nameForAccessibility();
}

void SevenSegmentDisplay::setText(const QString &text) {
    if (text == text_)
        return;
    QRegion changed;
    const bool inPlace = changeDigitsInPlace(text, changed);
    if (!inPlace) {
        const DisplayGeometry before = currentLayout();
        text_ = text;
        layout_.reset();
        changed = changedArea(before, currentLayout()).toAlignedRect();
    }
    nameForAccessibility();
    // A tick changes a digit or two several times a second: painted straight
    // into the window and shown, without Qt's walk through the widgets for
    // an update (nothing lies over the display).
    if (!inPlace || !paintStraightIntoWindow(changed))
        update(changed);
}

bool SevenSegmentDisplay::paintStraightIntoWindow(const QRegion &changed) {
    // Qt's own paint comes first after the display is shown or resized, so
    // that nothing is painted ahead of the rest of the window; at a
    // fractional pixel ratio the area's edges are Qt's to round.
    QWidget *const top = window();
    QBackingStore *const store = top->backingStore();
    QWindow *const handle = top->windowHandle();
    const double ratio = devicePixelRatioF();
    if (!paintedAsShown_ || store == nullptr || handle == nullptr || !handle->isExposed() ||
        ratio != std::round(ratio))
        return false;
    // A glow's room may reach beyond the display; Qt would clip it too.
    const QRegion inside = changed & rect();
    const QPoint offset = mapTo(top, QPoint());
    const QRegion area = inside.translated(offset);
    store->beginPaint(area);
    {
        QPainter painter(store->paintDevice());
        painter.translate(offset);
        paintRegion(painter, inside);
    }
    store->endPaint();
    store->flush(area, handle);
    return true;
}

bool SevenSegmentDisplay::changeDigitsInPlace(const QString &text, QRegion &changed) {
    // A tick usually changes a digit or two and nothing else: every cell
    // keeps its place, so the text need not be measured again. Characters
    // that could join their neighbours into one (marks, controls) rule it out.
    if (!layout_ || layoutSize_ != size() || text.size() != text_.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u' ' || c >= QChar(0x300) || (c != text_[i] && !(isDigit(c) && isDigit(text_[i]))))
            return false;
    }
    std::size_t cell = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!SegmentFont::litSegments(QStringView(text).sliced(i, 1)))
            continue;
        if (text[i] != text_[i]) {
            layout_->cells[cell].digit = text[i];
            changed += cellArea(*layout_, layout_->cells[cell]).toAlignedRect();
        }
        ++cell;
    }
    text_ = text;
    return true;
}

QRectF SevenSegmentDisplay::changedArea(const DisplayGeometry &before,
                                        const DisplayGeometry &after) const {
    // A tick usually changes the last digit or two in place; anything that
    // moves (a new digit, another unit) repaints everything.
    const auto sameCell = [](const DisplayGeometry::Cell &a, const DisplayGeometry::Cell &b) {
        return a.left == b.left && a.digit == b.digit && a.dimmed == b.dimmed;
    };
    if (before.unit != after.unit || before.left != after.left ||
        before.cells.size() != after.cells.size() || before.marks != after.marks)
        return rect();
    QRectF changed;
    for (std::size_t i = 0; i < after.cells.size(); ++i) {
        if (before.cells[i].left != after.cells[i].left)
            return rect();
        if (!sameCell(before.cells[i], after.cells[i]))
            changed |= cellArea(after, after.cells[i]) | cellArea(before, before.cells[i]);
    }
    return changed;
}

QRectF SevenSegmentDisplay::cellArea(const DisplayGeometry &g, const DisplayGeometry::Cell &cell) {
    // A dimmed digit has no glow (the changing last digits usually are), so
    // only its cell and a pixel of its smoothed edge are painted again.
    const double pad = (cell.dimmed ? 0 : GlyphSprite::glowReach(g.glowRadius())) + 1;
    return QRectF(cell.left, g.top, g.unit, g.bottom - g.top).adjusted(-pad, -pad, pad, pad);
}

void SevenSegmentDisplay::setColor(const QColor &color) {
    if (color == color_)
        return;
    color_ = color;
    forgetSprites();
    inputsChanged();
}

void SevenSegmentDisplay::setPrefix(const QString &prefix) {
    if (prefix == prefix_)
        return;
    prefix_ = prefix;
    labelPath_ = QPainterPath();
    labelPath_.addText(0, 0, labelFont(), prefix_);
    labelAdvance_ = prefix_.isEmpty() ? 0 : QFontMetricsF(labelFont()).horizontalAdvance(prefix_);
    sprites_.remove(QStringLiteral("label"));
    inputsChanged();
}

void SevenSegmentDisplay::setDimmedTrailingDigits(qint64 count) {
    if (count == dimmedTrailingDigits_)
        return;
    dimmedTrailingDigits_ = count;
    inputsChanged();
}

const DisplayGeometry &SevenSegmentDisplay::currentLayout() {
    if (!layout_ || layoutSize_ != size()) {
        layout_ = layoutFor(size());
        layoutSize_ = size();
    }
    return *layout_;
}

void SevenSegmentDisplay::inputsChanged() {
    layout_.reset();
    nameForAccessibility();
    update();
}

DisplayGeometry SevenSegmentDisplay::layoutFor(QSizeF size) const {
    return DisplayGeometry::compute(text_, prefix_, labelAdvance_, dimmedTrailingDigits_, size);
}

void SevenSegmentDisplay::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    paintRegion(painter, event->region());
    paintedAsShown_ = isVisible(); // not when only rendered elsewhere
}

void SevenSegmentDisplay::hideEvent(QHideEvent *) {
    paintedAsShown_ = false;
}

void SevenSegmentDisplay::resizeEvent(QResizeEvent *) {
    paintedAsShown_ = false;
}

void SevenSegmentDisplay::paintRegion(QPainter &painter, const QRegion &region) {
    const DisplayGeometry &g = currentLayout();
    // Each changed digit is an area of its own, so that one within reach of
    // another glyph does not keep the others from being copied.
    for (const QRect &area : region) {
        if (copyLoneDigit(painter, g, area))
            continue;
        // Glyphs reaching beyond the area must not blend again over another.
        painter.setClipRect(area);
        // The panel's background, painted here so that the panel beneath is
        // not painted as well for each changed digit.
        painter.fillRect(area, Theme::background());
        paintLayout(painter, g, area);
        painter.setClipping(false);
    }
}

bool SevenSegmentDisplay::copyLoneDigit(QPainter &painter, const DisplayGeometry &g,
                                        const QRect &area) {
    // A tick usually changes one digit with no other glyph within reach:
    // copying its image laid over the background gives the same pixels as
    // filling and blending, for a fraction of the work. Copies need whole
    // device pixels.
    const double ratio = painter.device()->devicePixelRatioF();
    if (g.isEmpty() || ratio != std::round(ratio))
        return false;
    useSpritesFor(g.unit, ratio);
    int reached = 0;
    const DisplayGeometry::Cell *lone = nullptr;
    QPointF at;
    forEachGlyph(g, ratio, area,
                 [&](const GlyphSprite &, QPointF glyphAt, const DisplayGeometry::Cell *cell) {
                     ++reached;
                     lone = cell;
                     at = glyphAt;
                 });
    if (reached != 1 || lone == nullptr || !isDigit(lone->digit))
        return false;
    const QImage &laid = laidDigit(lone->digit, lone->dimmed);
    const QPointF laidAt = at - QPointF(laidMargin, laidMargin);
    const QRectF source((QPointF(area.topLeft()) - laidAt) * ratio, QSizeF(area.size()) * ratio);
    if (!QRectF(laid.rect()).contains(source))
        return false;
    painter.drawImage(QPointF(area.topLeft()), laid, source);
    return true;
}

const QImage &SevenSegmentDisplay::laidDigit(QChar digit, bool dimmed) {
    QImage &laid = laidDigits_[digitIndex(digit, dimmed)];
    if (laid.isNull()) {
        const GlyphSprite &glyph = cellSprite(digit, dimmed);
        const int margin = static_cast<int>(std::round(laidMargin * spriteRatio_));
        QImage image(glyph.image.size() + QSize(2 * margin, 2 * margin),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Theme::background());
        QImage sprite = glyph.image;
        sprite.setDevicePixelRatio(1);
        QPainter painter(&image);
        painter.drawImage(margin, margin, sprite);
        painter.end();
        // Without alpha, placing it is a plain copy.
        laid = std::move(image).convertToFormat(QImage::Format_RGB32);
        laid.setDevicePixelRatio(spriteRatio_);
    }
    return laid;
}

void SevenSegmentDisplay::forgetSprites() {
    sprites_.clear();
    digitSprites_.fill(GlyphSprite());
    laidDigits_.fill(QImage());
}

void SevenSegmentDisplay::useSpritesFor(double unit, double ratio) {
    if (unit != spriteUnit_ || ratio != spriteRatio_) {
        forgetSprites();
        spriteUnit_ = unit;
        spriteRatio_ = ratio;
    }
}

const GlyphSprite &SevenSegmentDisplay::sprite(const QString &key,
                                               const std::function<GlyphSprite::Layers()> &layers) {
    auto found = sprites_.find(key);
    if (found == sprites_.end())
        found = sprites_.insert(
            key, GlyphSprite::render(layers(), color_, 0.12 * spriteUnit_, spriteRatio_));
    return *found;
}

const GlyphSprite &SevenSegmentDisplay::cellSprite(QChar digit, bool dimmed) {
    const auto layers = [&](QChar c) { return cellLayers(c, dimmed, spriteUnit_); };
    if (!isDigit(digit))
        return sprite(QString(digit) + (dimmed ? u'd' : u'l'), [&] { return layers(digit); });
    GlyphSprite *const ten = &digitSprites_[digitIndex(u'0', dimmed)];
    GlyphSprite &wanted = digitSprites_[digitIndex(digit, dimmed)];
    // A counting digit soon shows all ten: made together the first time, so
    // that counting only places finished images.
    if (wanted.image.isNull())
        for (char16_t c = u'0'; c <= u'9'; ++c)
            ten[c - u'0'] =
                GlyphSprite::render(layers(QChar(c)), color_, 0.12 * spriteUnit_, spriteRatio_);
    return wanted;
}

void SevenSegmentDisplay::paint(QPainter &painter, QSizeF size) {
    paintLayout(painter, layoutFor(size), QRectF(QPointF(), size));
}

void SevenSegmentDisplay::paintLayout(QPainter &painter, const DisplayGeometry &g,
                                      const QRectF &area) {
    if (g.isEmpty())
        return;
    const double ratio = painter.device()->devicePixelRatioF();
    useSpritesFor(g.unit, ratio);
    forEachGlyph(g, ratio, area,
                 [&](const GlyphSprite &glyph, QPointF at, const DisplayGeometry::Cell *) {
                     painter.drawImage(at, glyph.image);
                 });
}

void SevenSegmentDisplay::forEachGlyph(const DisplayGeometry &g, double ratio, const QRectF &area,
                                       const GlyphVisit &visit) {
    // Glyphs land on whole device pixels so that the cached images stay sharp.
    const auto place = [&](const GlyphSprite &glyph, QPointF origin,
                           const DisplayGeometry::Cell *cell) {
        const QPointF at = QPointF(std::round(origin.x() * ratio) / ratio,
                                   std::round(origin.y() * ratio) / ratio) +
                           glyph.offset;
        if (area.intersects(QRectF(at, glyph.image.deviceIndependentSize())))
            visit(glyph, at, cell);
    };

    // A tick repaints a digit or two: the others are not placed.
    for (const DisplayGeometry::Cell &cell : g.cells) {
        if (!area.intersects(cellArea(g, cell)))
            continue;
        place(cellSprite(cell.digit, cell.dimmed), QPointF(cell.left, g.top), &cell);
    }
    for (const QRectF &mark : g.marks) {
        const bool comma = mark.height() > mark.width();
        place(sprite(comma ? QStringLiteral(",") : QStringLiteral("."),
                     [&] {
                         GlyphSprite::Layers layers;
                         layers.lit.addRect(QRectF(QPointF(0, 0), mark.size()));
                         return layers;
                     }),
              mark.topLeft(), nullptr);
    }
    if (!prefix_.isEmpty())
        place(sprite(QStringLiteral("label"),
                     [&] {
                         GlyphSprite::Layers layers;
                         layers.lit = QTransform::fromScale(g.labelSize / 100, g.labelSize / 100)
                                          .map(labelPath_);
                         return layers;
                     }),
              g.labelBaseline, nullptr);
}

GlyphSprite::Layers SevenSegmentDisplay::cellLayers(QChar digit, bool dimmed, double unit) {
    GlyphSprite::Layers layers;
    const auto lights = *SegmentFont::litSegments(QStringView(&digit, 1));
    const auto hexagons = DisplayGeometry::cellSegments(0, 0, unit);
    for (std::size_t s = 0; s < 7; ++s) {
        QPainterPath &target = !lights[s] ? layers.unlit : dimmed ? layers.dimmed : layers.lit;
        addHexagon(target, hexagons[s]);
    }
    return layers;
}
