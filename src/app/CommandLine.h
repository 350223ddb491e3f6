#pragma once

#include <optional>

class DesktopPlatform;
class Translations;

// What is settled before any window: --help, --version, options nobody knows,
// and whether there is a desktop session to show the panel in at all (Qt
// would abort with a core dump without one).
namespace CommandLine {

// Whether the arguments choose Qt's platform: "-platform NAME" (or
// "-platform=NAME"); "-platformtheme" and the like choose none.
bool choosesPlatform(int argc, char **argv);

// The exit code when Paytick must stop here; no value to go on and start.
// What it prints is in the language `translations` chose.
std::optional<int> settleBeforeStart(int argc, char **argv, const DesktopPlatform &desktop,
                                     const Translations &translations);

} // namespace CommandLine
