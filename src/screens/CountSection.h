#pragma once

#include "SettingsStore.h"

#include <QWidget>

class QComboBox;

// The settings' choice of what the counter counts: since the start, today,
// this week or this month.
class CountSection : public QWidget {
    Q_OBJECT

public:
    explicit CountSection(SettingsStore &store, QWidget *parent = nullptr);
    // The name of the choice, here and on the panel's menu.
    static QString title() { return tr("Count"); }

    QComboBox *countPicker() const { return count_; }

private:
    QComboBox *count_;
};
