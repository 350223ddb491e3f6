#pragma once

#include "ColorSection.h"
#include "CountSection.h"
#include "CurrencySection.h"
#include "FileAsker.h"
#include "GoalSection.h"
#include "SettingsStore.h"
#include "WorkingHoursSection.h"

#include <QWidget>

#include <functional>

// Everything but the salary, in sections stacked under a Back button:
// currency, digit colour, goal, working hours and what the counter counts.
// Each section writes and follows its own keys; there is no Save.
class SettingsView : public QWidget {
    Q_OBJECT

public:
    SettingsView(SettingsStore &store, std::function<void()> close, FileAsker askForImage,
                 QWidget *parent = nullptr);
    ~SettingsView() override;

    // The height the screen needs at its width; the panel is fitted to it.
    int naturalHeight() const;

    CurrencySection *currency() const { return currency_; }
    ColorSection *colors() const { return colors_; }
    GoalSection *goal() const { return goal_; }
    WorkingHoursSection *workingHours() const { return workingHours_; }
    CountSection *count() const { return count_; }

signals:
    void naturalHeightChanged(int height);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void reportHeight();

    std::function<void()> close_;
    CurrencySection *currency_;
    ColorSection *colors_;
    GoalSection *goal_;
    WorkingHoursSection *workingHours_;
    CountSection *count_;
    int reportedHeight_ = 0;
};
