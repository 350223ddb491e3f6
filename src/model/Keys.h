#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QVariant>

#include <span>

// How a setting is kept in the file.
enum class StoredType { text, real, boolean, bytes };

struct KeyDefinition {
    QLatin1StringView key;
    StoredType type;
    // The value read while the key is absent; a null QVariant means "none".
    QVariant (*defaultValue)();
    // For texts: whether a stored text is one this key can hold (null: any).
    bool (*accepts)(const QString &text) = nullptr;
};

// The twelve settings. Every read and every default comes from `table()`.
namespace Keys {

inline constexpr QLatin1StringView salary{"salary"};
inline constexpr QLatin1StringView period{"period"};
inline constexpr QLatin1StringView startedAt{"startedAt"};
inline constexpr QLatin1StringView currency{"currency"};
inline constexpr QLatin1StringView currencyStyle{"currencyStyle"};
inline constexpr QLatin1StringView digitColor{"digitColor"};
inline constexpr QLatin1StringView goalEnabled{"goalEnabled"};
inline constexpr QLatin1StringView goalAmount{"goalAmount"};
inline constexpr QLatin1StringView goalText{"goalText"};
inline constexpr QLatin1StringView goalPicture{"goalPicture"};
inline constexpr QLatin1StringView goalEmoji{"goalEmoji"};
inline constexpr QLatin1StringView goalImage{"goalImage"};

std::span<const KeyDefinition> table();

// The definition of `key`, or null when it is not one of the twelve.
const KeyDefinition *find(QStringView key);

// The definition of `key`; every key passed to the store's typed reads must be
// one of the twelve.
const KeyDefinition &definition(QLatin1StringView key);

} // namespace Keys
