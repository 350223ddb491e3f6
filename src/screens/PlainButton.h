#pragma once

#include <QAbstractButton>

// A button its subclass draws, used from the keyboard as any other: reached
// by Tab and pressed with Space or Return. It draws its own focus mark.
class PlainButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PlainButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
