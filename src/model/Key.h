#pragma once

#include "ClosedList.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QRect>
#include <QString>
#include <QStringView>

#include <concepts>

#include <optional>
#include <type_traits>

// A value kept as a text of its own form: specialise with `read` (no value
// for a text that is not one) and `write`.
template <typename T> struct TextForm;

template <typename T>
concept HasTextForm = requires(const T &value, QStringView text) {
    { TextForm<T>::write(value) } -> std::same_as<QString>;
    { TextForm<T>::read(text) } -> std::same_as<std::optional<T>>;
};

// How a setting is kept in the file.
enum class StoredType { text, real, boolean, bytes, rect };

// A setting's name with the type of its value, so that reading a key as the
// wrong type does not compile.
template <typename T> struct Key {
    QLatin1StringView name;
    // What the key reads while it is absent or holds nothing readable.
    T (*fallback)();
    // Whether a stored value is one this key can hold (null: any).
    bool (*accepts)(const T &value) = nullptr;

    static constexpr StoredType storedType() {
        if constexpr (std::is_same_v<T, double>)
            return StoredType::real;
        else if constexpr (std::is_same_v<T, bool>)
            return StoredType::boolean;
        else if constexpr (std::is_same_v<T, std::optional<QByteArray>>)
            return StoredType::bytes;
        else if constexpr (std::is_same_v<T, QRect>)
            return StoredType::rect;
        else {
            static_assert(
                std::is_same_v<T, QString> || ClosedListEnum<T> || HasTextForm<T>,
                "a setting is a text, a number, a flag, bytes, a rectangle, a closed list "
                "or a value with a text form");
            return StoredType::text;
        }
    }
};
