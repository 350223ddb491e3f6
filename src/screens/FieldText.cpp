#include "FieldText.h"

#include <QLineEdit>

namespace FieldText {

void show(QLineEdit *field, const QString &text) {
    if (field->text() != text)
        field->setText(text);
}

void showAmount(QLineEdit *field, const QString &amount, bool hidden) {
    static const QString mask(6, QChar(0x2022)); // bullets
    field->setReadOnly(hidden);
    show(field, hidden ? mask : amount);
}

} // namespace FieldText
