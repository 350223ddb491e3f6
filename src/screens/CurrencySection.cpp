#include "CurrencySection.h"

#include "Bind.h"
#include "Currency.h"
#include "CurrencyPicker.h"
#include "SettingsRows.h"
#include "TextStyle.h"

#include <QVBoxLayout>

CurrencySection::CurrencySection(SettingsStore &store, QWidget *parent)
    : QWidget(parent)
    , currency_(new CurrencyPicker(this))
    , style_(new SegmentedControl(QStringLiteral("Show"), {QString(), QString()}, this)) {
    auto *column = SettingsRows::column(this);

    currency_->setAccessibleName(QStringLiteral("Currency"));
    currency_->setFont(TextStyle::caption());
    for (const Currency::Entry &entry : Currency::all())
        currency_->addItem(entry.code + QStringLiteral(" \u2013 ") + entry.name, entry.code);
    column->addWidget(SettingsRows::labelled(QStringLiteral("Currency"), currency_));
    column->addWidget(SettingsRows::labelled(QStringLiteral("Show"), style_));

    // Nothing is chosen until the user picks (Return or a click).
    const Setting code(store, Keys::currency);
    connect(currency_, &QComboBox::activated, this,
            [this, code](int index) { code.set(currency_->itemData(index).toString()); });
    Bind::follow(currency_, code, [this](CurrencyPicker *picker, const QString &chosen) {
        const int index = picker->findData(chosen);
        if (picker->currentIndex() != index)
            picker->setCurrentIndex(index);
        style_->setLabel(0, QStringLiteral("Symbol ") + Currency::symbol(chosen));
        style_->setLabel(1, chosen);
    });
    Bind::segments(style_, Setting(store, Keys::currencyStyle));
}
