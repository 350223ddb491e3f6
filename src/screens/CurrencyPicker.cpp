#include "CurrencyPicker.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Wide enough for a code and the start of its name.
constexpr int shownCharacters = 12;

} // namespace

CurrencyPicker::CurrencyPicker(QWidget *parent)
    : QComboBox(parent) {
    // Asks for a short text's width, not the longest name's.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(shownCharacters);
}

void CurrencyPicker::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect text =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, text.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void CurrencyPicker::wheelEvent(QWheelEvent *event) {
    event->ignore(); // let the screen around it have it
}

void CurrencyPicker::showPopup() {
    // The open list may be wider than the closed pop-up, up to the screen.
    QAbstractItemView *list = view();
    list->setMinimumWidth(std::max(width(), list->sizeHintForColumn(0) + 24));
    QComboBox::showPopup();
}
