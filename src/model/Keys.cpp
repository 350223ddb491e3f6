#include "Keys.h"

#include <algorithm>
#include <array>

namespace {

const auto definitions = std::apply(
    [](const auto &...key) {
        return std::array{KeyDefinition{key.name, key.storedType()}...};
    },
    Keys::all);

} // namespace

namespace Keys {

bool isCurrencyCode(const QString &text) {
    return text.size() == 3 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

std::span<const KeyDefinition> table() {
    return definitions;
}

const KeyDefinition *find(QStringView name) {
    for (const KeyDefinition &entry : definitions)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

} // namespace Keys
