#pragma once

#include "GlyphButton.h"

#include <functional>

// A left-pointing chevron that leaves the settings screen.
class BackButton : public GlyphButton {
    Q_OBJECT

public:
    explicit BackButton(std::function<void()> action, QWidget *parent = nullptr);

protected:
    void paintGlyph(QPainter &painter, const QRectF &box) const override;
};
