#pragma once

#include "DigitColor.h"

#include "PlainButton.h"

// One digit colour to choose: a filled circle, ringed in white when chosen.
class ColorSwatch : public PlainButton {
    Q_OBJECT

public:
    explicit ColorSwatch(DigitColor color, QWidget *parent = nullptr);

    DigitColor digitColor() const { return color_; }
    QSize sizeHint() const override { return QSize(24, 24); }

protected:
    void paintEvent(QPaintEvent *event) override;
    // Every swatch stays a Tab stop: a button group would leave only the
    // focused one.
    void focusInEvent(QFocusEvent *event) override { QWidget::focusInEvent(event); }

private:
    DigitColor color_;
};
