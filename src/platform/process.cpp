#include "platform/process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/code_page.h"
#include "platform/ending_signals.h"
#include "platform/path.h"
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

using Clock = std::chrono::steady_clock;
constexpr Clock::time_point kNever = Clock::time_point::max();

enum class Woke { Ended, Ending, TimedOut };

// A started process, watched through its process descriptor together with the ending signals'
// pipe, so that a wait wakes when either has something to tell and never looks in between (only
// without a descriptor, none being left to the program, it looks every few milliseconds).
class Started {
public:
    explicit Started(pid_t pid)
        : pid_(pid), fd_(static_cast<int>(syscall(SYS_pidfd_open, pid, 0))) {}
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
    ~Started() {
        if (fd_ >= 0)
            close(fd_);
    }
    int exitStatus() const {
        return WIFSIGNALED(status_) ? 128 + WTERMSIG(status_) : WEXITSTATUS(status_);
    }

    // Waits until the process has ended and is reaped, an ending signal has arrived (when
    // "signals"), or "deadline" has passed.
    Woke wait(Clock::time_point deadline, bool signals) {
        for (;;) {
            pid_t waited;
            while ((waited = waitpid(pid_, &status_, WNOHANG)) < 0 && errno == EINTR) {
            }
            if (waited != 0)
                return Woke::Ended;
            if (signals && Ending())
                return Woke::Ending;
            int timeout = fd_ < 0 ? kLastResortLookMs : -1;
            if (deadline != kNever) {
                const auto left =
                    std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
                if (left <= 0)
                    return Woke::TimedOut;
                if (timeout < 0 || left < timeout)
                    timeout = static_cast<int>(left);
            }
            pollfd watched[2] = {{fd_, POLLIN, 0}, {signals ? EndingSignalPipe() : -1, POLLIN, 0}};
            poll(watched, 2, timeout);
        }
    }

private:
    static constexpr int kLastResortLookMs = 50;
    pid_t pid_;
    int fd_;
    int status_ = 0;
};

// Gives what is left of an ended emulator's group (a wrapper script's children) until
// "deadline" to end, then kills it. The ending program has taken in the group's orphans, so that
// an ended one is reaped here and never counts as left. Only an ending program looks so, often.
void EndGroup(pid_t group, Clock::time_point deadline) {
    for (;;) {
        while (waitpid(-group, nullptr, WNOHANG) > 0) {
        }
        if (kill(-group, 0) != 0)
            return;
        if (Clock::now() >= deadline) {
            kill(-group, SIGKILL);
            return;
        }
        usleep(5000);
    }
}

// Starts "program" with "argv" in "workDir" as the leader of a process group of its own, with the
// ending signals at their default actions and the signal mask "mask": 0 and the process in "pid",
// or the error. The group stands in the background of the terminal the program may run in: what
// the emulator does with that terminal must not stop it, or the wait would never end, so it starts
// with SIGTTOU and SIGTTIN ignored.
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
    if (ending)
        return {false, 0, "the program is ending"};
    if (failed) {
        // The working directory is to blame when it cannot be changed to.
        const bool inDir = access((workDir + "/.").c_str(), X_OK) != 0;
        return {false, 0, PathText(inDir ? workDir : program) + ": " + std::strerror(failed)};
    }

    // An ending signal, whichever thread of the program it reaches, wakes the wait at once: the
    // emulator's group is told to end, killed when it has not within the grace, and waited for,
    // so that the launch cleans up after it as after every run.
    Started started(pid);
    EndWithProgram(pid);
    if (started.wait(kNever, true) == Woke::Ending) {
        const Clock::time_point deadline = Clock::now() + grace;
        prctl(PR_SET_CHILD_SUBREAPER, 1);
        kill(-pid, SIGTERM);
        kill(-pid, SIGCONT);
        if (started.wait(deadline, false) == Woke::TimedOut) {
            kill(-pid, SIGKILL);
            started.wait(kNever, false);
        }
        EndGroup(pid, deadline);
    }
    EndWithProgram(0);
    const int status = started.exitStatus();
    if (status != 0)
        WriteToStandardError(program + " ended with exit status " + std::to_string(status) + "\n");
    return {true, status, {}};
}

} // namespace arvok
