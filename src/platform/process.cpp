#include "platform/process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <pthread.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/code_page.h"
#include "platform/ending_signals.h"
#include "platform/path.h"
#include "platform/process_group.h"
#include "platform/standard_error.h"

namespace arvok {

std::vector<std::string> SplitAtBlanks(std::string_view line) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < line.size()) {
        size_t start = line.find_first_not_of(' ', pos);
        if (start == std::string_view::npos)
            break;
        size_t end = line.find(' ', start);
        if (end == std::string_view::npos)
            end = line.size();
        words.emplace_back(line.substr(start, end - start));
        pos = end;
    }
    return words;
}

std::string ProgramPathProblem(const std::string& path) {
    if (path.find(' ') != std::string::npos)
        return "Its path holds a blank: the launch line is split at blanks, so the program's "
               "path must have none.";
    if (access(path.c_str(), X_OK) != 0)
        return "The file may not be run: it lacks the permission to execute.";
    return {};
}

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// Starts "program" with "argv" in "workDir" as the leader of a process group of its own, with the
// ending signals and SIGPIPE at their default actions and the signal mask "mask": 0 and the
// process in "pid", or the error. The group stands in the background of the terminal the program
// may run in: what the emulator does with that terminal must not stop it, or the wait would never
// end, so it starts with SIGTTOU and SIGTTIN ignored.
int Spawn(const std::string& program, char* const argv[], const std::string& workDir,
          const sigset_t& mask, pid_t& pid) {
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF |
                                              POSIX_SPAWN_SETSIGMASK);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t byDefault;
    sigemptyset(&byDefault);
    for (int signal : kEndingSignals)
        sigaddset(&byDefault, signal);
    sigaddset(&byDefault, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &byDefault);
    posix_spawnattr_setsigmask(&attributes, &mask);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    // An ignored action is what a new program inherits; the caller's are back before any signal
    // is let through.
    const auto ttou = std::signal(SIGTTOU, SIG_IGN), ttin = std::signal(SIGTTIN, SIG_IGN);
    const int failed = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv, environ);
    std::signal(SIGTTOU, ttou);
    std::signal(SIGTTIN, ttin);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return failed;
}

// Waits until no process of the group that "leader" leads lives, and returns the leader's exit
// status. An ending signal, whichever thread of the program it reaches, wakes the wait at once:
// the group is told to end, killed when it has not within "grace", and waited for, so that the
// launch cleans up after it as after every run.
int WaitForGroup(pid_t leader, std::chrono::milliseconds grace) {
    ProcessGroup group(leader);
    EndWithProgram(leader);
    if (group.wait(kNoDeadline, true) == Woke::Ending) {
        kill(-leader, SIGTERM);
        kill(-leader, SIGCONT);
        if (group.wait(std::chrono::steady_clock::now() + grace, false) == Woke::TimedOut) {
            kill(-leader, SIGKILL);
            group.wait(kNoDeadline, false);
        }
    }
    EndWithProgram(0);
    return group.exitStatus();
}

} // namespace

std::string FindProgram(const std::string& program, const std::string& workDir) {
    if (program.empty())
        return {};
    if (program.find('/') != std::string::npos) {
        std::string path = program[0] == '/' ? program : JoinPath(workDir, program);
        return IsExecutableFile(path) ? path : std::string();
    }
    std::string local = JoinPath(workDir, program);
    if (IsExecutableFile(local))
        return local;
    const char* searchPath = std::getenv("PATH");
    std::string_view folders = searchPath ? searchPath : "";
    while (!folders.empty()) {
        size_t colon = folders.find(':');
        std::string_view folder = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
        if (folder.empty())
            continue;
        std::string candidate = JoinPath(folder, program);
        if (IsExecutableFile(candidate))
            return candidate;
    }
    return {};
}

RunResult RunAndWait(const std::string& commandLine, const std::string& workDir,
                     std::chrono::milliseconds grace) {
    std::vector<std::string> words = SplitAtBlanks(commandLine);
    if (words.empty())
        return {false, 0, "the command line is empty"};
    const std::string program = FindProgram(words[0], workDir);
    if (program.empty())
        return {false, 0, PathText(words[0]) + ": program not found"};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // What the emulator leaves behind when it ends is the program's to wait for while it runs.
    int wasReaper = 0;
    prctl(PR_GET_CHILD_SUBREAPER, &wasReaper);
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    // No signal reaches this thread while the emulator starts: an ending signal that came before
    // this point starts nothing; one that comes after it waits for the wait, which ends the
    // emulator.
    sigset_t all, callers;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &callers);
    const bool ending = Ending();
    pid_t pid = 0;
    const int failed = ending ? 0 : Spawn(program, argv.data(), workDir, callers, pid);
    pthread_sigmask(SIG_SETMASK, &callers, nullptr);
    RunResult result{!ending && !failed, 0, {}};
    if (ending) {
        result.error = "the program is ending";
    } else if (failed) {
        // The working directory is to blame when it cannot be changed to.
        const bool inDir = access((workDir + "/.").c_str(), X_OK) != 0;
        result.error = PathText(inDir ? workDir : program) + ": " + std::strerror(failed);
    } else {
        result.exitStatus = WaitForGroup(pid, grace);
        if (result.exitStatus != 0)
            WriteToStandardError(program + " ended with exit status " +
                                 std::to_string(result.exitStatus) + "\n");
    }
    prctl(PR_SET_CHILD_SUBREAPER, wasReaper);
    return result;
}

} // namespace arvok
