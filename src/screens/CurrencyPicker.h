#pragma once

#include <QComboBox>

// The currency pop-up: as wide as the panel allows, its text elided to fit
// (the open list shows names in full), and deaf to the mouse wheel while
// closed, so scrolling the settings past it never changes the currency.
// Typing opens the list at the currency whose code or name holds what was
// typed; nothing is chosen until the user picks (Return or a click).
// Its items are Currency::all(), in that order.
class CurrencyPicker : public QComboBox {
    Q_OBJECT

public:
    explicit CurrencyPicker(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showPopup() override;

private:
    // Adds a typed text to the search; false for keys that type nothing.
    bool type(const QKeyEvent *event);

    // What has been typed since the list opened.
    QString typed_;
};
