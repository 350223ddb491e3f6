#pragma once

#include "PlainButton.h"

#include <QStringList>

#include <functional>

// A borderless button showing one small glyph in the secondary colour: the
// icon theme's when it has one, otherwise a glyph painted by the subclass.
class GlyphButton : public PlainButton {
    Q_OBJECT

public:
    // `name` is the tooltip and the accessible name; a click runs `action`.
    GlyphButton(const QString &name, const QStringList &themeIcons, std::function<void()> action,
                QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(16, 16); }

protected:
    void paintEvent(QPaintEvent *event) override;
    // Draws the glyph into `box` with the painter's brush and pen set to the colour.
    virtual void paintGlyph(QPainter &painter, const QRectF &box) const = 0;

private:
    QIcon themeIcon_;
};
