#pragma once

#include <QString>

#include <optional>

// How far the earnings have come towards the goal's amount.
struct GoalProgress {
    QString text;                   // "12% of 1,000", "Reached 1,000!" or the hint
    std::optional<double> fraction; // earned / amount; none without an amount

    // `amountHidden` leaves the goal's amount out: "12%", "Reached!".
    static GoalProgress of(std::optional<double> amount, double earned, bool amountHidden = false);

    // The bar's fill on a track `trackWidth` long: never under 4 points,
    // never beyond the track, none without an amount.
    std::optional<double> fillWidth(double trackWidth) const;
    // That fill in device pixels (0 without an amount): equal fills paint the same.
    int fillPixels(double trackWidth, double devicePixelRatio) const;
};
