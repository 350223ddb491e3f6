#pragma once

#include "SettingsStore.h"

#include <QButtonGroup>
#include <QList>
#include <QWidget>

class ColorSwatch;

// The settings' digit colours: a row of swatches, the stored one ringed.
class ColorSection : public QWidget {
    Q_OBJECT

public:
    explicit ColorSection(SettingsStore &store, QWidget *parent = nullptr);

    const QList<ColorSwatch *> &swatches() const { return swatches_; }

private:
    // Exclusive: a click on the ringed swatch keeps its ring.
    QButtonGroup group_;
    QList<ColorSwatch *> swatches_;
};
