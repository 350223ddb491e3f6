#pragma once

#include <QAbstractButton>

// A small on/off switch.
class ToggleSwitch : public QAbstractButton {
    Q_OBJECT

public:
    explicit ToggleSwitch(const QString &title, QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(28, 16); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
