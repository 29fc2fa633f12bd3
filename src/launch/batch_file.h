// The end of every launch: the command line written as the one line of "lancia.bat" in the
// emulator's directory, that line run there until the emulator exits, the file deleted.
#pragma once

#include <string>

namespace arvok {

inline constexpr char kBatchFileName[] = "lancia.bat";

// The batch file's bytes: the command line, unchanged, and CR LF.
std::string BatchFileBytes(const std::string& commandLine);

// What the user is told when the emulator could not be started, followed by "why".
std::string CannotStart(const std::string& why);

struct TailResult {
    bool ran = false;
    std::string problem; // what to tell the user when it did not run
};

// Writes the batch file (replacing one left behind, whatever its letter case, and a link standing
// at its name rather than the file the link names), runs its line with RunAndWait in the
// emulator's directory until it has ended, then deletes it. A command line that cannot be the
// file's one line as it stands (it holds a line break or a NUL) is neither written nor run.
// Nothing is shown here: the caller cleans up its own copies first and then reports "problem".
TailResult RunLaunchTail(const std::string& emulatorDir, const std::string& commandLine);

} // namespace arvok
