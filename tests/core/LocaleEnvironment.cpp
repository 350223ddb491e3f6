#include "LocaleEnvironment.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

LocaleEnvironment::LocaleEnvironment(const std::string &name) {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, name.c_str()) != nullptr) {
        active_ = true;
        return;
    }
    const auto folder = std::filesystem::temp_directory_path() / "paytick-test-locales";
    std::filesystem::create_directories(folder);
    const std::string source = name.substr(0, name.find('.'));
    const std::string command = "localedef -c -i " + source + " -f UTF-8 '" +
                                (folder / name).string() + "' >/dev/null 2>&1";
    if (!std::filesystem::exists(folder / name) && std::system(command.c_str()) != 0)
        return;
    ::setenv("LOCPATH", folder.c_str(), 1);
    active_ = std::setlocale(LC_ALL, name.c_str()) != nullptr;
}

LocaleEnvironment::~LocaleEnvironment() {
    std::setlocale(LC_ALL, previous_.c_str());
}
