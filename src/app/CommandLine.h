#pragma once

#include <optional>

class DesktopPlatform;

// What is settled before any window: --help, --version, options nobody knows,
// and whether there is a desktop session to show the panel in at all (Qt
// would abort with a core dump without one).
namespace CommandLine {

// The exit code when Paytick must stop here; no value to go on and start.
std::optional<int> settleBeforeStart(int argc, char **argv, const DesktopPlatform &desktop);

} // namespace CommandLine
