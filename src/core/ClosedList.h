#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// A closed choice list is an enum class whose cases are 0..N-1 and whose raw
// texts (stored value, identity, and usually the label) live in one table.
// Each list specialises ClosedListTraits with `rawValues`; the functions below
// are then shared by every list instead of being written once per enum.
template <typename Enum> struct ClosedListTraits;

template <typename Enum>
concept ClosedListEnum = requires {
    ClosedListTraits<Enum>::rawValues.size();
};

template <ClosedListEnum Enum> constexpr auto allCases() {
    constexpr std::size_t count = ClosedListTraits<Enum>::rawValues.size();
    std::array<Enum, count> cases{};
    for (std::size_t i = 0; i < count; ++i)
        cases[i] = static_cast<Enum>(i);
    return cases;
}

template <ClosedListEnum Enum> QString rawValue(Enum value) {
    const std::string_view text =
        ClosedListTraits<Enum>::rawValues.at(static_cast<std::size_t>(value));
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Every case's raw text in order, as a picker's labels.
template <ClosedListEnum Enum> QStringList rawValues() {
    QStringList texts;
    for (Enum value : allCases<Enum>())
        texts << rawValue(value);
    return texts;
}

// Exact, case-sensitive match of the whole text; anything else is no value.
template <ClosedListEnum Enum> std::optional<Enum> fromRawValue(QStringView text) {
    const auto &texts = ClosedListTraits<Enum>::rawValues;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QLatin1StringView candidate(texts[i].data(), static_cast<qsizetype>(texts[i].size()));
        if (text == candidate)
            return static_cast<Enum>(i);
    }
    return std::nullopt;
}
