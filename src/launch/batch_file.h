// The end of every launch: the command line written as the one line of "lancia.bat" in the
// emulator's directory, that line run there until the emulator exits, the file deleted.
#pragma once

#include <functional>
#include <string>

namespace arvok {

inline constexpr char kBatchFileName[] = "lancia.bat";

// The batch file's bytes: the command line, unchanged, and CR LF.
std::string BatchFileBytes(const std::string& commandLine);

// Runs the batch file's line in the emulator's directory and returns when it has ended; false,
// with the reason, when it could not be started. The real one is RunAndWait (on Windows with
// "cmd.exe /c lancia.bat"); tests and windows may put another in its place.
using BatchRunner = std::function<bool(const std::string& commandLine,
                                       const std::string& emulatorDir, std::string& error)>;
// An empty function restores the real runner.
void SetBatchRunner(BatchRunner runner);

struct TailResult {
    bool ran = false;
    std::string problem; // what to tell the user when it did not run
};

// Writes the batch file (replacing one left behind, whatever its letter case), runs it and
// waits, then deletes it. Nothing is shown here: the caller cleans up its own copies first and
// then reports "problem".
TailResult RunLaunchTail(const std::string& emulatorDir, const std::string& commandLine);

} // namespace arvok
