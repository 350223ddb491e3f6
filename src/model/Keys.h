#pragma once

#include "CountFrom.h"
#include "Currency.h"
#include "CurrencyStyle.h"
#include "DayHours.h"
#include "DigitColor.h"
#include "GoalPictureKind.h"
#include "Key.h"
#include "PayPeriod.h"
#include "WeekDays.h"

#include <QTime>

#include <QStringView>

#include <array>
#include <span>
#include <tuple>

// What a key is without its type, for reading a file of unknown content.
struct KeyDefinition {
    QLatin1StringView name;
    StoredType type;
};

// Days kept as "Mon,Tue,Wed".
template <> struct TextForm<WeekDays> {
    static QString write(const WeekDays &days) { return days.toText(); }
    static std::optional<WeekDays> read(QStringView text) { return WeekDays::fromText(text); }
};

// Times of day kept as "09:00".
template <> struct TextForm<QTime> {
    static QString write(const QTime &time) { return time.toString(QStringLiteral("HH:mm")); }
    static std::optional<QTime> read(QStringView text) {
        const QTime time = QTime::fromString(text.toString(), QStringLiteral("HH:mm"));
        if (!time.isValid() || text.size() != 5)
            return std::nullopt;
        return time;
    }
};

// A day's own hours kept as "09:00-14:00" or "22:00-06:00 break 02:00-02:30";
// empty for none.
template <> struct TextForm<std::optional<DayHours>> {
    static QString write(const std::optional<DayHours> &hours) {
        return hours ? hours->toText() : QString();
    }
    static std::optional<std::optional<DayHours>> read(QStringView text) {
        if (text.isEmpty())
            return std::optional<DayHours>();
        if (const std::optional<DayHours> hours = DayHours::fromText(text))
            return hours;
        return std::nullopt;
    }
};

// Every setting, each with its type and default.
namespace Keys {

// An ISO 4217 code; anything else (a 10 kB text) would blank the display.
bool isCurrencyCode(const QString &text);

// Salary and counting.
inline constexpr Key<QString> salary{QLatin1StringView("salary"), [] { return QString(); }};
inline constexpr Key<PayPeriod> period{QLatin1StringView("period"),
                                       [] { return PayPeriod::monthly; }};
inline constexpr Key<double> startedAt{QLatin1StringView("startedAt"), [] { return 0.0; }};
// What the counter counts: since the start, or today's, this week's or this month's part.
inline constexpr Key<CountFrom> countFrom{QLatin1StringView("countFrom"),
                                          [] { return CountFrom::start; }};
// Display.
inline constexpr Key<QString> currency{QLatin1StringView("currency"),
                                       [] { return Currency::defaultCode(); }, &isCurrencyCode};
inline constexpr Key<CurrencyStyle> currencyStyle{QLatin1StringView("currencyStyle"),
                                                  [] { return CurrencyStyle::code; }};
inline constexpr Key<DigitColor> digitColor{QLatin1StringView("digitColor"),
                                            [] { return DigitColor::green; }};
// Goal.
inline constexpr Key<bool> goalEnabled{QLatin1StringView("goalEnabled"), [] { return false; }};
inline constexpr Key<QString> goalAmount{QLatin1StringView("goalAmount"), [] { return QString(); }};
inline constexpr Key<QString> goalText{QLatin1StringView("goalText"), [] { return QString(); }};
inline constexpr Key<GoalPictureKind> goalPicture{QLatin1StringView("goalPicture"),
                                                  [] { return GoalPictureKind::emoji; }};
// Beach with umbrella in emoji presentation.
inline constexpr Key<QString> goalEmoji{QLatin1StringView("goalEmoji"),
                                        [] { return QStringLiteral("\U0001F3D6\uFE0F"); }};
inline constexpr Key<std::optional<QByteArray>> goalImage{
    QLatin1StringView("goalImage"), [] { return std::optional<QByteArray>(); }};

// Working hours: counting only those, off unless chosen.
inline constexpr Key<bool> workingHours{QLatin1StringView("workingHours"), [] { return false; }};
inline constexpr Key<WeekDays> workDays{QLatin1StringView("workDays"),
                                        [] { return WeekDays::mondayToFriday(); }};
inline constexpr Key<QTime> workFrom{QLatin1StringView("workFrom"), [] { return QTime(9, 0); }};
inline constexpr Key<QTime> workTo{QLatin1StringView("workTo"), [] { return QTime(17, 0); }};
inline constexpr Key<bool> breakEnabled{QLatin1StringView("breakEnabled"), [] { return false; }};
inline constexpr Key<QTime> breakFrom{QLatin1StringView("breakFrom"), [] { return QTime(12, 0); }};
inline constexpr Key<QTime> breakTo{QLatin1StringView("breakTo"), [] { return QTime(13, 0); }};
// Off, each working day has its own hours; they stay stored while it is on.
inline constexpr Key<bool> sameHours{QLatin1StringView("sameHours"), [] { return true; }};
inline constexpr auto noOwnHours = [] { return std::optional<DayHours>(); };
inline constexpr Key<std::optional<DayHours>> hoursMon{QLatin1StringView("hoursMon"), noOwnHours};
inline constexpr Key<std::optional<DayHours>> hoursTue{QLatin1StringView("hoursTue"), noOwnHours};
inline constexpr Key<std::optional<DayHours>> hoursWed{QLatin1StringView("hoursWed"), noOwnHours};
inline constexpr Key<std::optional<DayHours>> hoursThu{QLatin1StringView("hoursThu"), noOwnHours};
inline constexpr Key<std::optional<DayHours>> hoursFri{QLatin1StringView("hoursFri"), noOwnHours};
inline constexpr Key<std::optional<DayHours>> hoursSat{QLatin1StringView("hoursSat"), noOwnHours};
inline constexpr Key<std::optional<DayHours>> hoursSun{QLatin1StringView("hoursSun"), noOwnHours};
// Each day's own hours, Monday first.
inline constexpr std::array<Key<std::optional<DayHours>>, 7> ownHours{
    hoursMon, hoursTue, hoursWed, hoursThu, hoursFri, hoursSat, hoursSun};

// Window.
// The amount shown as dashes, for a screen someone else can see.
inline constexpr Key<bool> amountHidden{QLatin1StringView("amountHidden"), [] { return false; }};
// The panel's place and size, in a group of its own as it always was; none
// until the user moves it.
inline constexpr Key<QRect> panelFrame{QLatin1StringView("MainPanel/frame"),
                                       [] { return QRect(); }};

// Every key, for code that visits them all.
inline constexpr std::tuple all{salary,     period,       startedAt,    currency,     currencyStyle,
                                digitColor, goalEnabled,  goalAmount,   goalText,     goalPicture,
                                goalEmoji,  goalImage,    workingHours, workDays,     workFrom,
                                workTo,     breakEnabled, breakFrom,    breakTo,      sameHours,
                                hoursMon,   hoursTue,     hoursWed,     hoursThu,     hoursFri,
                                hoursSat,   hoursSun,     countFrom,    amountHidden, panelFrame};

std::span<const KeyDefinition> table();

// The definition of `name`, or null when it is not a setting.
const KeyDefinition *find(QStringView name);

} // namespace Keys
