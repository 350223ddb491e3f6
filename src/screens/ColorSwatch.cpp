#include "ColorSwatch.h"

#include <QPainter>

ColorSwatch::ColorSwatch(DigitColor color, QWidget *parent)
    : PlainButton(parent)
    , color_(color) {
    // Checked is the selected state assistive technology reads.
    setCheckable(true);
    setToolTip(label(color));
    setAccessibleName(label(color));
    setFixedSize(24, 24);
}

void ColorSwatch::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(color_));
    painter.drawEllipse(QRectF(3, 3, 18, 18));
    painter.setBrush(Qt::NoBrush);
    if (isChecked()) {
        // A 2-point ring inside the 24-point circle, 1 point clear of the fill.
        painter.setPen(QPen(Qt::white, 2));
        painter.drawEllipse(QRectF(1, 1, 22, 22));
    }
    if (hasFocus()) {
        // The keyboard's place: the ring's outer half, or a thin ring of its own.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
        painter.drawEllipse(QRectF(0.5, 0.5, 23, 23));
    }
}
