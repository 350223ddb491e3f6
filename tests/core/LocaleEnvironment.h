#pragma once

#include <string>

// Switches the C library's locale for one test and restores it afterwards.
// Debian machines often lack the locale, so it is compiled with localedef into
// a private folder when the system has none.
class LocaleEnvironment {
public:
    explicit LocaleEnvironment(const std::string &name);
    ~LocaleEnvironment();
    LocaleEnvironment(const LocaleEnvironment &) = delete;
    LocaleEnvironment &operator=(const LocaleEnvironment &) = delete;

    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};
