#pragma once

#include "ClosedList.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <optional>
#include <type_traits>

// How a setting is kept in the file.
enum class StoredType { text, real, boolean, bytes };

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
        else {
            static_assert(std::is_same_v<T, QString> || ClosedListEnum<T>,
                          "a setting is a text, a number, a flag, bytes or a closed list");
            return StoredType::text;
        }
    }
};
