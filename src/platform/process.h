// Starting a program and waiting, without time-out, until it has ended.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace arvok {

// The words of a command line: runs of blanks separate words; blanks at either end give none.
std::vector<std::string> SplitAtBlanks(std::string_view line);

// Where a program is found: a name holding "/" is taken as it stands, relative to "workDir"
// unless absolute; a bare name is looked for in "workDir", then in each folder of PATH. Only an
// executable regular file counts. Empty when none is found.
std::string FindProgram(const std::string& program, const std::string& workDir);

// Why the program at "path" cannot be the first word of a launch line and be started, in words
// for the user: the line is split at blanks, so a path holding one is cut there, and a file that
// may not be executed cannot be run. Empty when neither stands in the way.
std::string ProgramPathProblem(const std::string& path);

// How long a program told to end because the program itself ends may take before it is killed.
inline constexpr std::chrono::milliseconds kEndingGrace = std::chrono::seconds(5);

// Runs "commandLine" with "workDir" as the working directory of the new process (the caller's
// own current directory is left alone) and returns as soon as it has ended. No shell is
// involved: the line is split at blanks and the first word is the program (FindProgram), which
// leads a process group of its own. False, with the reason in "error", when the process could not
// be started, or not started because an ending signal (CatchEndingSignals) had come; the exit
// status is not looked at. An ending signal caught meanwhile sends the group SIGTERM, and SIGKILL
// to what is left of it once "grace" is over; the call returns once the process has ended and
// its group is gone or killed.
bool RunAndWait(const std::string& commandLine, const std::string& workDir, std::string& error,
                std::chrono::milliseconds grace = kEndingGrace);

} // namespace arvok
