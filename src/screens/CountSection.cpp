#include "CountSection.h"

#include "Bind.h"
#include "SettingsRows.h"
#include "TextStyle.h"

#include <QComboBox>
#include <QVBoxLayout>

CountSection::CountSection(SettingsStore &store, QWidget *parent)
    : QWidget(parent)
    , count_(new QComboBox(this)) {
    auto *column = SettingsRows::column(this);
    column->addWidget(SettingsRows::divider(this));
    count_->setAccessibleName(title());
    count_->setFont(TextStyle::caption());
    for (const CountFrom from : allCases<CountFrom>())
        count_->addItem(label(from));
    column->addWidget(SettingsRows::labelled(title(), count_));
    Bind::popUp(count_, Setting(store, Keys::countFrom));
}
