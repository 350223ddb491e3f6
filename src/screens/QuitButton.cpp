#include "QuitButton.h"

#include <QPainter>
#include <QPainterPath>

QuitButton::QuitButton(std::function<void()> quit, QWidget *parent)
    : GlyphButton(tr("Quit"), {QStringLiteral("window-close")}, std::move(quit), parent) {
}

void QuitButton::paintGlyph(QPainter &painter, const QRectF &box) const {
    QPainterPath disc;
    disc.addEllipse(box);
    // The cross is cut out of the disc.
    const QPointF c = box.center();
    const double arm = box.width() * 0.27;
    const double half = box.width() * 0.07;
    QTransform rotate;
    rotate.translate(c.x(), c.y());
    rotate.rotate(45);
    // United, not added: the two bars overlap in the middle, and an odd-even
    // path would leave that square out of the cross and in the disc.
    QPainterPath across;
    across.addRect(QRectF(-arm, -half, 2 * arm, 2 * half));
    QPainterPath down;
    down.addRect(QRectF(-half, -arm, 2 * half, 2 * arm));
    painter.drawPath(disc.subtracted(rotate.map(across.united(down))));
}
