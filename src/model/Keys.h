#pragma once

#include "Currency.h"
#include "CurrencyStyle.h"
#include "DigitColor.h"
#include "GoalPictureKind.h"
#include "Key.h"
#include "PayPeriod.h"

#include <QStringView>

#include <span>
#include <tuple>

// What a key is without its type, for reading a file of unknown content.
struct KeyDefinition {
    QLatin1StringView name;
    StoredType type;
};

// The twelve settings, each with its type and default.
namespace Keys {

// An ISO 4217 code; anything else (a 10 kB text) would blank the display.
bool isCurrencyCode(const QString &text);

inline constexpr Key<QString> salary{QLatin1StringView("salary"), [] { return QString(); }};
inline constexpr Key<PayPeriod> period{QLatin1StringView("period"),
                                       [] { return PayPeriod::monthly; }};
inline constexpr Key<double> startedAt{QLatin1StringView("startedAt"), [] { return 0.0; }};
inline constexpr Key<QString> currency{QLatin1StringView("currency"),
                                       [] { return Currency::defaultCode(); }, &isCurrencyCode};
inline constexpr Key<CurrencyStyle> currencyStyle{QLatin1StringView("currencyStyle"),
                                                  [] { return CurrencyStyle::code; }};
inline constexpr Key<DigitColor> digitColor{QLatin1StringView("digitColor"),
                                            [] { return DigitColor::green; }};
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

// Every key, for code that visits them all.
inline constexpr std::tuple all{salary,        period,      startedAt,   currency,
                                currencyStyle, digitColor,  goalEnabled, goalAmount,
                                goalText,      goalPicture, goalEmoji,   goalImage};

std::span<const KeyDefinition> table();

// The definition of `name`, or null when it is not one of the twelve.
const KeyDefinition *find(QStringView name);

} // namespace Keys
