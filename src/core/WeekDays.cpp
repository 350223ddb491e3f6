#include "WeekDays.h"

#include <QList>

#include <array>
#include <bit>

namespace {

const std::array<QLatin1StringView, 7> abbreviations{
    QLatin1StringView("Mon"), QLatin1StringView("Tue"), QLatin1StringView("Wed"),
    QLatin1StringView("Thu"), QLatin1StringView("Fri"), QLatin1StringView("Sat"),
    QLatin1StringView("Sun")};

} // namespace

WeekDays WeekDays::mondayToFriday() {
    WeekDays days;
    days.mask_ = 0b0011111;
    return days;
}

WeekDays WeekDays::with(int day, bool on) const {
    WeekDays changed = *this;
    if (day < 1 || day > 7)
        return changed;
    const unsigned bit = 1u << (day - 1);
    changed.mask_ = on ? mask_ | bit : mask_ & ~bit;
    return changed;
}

int WeekDays::count() const {
    return std::popcount(mask_);
}

QString WeekDays::toText() const {
    QString text;
    for (int day = 1; day <= 7; ++day) {
        if (!contains(day))
            continue;
        if (!text.isEmpty())
            text += u',';
        text += abbreviations[std::size_t(day - 1)];
    }
    return text;
}

std::optional<WeekDays> WeekDays::fromText(QStringView text) {
    WeekDays days;
    if (text.isEmpty())
        return days;
    for (QStringView part : text.split(u',')) {
        int day = 0;
        for (int i = 0; i < 7 && day == 0; ++i)
            if (part == abbreviations[std::size_t(i)])
                day = i + 1;
        if (day == 0 || days.contains(day))
            return std::nullopt;
        days = days.with(day, true);
    }
    return days;
}
