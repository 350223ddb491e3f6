#pragma once

#include <QComboBox>

// The currency pop-up: as wide as the panel allows, its text elided to fit
// (the open list shows names in full), and deaf to the mouse wheel while
// closed, so scrolling the settings past it never changes the currency.
class CurrencyPicker : public QComboBox {
    Q_OBJECT

public:
    explicit CurrencyPicker(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showPopup() override;
};
