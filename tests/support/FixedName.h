#pragma once

#include <algorithm>
#include <cstddef>

// A text usable as a template argument, to name a fixture's locale or zone:
// InLocale<"de_DE">.
template <std::size_t N> struct FixedName {
    constexpr FixedName(const char (&name)[N]) { std::copy_n(name, N, text); }
    char text[N];
};
