#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// A closed choice list is an enum class whose cases are 0..N-1 and whose raw
// texts (stored value and identity) live in one table. Each list specialises
// ClosedListTraits with `rawValues`, and with `context` and `labels` when its
// cases are shown: a label is translated and may be reworded, the raw text is
// the file's word and never changes. The functions below are then shared by
// every list instead of being written once per enum.
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

template <typename Enum>
concept LabelledListEnum = ClosedListEnum<Enum> && requires {
    ClosedListTraits<Enum>::context;
    ClosedListTraits<Enum>::labels.size();
};

// What the user reads for a case, in the language of the installed translators.
template <LabelledListEnum Enum> QString label(Enum value) {
    return QCoreApplication::translate(
        ClosedListTraits<Enum>::context,
        ClosedListTraits<Enum>::labels.at(static_cast<std::size_t>(value)));
}

// Every case's label in order, as a picker's segments.
template <LabelledListEnum Enum> QStringList labels() {
    QStringList texts;
    for (Enum value : allCases<Enum>())
        texts << label(value);
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
