#include "Keys.h"

#include "Currency.h"
#include "CurrencyStyle.h"
#include "DigitColor.h"
#include "GoalPictureKind.h"
#include "PayPeriod.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

QVariant emptyText() {
    return QString();
}

// An ISO 4217 code; anything else (a 10 kB text) would blank the display.
bool isCurrencyCode(const QString &text) {
    return text.size() == 3 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

const std::array<KeyDefinition, 12> definitions{{
    {Keys::salary, StoredType::text, &emptyText},
    {Keys::period, StoredType::text, [] { return QVariant(rawValue(PayPeriod::monthly)); }},
    {Keys::startedAt, StoredType::real, [] { return QVariant(0.0); }},
    {Keys::currency, StoredType::text, [] { return QVariant(Currency::defaultCode()); },
     &isCurrencyCode},
    {Keys::currencyStyle, StoredType::text, [] { return QVariant(rawValue(CurrencyStyle::code)); }},
    {Keys::digitColor, StoredType::text, [] { return QVariant(rawValue(DigitColor::green)); }},
    {Keys::goalEnabled, StoredType::boolean, [] { return QVariant(false); }},
    {Keys::goalAmount, StoredType::text, &emptyText},
    {Keys::goalText, StoredType::text, &emptyText},
    {Keys::goalPicture, StoredType::text,
     [] { return QVariant(rawValue(GoalPictureKind::emoji)); }},
    // Beach with umbrella in emoji presentation.
    {Keys::goalEmoji, StoredType::text,
     [] { return QVariant(QStringLiteral("\U0001F3D6\uFE0F")); }},
    {Keys::goalImage, StoredType::bytes, [] { return QVariant(); }},
}};

template <typename Text> const KeyDefinition *lookup(Text key) {
    for (const KeyDefinition &entry : definitions)
        if (entry.key == key)
            return &entry;
    return nullptr;
}

} // namespace

namespace Keys {

std::span<const KeyDefinition> table() {
    return definitions;
}

const KeyDefinition *find(QStringView key) {
    return lookup(key);
}

const KeyDefinition &definition(QLatin1StringView key) {
    if (const KeyDefinition *entry = lookup(key))
        return *entry;
    throw std::invalid_argument("not a settings key");
}

} // namespace Keys
