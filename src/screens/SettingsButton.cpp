#include "SettingsButton.h"

#include <QPainter>
#include <QPainterPath>

SettingsButton::SettingsButton(std::function<void()> action, QWidget *parent)
    : GlyphButton(tr("Settings"),
                  {QStringLiteral("configure"), QStringLiteral("preferences-system")},
                  std::move(action), parent) {
}

void SettingsButton::paintGlyph(QPainter &painter, const QRectF &box) const {
    const QPointF c = box.center();
    const double outer = box.width() / 2;
    QPainterPath gear;
    gear.addEllipse(c, outer * 0.72, outer * 0.72);
    for (int bar = 0; bar < 4; ++bar) { // each bar is two opposite teeth
        QPainterPath teeth;
        teeth.addRoundedRect(QRectF(-outer * 0.17, -outer, outer * 0.34, outer * 2), 1, 1);
        QTransform turn;
        turn.translate(c.x(), c.y());
        turn.rotate(bar * 45);
        gear = gear.united(turn.map(teeth));
    }
    QPainterPath hole;
    hole.addEllipse(c, outer * 0.3, outer * 0.3);
    painter.drawPath(gear.subtracted(hole));
}
