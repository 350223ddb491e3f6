#pragma once

#include "Goal.h"
#include "PayPeriod.h"
#include "Setting.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <optional>

class GoalRow;
class QBoxLayout;
class TypingPause;
class QLabel;
class QLineEdit;
class QPushButton;
class SegmentedControl;

// Where the salary and its period are typed and counting is started. Every
// keystroke and every click is stored at once.
class SetupView : public QWidget {
    Q_OBJECT

public:
    SetupView(Setting<QString> salary, Setting<PayPeriod> period, std::function<void()> start,
              std::function<void()> openSettings, std::function<void()> quit,
              QWidget *parent = nullptr);
    ~SetupView() override;

    void setColor(const QColor &color);
    void setGoal(const std::optional<Goal> &goal);
    // Masks the salary and leaves the goal's amount out while amounts are hidden.
    void setAmountHidden(bool hidden);

    QLineEdit *salaryField() const { return salaryField_; }
    SegmentedControl *periodPicker() const { return periodPicker_; }
    QPushButton *startButton() const { return startButton_; }
    // Says so, in the header, when the salary is more than can be counted.
    QLabel *limitNote() const { return limitNote_; }
    GoalRow *goalRow() const { return goalRow_; }
    // The height beyond the usual screen's that a period picker below the
    // field needs, or 0 while it sits beside the field.
    int extraHeight() const;

signals:
    void extraHeightChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The salary as typed, or as stored when nothing typed waits.
    QString salaryText() const;
    bool salaryIsValid() const;
    void showValidity();
    void startIfValid();
    void showGoalProgress();

    Setting<QString> salary_;
    Setting<PayPeriod> period_;
    std::function<void()> start_;
    QLineEdit *salaryField_;
    QBoxLayout *entry_;
    TypingPause *salaryTyping_ = nullptr;
    SegmentedControl *periodPicker_;
    GoalRow *goalRow_;
    QPushButton *startButton_;
    QLabel *title_;
    QLabel *limitNote_;
    QColor color_;
    std::optional<double> goalAmount_;
    bool amountHidden_ = false;
    bool periodBelow_ = false;
};
