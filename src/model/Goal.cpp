#include "Goal.h"

#include "Earnings.h"
#include "GoalImage.h"
#include "GoalPictureKind.h"
#include "Keys.h"
#include "SettingsStore.h"

namespace {

Goal::Picture pictureFrom(const SettingsStore &store) {
    switch (store.get(Keys::goalPicture)) {
    case GoalPictureKind::none:
        return Goal::NoPicture{};
    case GoalPictureKind::emoji: {
        const QString emoji = store.get(Keys::goalEmoji);
        if (emoji.isEmpty())
            return Goal::NoPicture{};
        return Goal::Emoji{emoji};
    }
    case GoalPictureKind::image: {
        const QImage image = GoalImage::decode(store.get(Keys::goalImage).value_or(QByteArray()));
        if (image.isNull())
            return Goal::NoPicture{};
        return image;
    }
    }
    return Goal::NoPicture{};
}

} // namespace

std::optional<Goal> Goal::fromSettings(const SettingsStore &store) {
    if (!store.get(Keys::goalEnabled))
        return std::nullopt;
    return Goal{Earnings::parseAmount(store.get(Keys::goalAmount)), store.get(Keys::goalText),
                pictureFrom(store)};
}
