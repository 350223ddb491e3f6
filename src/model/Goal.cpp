#include "Goal.h"

#include "Earnings.h"
#include "GoalImage.h"
#include "GoalPictureKind.h"
#include "Keys.h"
#include "SettingsStore.h"

namespace {

Goal::Picture pictureFrom(const SettingsStore &store) {
    switch (store.choice<GoalPictureKind>(Keys::goalPicture)) {
    case GoalPictureKind::none:
        return Goal::NoPicture{};
    case GoalPictureKind::emoji: {
        const QString emoji = store.text(Keys::goalEmoji);
        if (emoji.isEmpty())
            return Goal::NoPicture{};
        return Goal::Emoji{emoji};
    }
    case GoalPictureKind::image: {
        const QImage image = GoalImage::decode(store.bytes(Keys::goalImage).value_or(QByteArray()));
        if (image.isNull())
            return Goal::NoPicture{};
        return image;
    }
    }
    return Goal::NoPicture{};
}

} // namespace

std::optional<Goal> Goal::fromSettings(const SettingsStore &store) {
    if (!store.flag(Keys::goalEnabled))
        return std::nullopt;
    return Goal{Earnings::parseAmount(store.text(Keys::goalAmount)), store.text(Keys::goalText),
                pictureFrom(store)};
}
