#include "BackButton.h"

#include <QGuiApplication>

#include <QPainter>
#include <QPen>

BackButton::BackButton(std::function<void()> action, QWidget *parent)
    : GlyphButton(tr("Back"),
                  QGuiApplication::isRightToLeft()
                      ? QStringList{QStringLiteral("go-previous-rtl"), QStringLiteral("go-next")}
                      : QStringList{QStringLiteral("go-previous")},
                  std::move(action), parent) {
}

void BackButton::paintGlyph(QPainter &painter, const QRectF &box) const {
    QPen pen(painter.brush().color(), box.width() * 0.14, Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF c = box.center();
    // Back points the way the screen reads from: right in a right-to-left language.
    const double arm = box.width() * 0.3 * (isRightToLeft() ? -1 : 1);
    const QPointF chevron[] = {c + QPointF(arm * 0.5, -arm), c + QPointF(-arm * 0.5, 0),
                               c + QPointF(arm * 0.5, arm)};
    painter.drawPolyline(chevron, 3);
}
