#include "CurrencyPicker.h"

#include "Currency.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Wide enough for a code and the start of its name.
constexpr int shownCharacters = 12;

// A key that types a character (not a shortcut, Return, Tab or an arrow).
bool typesText(const QKeyEvent *event) {
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint() &&
           !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
}

} // namespace

CurrencyPicker::CurrencyPicker(QWidget *parent)
    : QComboBox(parent) {
    // Asks for a short text's width, not the longest name's.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(shownCharacters);
    // The open list's own search matches only the start of an item's text.
    view()->installEventFilter(this);
}

bool CurrencyPicker::type(const QKeyEvent *event) {
    // A space before anything is typed is the list's own (it picks).
    if (!typesText(event) || (typed_.isEmpty() && event->text().at(0).isSpace()))
        return false;
    typed_ += event->text();
    if (const std::optional<std::size_t> found = Currency::find(typed_)) {
        const QModelIndex row = model()->index(int(*found), modelColumn(), rootModelIndex());
        view()->setCurrentIndex(row);
        view()->scrollTo(row, QAbstractItemView::PositionAtCenter);
    }
    return true;
}

void CurrencyPicker::keyPressEvent(QKeyEvent *event) {
    // Typing on the closed pop-up opens it: a search never chooses by itself.
    // Space keeps opening it, as on any pop-up.
    if (!view()->isVisible() && typesText(event) && !event->text().at(0).isSpace()) {
        showPopup();
        type(event);
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool CurrencyPicker::eventFilter(QObject *watched, QEvent *event) {
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Backspace && !typed_.isEmpty()) {
            typed_.chop(1);
            return true;
        }
        if (type(key))
            return true;
    }
    return QComboBox::eventFilter(watched, event);
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
    typed_.clear();
    // The open list may be wider than the closed pop-up, up to the screen.
    QAbstractItemView *list = view();
    list->setMinimumWidth(std::max(width(), list->sizeHintForColumn(0) + 24));
    QComboBox::showPopup();
}
