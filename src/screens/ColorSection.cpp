#include "ColorSection.h"

#include "Bind.h"
#include "ColorSwatch.h"
#include "SettingsRows.h"
#include "TextStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ColorSection::ColorSection(SettingsStore &store, QWidget *parent)
    : QWidget(parent) {
    auto *column = SettingsRows::column(this, 6);
    column->addWidget(TextStyle::secondaryCaption(QStringLiteral("Number color"), this));
    auto *swatchRow = new QHBoxLayout;
    swatchRow->setSpacing(0);
    for (DigitColor color : allCases<DigitColor>()) {
        if (!swatches_.isEmpty())
            swatchRow->addStretch(1);
        auto *swatch = new ColorSwatch(color, this);
        group_.addButton(swatch, int(color));
        swatches_.append(swatch);
        swatchRow->addWidget(swatch);
    }
    column->addLayout(swatchRow);
    Bind::buttonRow(&group_, Setting(store, Keys::digitColor));
}
