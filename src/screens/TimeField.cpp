#include "TimeField.h"

#include <QEvent>
#include <QLineEdit>

TimeField::TimeField(QWidget *parent)
    : QTimeEdit(parent) {
    lineEdit()->installEventFilter(this);
}

bool TimeField::eventFilter(QObject *watched, QEvent *event) {
    const bool handled = QTimeEdit::eventFilter(watched, event);
    // Left as a caret inside "17", typed digits would make "106" and be
    // refused; a selection the user dragged stays as it is.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        !lineEdit()->hasSelectedText())
        setSelectedSection(currentSection());
    return handled;
}
