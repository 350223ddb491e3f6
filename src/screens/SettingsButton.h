#pragma once

#include "GlyphButton.h"

#include <functional>

// A gear that opens the settings screen.
class SettingsButton : public GlyphButton {
    Q_OBJECT

public:
    explicit SettingsButton(std::function<void()> action, QWidget *parent = nullptr);

protected:
    void paintGlyph(QPainter &painter, const QRectF &box) const override;
};
