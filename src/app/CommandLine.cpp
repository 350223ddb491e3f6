#include "CommandLine.h"

#include "DesktopPlatform.h"
#include "Translations.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

const char *const usage =
    QT_TRANSLATE_NOOP("CommandLine", "Usage: paytick [--help] [--version] [Qt options]\n"
                                     "Shows how much you have earned since you pressed Start "
                                     "Earning, on a\n"
                                     "small panel that floats above your other windows.\n"
                                     "\n"
                                     "  -h, --help     show this help and quit\n"
                                     "  -v, --version  show the version and quit\n");

// Qt's own options that take a value (the next argument).
bool isQtOptionWithValue(std::string_view option) {
    for (std::string_view known :
         {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-display", "-style",
          "-stylesheet", "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-session", "-name",
          "-title", "-geometry"})
        if (option == known)
            return true;
    return false;
}

bool platformChosen(int argc, char **argv) {
    if (CommandLine::choosesPlatform(argc, argv))
        return true;
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    return platform != nullptr && *platform != '\0' && std::strcmp(platform, "xcb") != 0;
}

bool isSet(const char *variable) {
    const char *value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

namespace CommandLine {

bool choosesPlatform(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument.starts_with("-platform="))
            return true;
    }
    return false;
}

std::optional<int> settleBeforeStart(int argc, char **argv, const DesktopPlatform &desktop,
                                     const Translations &translations) {
    const auto text = [&translations](const char *source) {
        return translations.translate("CommandLine", source).toLocal8Bit();
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::fputs(text(usage).constData(), stdout);
            return 0;
        }
        if (argument == "-v" || argument == "--version") {
            std::printf("paytick %s\n", PAYTICK_VERSION);
            return 0;
        }
        if (isQtOptionWithValue(argument)) {
            ++i;
        } else if (argument.starts_with("--") || !argument.starts_with("-")) {
            std::fprintf(stderr, "%s\n\n%s",
                         text(QT_TRANSLATE_NOOP("CommandLine", "paytick: unknown option %1"))
                             .replace("%1", argv[i])
                             .constData(),
                         text(usage).constData());
            return 2;
        }
    }
    // Another platform was asked for: Qt says itself what it lacks.
    if (platformChosen(argc, argv))
        return std::nullopt;
    const bool x11 = isSet("DISPLAY");
    if (!x11 && !isSet("WAYLAND_DISPLAY")) {
        std::fputs(text(QT_TRANSLATE_NOOP("CommandLine",
                                          "Paytick needs a graphical desktop session: neither "
                                          "DISPLAY nor WAYLAND_DISPLAY is set.\n"))
                       .constData(),
                   stderr);
        return 1;
    }
    if (x11 && !desktop.displayOpens()) {
        std::fputs(
            text(QT_TRANSLATE_NOOP("CommandLine", "Paytick needs a graphical desktop session: the "
                                                  "display %1 cannot be opened.\n"))
                .replace("%1", std::getenv("DISPLAY"))
                .constData(),
            stderr);
        return 1;
    }
    return std::nullopt;
}

} // namespace CommandLine
