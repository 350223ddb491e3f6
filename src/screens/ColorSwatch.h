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

private:
    DigitColor color_;
};
