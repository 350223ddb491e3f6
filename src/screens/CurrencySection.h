#pragma once

#include "SettingsStore.h"

#include <QWidget>

class CurrencyPicker;
class SegmentedControl;

// The settings' currency rows: the currency, and whether the counter shows
// its symbol or its code.
class CurrencySection : public QWidget {
    Q_OBJECT

public:
    explicit CurrencySection(SettingsStore &store, QWidget *parent = nullptr);

    CurrencyPicker *currencyPicker() const { return currency_; }
    SegmentedControl *stylePicker() const { return style_; }

private:
    CurrencyPicker *currency_;
    SegmentedControl *style_;
};
