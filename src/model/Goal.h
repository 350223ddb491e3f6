#pragma once

#include <QImage>
#include <QString>

#include <optional>
#include <variant>

class SettingsStore;

// The savings goal as the screens show it, derived from the stored settings.
struct Goal {
    struct NoPicture {};
    struct Emoji {
        QString text;
    };
    using Picture = std::variant<NoPicture, Emoji, QImage>;

    std::optional<double> amount;
    QString text;
    Picture picture;

    // No goal while the goal is switched off; otherwise always a goal, with
    // whatever parts the settings give.
    static std::optional<Goal> fromSettings(const SettingsStore &store);
};
