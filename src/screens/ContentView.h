#pragma once

#include "Clock.h"
#include "Goal.h"
#include "ImageChooser.h"
#include "WindowDragArea.h"

#include <memory>
#include <optional>

class CounterView;
class SaveProblemMark;
class SettingsStore;
class SettingsView;
class SetupView;

// The root of everything in the panel: chooses the screen, frames it in the
// panel's dark rounded look, starts and stops counting, and fits the panel's
// height to what it shows.
class ContentView : public WindowDragArea {
    Q_OBJECT

public:
    enum class Screen { setup, counter, settings };

    explicit ContentView(SettingsStore &store, Clock clock = systemNow,
                         ImageChooser::FileAsker askForImage = ImageChooser::askWithFileDialog,
                         QWidget *parent = nullptr);
    ~ContentView() override;

    Screen screen() const { return screen_; }
    double windowHeight() const;
    std::optional<Goal> goal() const;

    void start();
    void stop();
    void openSettings();
    void closeSettings();

    SetupView *setupView() const { return setup_; }
    CounterView *counterView() const { return counter_; }
    SettingsView *settingsView() const { return settings_; }
    SaveProblemMark *saveProblemMark() const { return saveProblem_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();
    void focusScreen();
    double heightFor(bool hasGoal) const;
    void fitPanel(double height);

    SettingsStore &store_;
    Clock clock_;
    ImageChooser::FileAsker askForImage_;
    bool showingSettings_ = false;
    double settingsHeight_ = 0;
    Screen screen_ = Screen::setup;
    SetupView *setup_;
    CounterView *counter_;
    SettingsView *settings_ = nullptr;
    SaveProblemMark *saveProblem_;
};
