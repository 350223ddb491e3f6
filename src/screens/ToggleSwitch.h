#pragma once

#include "PlainButton.h"

// A small on/off switch.
class ToggleSwitch : public PlainButton {
    Q_OBJECT

public:
    explicit ToggleSwitch(const QString &title, QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(28, 16); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
