#pragma once

#include "GlyphButton.h"

// A cross in a circle; quits at once, since every setting is already stored.
class QuitButton : public GlyphButton {
    Q_OBJECT

public:
    explicit QuitButton(std::function<void()> quit, QWidget *parent = nullptr);

protected:
    void paintGlyph(QPainter &painter, const QRectF &box) const override;
};
