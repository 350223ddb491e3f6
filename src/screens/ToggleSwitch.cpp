#include "ToggleSwitch.h"

#include <QPainter>

ToggleSwitch::ToggleSwitch(const QString &title, QWidget *parent)
    : PlainButton(parent) {
    setCheckable(true);
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ToggleSwitch::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = track.height() / 2;
    painter.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight), 1) : QPen(Qt::NoPen));
    painter.setBrush(isChecked() ? QColor(52, 199, 89) : QColor(255, 255, 255, 50));
    painter.drawRoundedRect(track, radius, radius);
    painter.setPen(Qt::NoPen);
    const double knob = track.height() - 3;
    // On is the knob at the end the screen reads towards: the right, or the left in Arabic.
    const double x =
        isChecked() != isRightToLeft() ? track.right() - knob - 1.5 : track.left() + 1.5;
    painter.setBrush(QColor(245, 245, 245));
    painter.drawEllipse(QRectF(x, track.top() + 1.5, knob, knob));
}
