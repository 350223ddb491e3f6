#pragma once

#include <QPoint>
#include <QWidget>

#include <optional>

class WindowServices;

// The panel's background: dragging where no control takes the press moves
// the panel. Screens are its children, so presses they ignore reach it.
class WindowDragArea : public QWidget {
    Q_OBJECT

public:
    explicit WindowDragArea(WindowServices &services, QWidget *parent = nullptr);

protected:
    WindowServices &services() const { return services_; }
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    WindowServices &services_;
    // Where the button went down, until the pointer has moved far enough for
    // a drag: a click, however short, moves nothing.
    std::optional<QPoint> pressedAt_;
    // Set while we move the panel ourselves: the window manager would not.
    std::optional<QPoint> grabOffset_;
};
