#include "QuitButton.h"

#include <QPainter>
#include <QPainterPath>

QuitButton::QuitButton(std::function<void()> quit, QWidget *parent)
    : GlyphButton(QStringLiteral("Quit"), {QStringLiteral("window-close")}, std::move(quit),
                  parent) {
}

void QuitButton::paintGlyph(QPainter &painter, const QRectF &box) const {
    QPainterPath disc;
    disc.addEllipse(box);
    // The cross is cut out of the disc.
    const QPointF c = box.center();
    const double arm = box.width() * 0.27;
    const double half = box.width() * 0.07;
    QPainterPath cross;
    QTransform rotate;
    rotate.translate(c.x(), c.y());
    rotate.rotate(45);
    QPainterPath bar;
    bar.addRect(QRectF(-arm, -half, 2 * arm, 2 * half));
    bar.addRect(QRectF(-half, -arm, 2 * half, 2 * arm));
    cross = rotate.map(bar.simplified());
    painter.drawPath(disc.subtracted(cross));
}
