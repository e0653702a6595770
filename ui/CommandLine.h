#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace pathsum {

// Whether the arguments ask for something no window is needed for: an export, the help or
// the version, or an option the program does not know (which it refuses). Read before the
// application is made, so that the offscreen platform can be chosen and no display is needed.
// Qt's own options (-style, -platform and the like) go with the window.
bool RunsWithoutWindow(int argc, char** argv);

// What the command line asks for: either the program ends at once with this status (after
// --help, --version, the exports, or arguments it refuses), or the window opens with the
// set-up file named (none: the start-up set-up).
struct CommandLineOutcome {
    std::optional<int> exitStatus;
    QString setup;
};

// Exit statuses: 0 when every file was written; 1 when the set-up or the run is refused or a
// file cannot be written (a message on standard error names the file and the reason); 2 for
// arguments the program does not understand.
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// Reads the arguments (those QApplication leaves) and, for --export, performs the run without
// a window and writes each file. Without `windowAvailable` (the offscreen platform was chosen
// for RunsWithoutWindow) arguments that ask for the window are refused.
CommandLineOutcome HandleCommandLine(const QStringList& arguments, bool windowAvailable);

}  // namespace pathsum
