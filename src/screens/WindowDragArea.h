#pragma once

#include <QWidget>

// The panel's background: a press that no control takes moves the panel.
// Screens are its children, so presses they ignore reach it.
class WindowDragArea : public QWidget {
    Q_OBJECT

public:
    explicit WindowDragArea(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
