#pragma once

#include "CounterInputs.h"

class SettingsStore;

// Which screen the panel shows and what that screen needs, from the settings
// and whether the user has the settings open.
struct ScreenChoice {
    enum class Screen { setup, counter, settings };

    Screen screen = Screen::setup;
    // Filled on the counter screen only.
    CounterInputs counter;
    // The digit colour and goal, for the setup and counter screens.
    QColor color;
    std::optional<Goal> goal;
    // Amounts as dashes, and the goal's amount left out.
    bool amountHidden = false;

    // Counting needs a start moment and a salary that can be counted; the
    // settings screen, while open, comes before both.
    static ScreenChoice from(const SettingsStore &store, bool showingSettings);
};
