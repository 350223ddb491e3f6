#pragma once

#include <QString>

class QLineEdit;

// Puts stored text into a field without disturbing the user's typing.
namespace FieldText {

// Sets `text` only when it differs, so the caret, the selection and the input
// method stay where the user left them.
void show(QLineEdit *field, const QString &text);

// An amount, or while amounts are hidden a fixed mask that tells nothing of
// it (the field is then read-only: the amount is edited after showing it).
void showAmount(QLineEdit *field, const QString &amount, bool hidden);

} // namespace FieldText
