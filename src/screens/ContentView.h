#pragma once

#include "Clock.h"
#include "ScreenChoice.h"
#include "WindowDragArea.h"

class CounterView;
class QScrollArea;
class SaveProblemMark;
class SettingsStore;
class SettingsView;
class SetupView;

// The root of everything in the panel: shows the screen the settings call
// for, in the panel's dark rounded look, starts and stops counting, and says
// what height the panel needs for what it shows.
class ContentView : public WindowDragArea {
    Q_OBJECT

public:
    using Screen = ScreenChoice::Screen;

    ContentView(SettingsStore &store, WindowServices &services, Clock clock = systemNow,
                QWidget *parent = nullptr);
    ~ContentView() override;

    Screen shownScreen() const { return screen_; }
    // The panel's height for what it shows, in points.
    int wantedHeight() const { return wantedHeight_; }

    void start();
    void stop();
    void openSettings();
    void closeSettings();

    SetupView *setupView() const { return setup_; }
    CounterView *counterView() const { return counter_; }
    SettingsView *settingsView() const { return settings_; }
    SaveProblemMark *saveProblemMark() const { return saveProblem_; }

signals:
    void wantedHeightChanged(int height);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();
    void focusScreen();
    void updateWantedHeight(bool hasGoal);

    SettingsStore &store_;
    Clock clock_;
    bool showingSettings_ = false;
    int settingsHeight_ = 0;
    int wantedHeight_ = 0;
    Screen screen_ = Screen::setup;
    SetupView *setup_;
    CounterView *counter_;
    SettingsView *settings_ = nullptr;
    QScrollArea *settingsScroll_ = nullptr;
    SaveProblemMark *saveProblem_;
};
