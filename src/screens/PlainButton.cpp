#include "PlainButton.h"

#include <QKeyEvent>

PlainButton::PlainButton(QWidget *parent)
    : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void PlainButton::keyPressEvent(QKeyEvent *event) {
    // Space is the button's own; Return acts on the focused control here
    // rather than reaching the screen's default action.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
