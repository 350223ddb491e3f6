#include "SevenSegmentDisplay.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

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
    setAttribute(Qt::WA_OpaquePaintEvent, false);
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
    const DisplayGeometry before = currentLayout();
    text_ = text;
    layout_.reset();
    nameForAccessibility();
    update(changedArea(before, currentLayout()));
}

QRect SevenSegmentDisplay::changedArea(const DisplayGeometry &before,
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
    const double pad = GlyphSprite::glowReach(after.glowRadius()) + 1;
    for (std::size_t i = 0; i < after.cells.size(); ++i) {
        if (before.cells[i].left != after.cells[i].left)
            return rect();
        if (!sameCell(before.cells[i], after.cells[i]))
            changed |= QRectF(after.cells[i].left, after.top, after.unit, after.bottom - after.top)
                           .adjusted(-pad, -pad, pad, pad);
    }
    return changed.toAlignedRect();
}

void SevenSegmentDisplay::setColor(const QColor &color) {
    if (color == color_)
        return;
    color_ = color;
    sprites_.clear();
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

void SevenSegmentDisplay::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    paintLayout(painter, currentLayout());
}

const GlyphSprite &SevenSegmentDisplay::sprite(const QString &key, double unit, double ratio,
                                               const std::function<GlyphSprite::Layers()> &layers) {
    if (unit != spriteUnit_ || ratio != spriteRatio_) {
        sprites_.clear();
        spriteUnit_ = unit;
        spriteRatio_ = ratio;
    }
    auto found = sprites_.find(key);
    if (found == sprites_.end())
        found = sprites_.insert(key, GlyphSprite::render(layers(), color_, 0.12 * unit, ratio));
    return *found;
}

void SevenSegmentDisplay::paint(QPainter &painter, QSizeF size) {
    paintLayout(painter, layoutFor(size));
}

void SevenSegmentDisplay::paintLayout(QPainter &painter, const DisplayGeometry &g) {
    if (g.isEmpty())
        return;
    const double ratio = painter.device()->devicePixelRatioF();
    // Glyphs land on whole device pixels so that the cached images stay sharp.
    const auto place = [&](const GlyphSprite &glyph, QPointF origin) {
        const QPointF snapped(std::round(origin.x() * ratio) / ratio,
                              std::round(origin.y() * ratio) / ratio);
        painter.drawImage(snapped + glyph.offset, glyph.image);
    };

    for (const DisplayGeometry::Cell &cell : g.cells) {
        const QString key = QString(cell.digit) + (cell.dimmed ? u'd' : u'l');
        place(sprite(key, g.unit, ratio, [&] { return cellLayers(cell, g.unit); }),
              QPointF(cell.left, g.top));
    }
    for (const QRectF &mark : g.marks) {
        const bool comma = mark.height() > mark.width();
        place(sprite(comma ? QStringLiteral(",") : QStringLiteral("."), g.unit, ratio,
                     [&] {
                         GlyphSprite::Layers layers;
                         layers.lit.addRect(QRectF(QPointF(0, 0), mark.size()));
                         return layers;
                     }),
              mark.topLeft());
    }
    if (!prefix_.isEmpty())
        place(sprite(QStringLiteral("label"), g.unit, ratio,
                     [&] {
                         GlyphSprite::Layers layers;
                         layers.lit = QTransform::fromScale(g.labelSize / 100, g.labelSize / 100)
                                          .map(labelPath_);
                         return layers;
                     }),
              g.labelBaseline);
}

GlyphSprite::Layers SevenSegmentDisplay::cellLayers(const DisplayGeometry::Cell &cell,
                                                    double unit) {
    GlyphSprite::Layers layers;
    const auto lights = *SegmentFont::litSegments(QStringView(&cell.digit, 1));
    const auto hexagons = DisplayGeometry::cellSegments(0, 0, unit);
    for (std::size_t s = 0; s < 7; ++s) {
        QPainterPath &target = !lights[s] ? layers.unlit : cell.dimmed ? layers.dimmed : layers.lit;
        addHexagon(target, hexagons[s]);
    }
    return layers;
}
