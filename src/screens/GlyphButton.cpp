#include "GlyphButton.h"

#include "TextStyle.h"

#include <QIcon>
#include <QPainter>

GlyphButton::GlyphButton(const QString &name, const QStringList &themeIcons,
                         std::function<void()> action, QWidget *parent)
    : PlainButton(parent) {
    connect(this, &QAbstractButton::clicked, this, std::move(action));
    setToolTip(name);
    setAccessibleName(name);
    setCursor(Qt::ArrowCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (const QString &icon : themeIcons)
        if (QIcon::hasThemeIcon(icon)) {
            themeIcon_ = QIcon::fromTheme(icon);
            break;
        }
}

void GlyphButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    QColor color = TextStyle::secondary();
    if (isDown())
        color.setAlphaF(color.alphaF() * 0.6f);
    if (hasFocus()) {
        // The keyboard's place: a thin ring around the glyph.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (themeIcon_.isNull()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        paintGlyph(painter, box);
        return;
    }
    // Tint the theme's glyph: keep its shape, take our colour.
    const qreal ratio = devicePixelRatioF();
    QPixmap glyph = themeIcon_.pixmap(box.size().toSize(), ratio);
    QPainter tint(&glyph);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(glyph.rect(), color);
    tint.end();
    painter.drawPixmap(box.topLeft(), glyph);
}
