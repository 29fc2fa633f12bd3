#include "platform/process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/code_page.h"
#include "platform/ending_signals.h"
#include "platform/path.h"

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

// The write end of the pipe a child's end is noted in while a wait watches for it without the
// kernel's process descriptors.
int childEndedPipe = -1;

void NoteChildEnded(int) {
    const int saved = errno;
    const char byte = 0;
    ssize_t written = write(childEndedPipe, &byte, 1);
    (void)written;
    errno = saved;
}

enum class Woke { Ended, Ending, TimedOut };

// Watches a started process until it has ended, without looking at it over and over: its
// process descriptor, or where the kernel has none, a pipe that SIGCHLD writes to while this
// lives, is polled together with the ending signals' pipe.
class EndWatch {
public:
    explicit EndWatch(pid_t pid) : pid_(pid) {
#ifdef SYS_pidfd_open
        fd_ = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        if (fd_ >= 0)
            return;
#endif
        int fds[2];
        if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        fd_ = fds[0];
        childEndedPipe = fds[1];
        struct sigaction action {};
        action.sa_handler = NoteChildEnded;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
        sigaction(SIGCHLD, &action, &before_);
        childPipe_ = true;
    }
    EndWatch(const EndWatch&) = delete;
    EndWatch& operator=(const EndWatch&) = delete;
    ~EndWatch() {
        if (childPipe_) {
            sigaction(SIGCHLD, &before_, nullptr);
            close(childEndedPipe);
            childEndedPipe = -1;
        }
        if (fd_ >= 0)
            close(fd_);
    }

    // Waits until the process has ended and is reaped, an ending signal has arrived (when
    // "signals"), or "deadline" has passed. Without any descriptor to watch (none left to the
    // program) it looks at the process every few milliseconds instead.
    Woke wait(std::optional<Clock::time_point> deadline, bool signals) {
        for (;;) {
            pid_t waited;
            while ((waited = waitpid(pid_, nullptr, WNOHANG)) < 0 && errno == EINTR) {
            }
            if (waited != 0)
                return Woke::Ended;
            if (signals && Ending())
                return Woke::Ending;
            int timeout = -1;
            if (deadline) {
                const auto left =
                    std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now()).count();
                if (left <= 0)
                    return Woke::TimedOut;
                timeout = static_cast<int>(left);
            }
            if (fd_ < 0)
                timeout = timeout < 0 ? kLastResortLookMs : std::min(timeout, kLastResortLookMs);
            pollfd watched[2] = {{fd_, POLLIN, 0}, {signals ? EndingSignalPipe() : -1, POLLIN, 0}};
            poll(watched, 2, timeout);
            char bytes[16];
            while (childPipe_ && read(fd_, bytes, sizeof bytes) > 0) {
            }
        }
    }

private:
    static constexpr int kLastResortLookMs = 50;
    pid_t pid_;
    int fd_ = -1;
    bool childPipe_ = false;
    struct sigaction before_ {};
};

// Gives what is left of an ended emulator's group (a wrapper script's children) until
// "deadline" to end, then kills it. The ending program has taken in the group's orphans, so that
// an ended one is reaped here and never counts as left. Only an ending program waits so, looking
// every few milliseconds.
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

// What the child tells the parent through the pipe when it cannot go on.
struct ChildFailure {
    int stage; // 0: changing to the working directory, 1: starting the program
    int error;
};

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

bool RunAndWait(const std::string& commandLine, const std::string& workDir, std::string& error,
                std::chrono::milliseconds grace) {
    std::vector<std::string> words = SplitAtBlanks(commandLine);
    if (words.empty()) {
        error = "the command line is empty";
        return false;
    }
    std::string program = FindProgram(words[0], workDir);
    if (program.empty()) {
        error = PathText(words[0]) + ": program not found";
        return false;
    }
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        error = std::strerror(errno);
        return false;
    }
    if (fcntl(pipeFds[0], F_SETFD, FD_CLOEXEC) != 0 ||
        fcntl(pipeFds[1], F_SETFD, FD_CLOEXEC) != 0) {
        error = std::strerror(errno);
        close(pipeFds[0]);
        close(pipeFds[1]);
        return false;
    }

    // The child shares the program's memory until it starts the emulator, so that not even the
    // program's page tables are copied for it; the calling thread waits meanwhile. No signal is
    // let through until the child has given the caught ones back their default actions: a
    // handler of the program must not run in it.
    sigset_t all, callers;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &callers);
    // An ending signal that came before this point starts nothing; one that comes after it waits
    // for the wait, which ends the emulator.
    if (Ending()) {
        pthread_sigmask(SIG_SETMASK, &callers, nullptr);
        close(pipeFds[0]);
        close(pipeFds[1]);
        error = "the program is ending";
        return false;
    }
    pid_t pid = vfork();
    if (pid == 0) {
        // Only async-signal-safe calls from here on, and nothing the program reads changed.
        struct sigaction byDefault {};
        byDefault.sa_handler = SIG_DFL;
        for (int signal : kEndingSignals)
            sigaction(signal, &byDefault, nullptr);
        // The emulator leads a group of its own, which an ending signal ends as a whole. Such a
        // group stands in the background of the terminal the program may run in: what the
        // emulator does with that terminal must not stop it, or the wait would never end.
        setpgid(0, 0);
        struct sigaction ignored {};
        ignored.sa_handler = SIG_IGN;
        for (int signal : {SIGTTOU, SIGTTIN})
            sigaction(signal, &ignored, nullptr);
        sigprocmask(SIG_SETMASK, &callers, nullptr);
        ChildFailure failure{0, 0};
        if (chdir(workDir.c_str()) != 0) {
            failure.error = errno;
        } else {
            execv(program.c_str(), argv.data());
            failure = {1, errno};
        }
        ssize_t written = write(pipeFds[1], &failure, sizeof failure);
        (void)written;
        _exit(127);
    }
    pthread_sigmask(SIG_SETMASK, &callers, nullptr);
    if (pid < 0) {
        error = std::strerror(errno);
        close(pipeFds[0]);
        close(pipeFds[1]);
        return false;
    }
    close(pipeFds[1]);

    ChildFailure failure{};
    ssize_t got;
    do {
        got = read(pipeFds[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    close(pipeFds[0]);

    // An ending signal, whichever thread of the program it reaches, wakes the wait at once: the
    // emulator's group is told to end, killed when it has not within the grace, and waited for,
    // so that the launch cleans up after it as after every run.
    EndWatch watch(pid);
    EndWithProgram(pid);
    if (watch.wait(std::nullopt, true) == Woke::Ending) {
        const Clock::time_point deadline = Clock::now() + grace;
        prctl(PR_SET_CHILD_SUBREAPER, 1);
        kill(-pid, SIGTERM);
        kill(-pid, SIGCONT);
        if (watch.wait(deadline, false) == Woke::TimedOut) {
            kill(-pid, SIGKILL);
            watch.wait(std::nullopt, false);
        }
        EndGroup(pid, deadline);
    }
    EndWithProgram(0);

    if (got == static_cast<ssize_t>(sizeof failure)) {
        error =
            PathText(failure.stage == 0 ? workDir : program) + ": " + std::strerror(failure.error);
        return false;
    }
    return true;
}

} // namespace arvok
