#pragma once

#include "Goal.h"
#include "GoalProgress.h"

#include <QColor>
#include <QWidget>

// Progress towards the savings goal: its picture, its text, how much of the
// amount is reached, and a thin bar in the digit colour. Painted as one piece
// and exposed as one accessible element; it repaints only when what it shows
// changes.
class GoalRow : public QWidget {
    Q_OBJECT

public:
    explicit GoalRow(QWidget *parent = nullptr);

    void setGoal(const Goal &goal);
    void setColor(const QColor &color);
    void setProgress(GoalProgress progress);

    const GoalProgress &progress() const { return progress_; }
    // Where the text column starts and how wide the bar's track is.
    double textLeft() const { return textLeft_; }
    double trackWidth() const { return width() - textLeft(); }

    QSize sizeHint() const override { return QSize(292, 30); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static double pictureRoom(const Goal::Picture &picture);
    void nameForScreenReaders();

    Goal goal_;
    QColor color_ = Qt::green;
    GoalProgress progress_;
    int shownFillPixels_ = -1;
    double textLeft_ = 0;
};
