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

// How a run went: "started" false, with the reason in "error", when the program could not be
// started, or was not because an ending signal (CatchEndingSignals) had come; otherwise its exit
// status, as a shell gives it (128 and the signal's number for one a signal ended).
struct RunResult {
    bool started = false;
    int exitStatus = 0;
    std::string error;
};

// Runs "commandLine" with "workDir" as the working directory of the new process (the caller's
// own current directory is left alone) and returns as soon as it and every process of its group
// have ended, having written its exit status to standard error when it is not 0. No shell is
// involved: the line is split at blanks and the first word is the program (FindProgram), which
// leads a process group of its own (a process that leaves it, a daemon, is not waited for). An
// ending signal caught meanwhile sends the group SIGTERM, and SIGKILL to what is left of it once
// "grace" is over; the call returns once the group is gone.
RunResult RunAndWait(const std::string& commandLine, const std::string& workDir,
                     std::chrono::milliseconds grace = kEndingGrace);

} // namespace arvok
