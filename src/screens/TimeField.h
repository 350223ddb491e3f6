#pragma once

#include <QTimeEdit>

// A time of day to type: a click selects the part under the pointer (hours
// or minutes), so that typing replaces it, as in any time field.
class TimeField : public QTimeEdit {
    Q_OBJECT

public:
    explicit TimeField(QWidget *parent = nullptr);

protected:
    // Clicks land on the field's text editor, inside it.
    bool eventFilter(QObject *watched, QEvent *event) override;
};
