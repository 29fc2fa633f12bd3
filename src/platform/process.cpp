#include "platform/process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

// How often a wait for the emulator looks whether it has ended: soon after the start, so that a
// program that ends at once is not waited for long, then less and less often, down to every
// 50 ms.
constexpr int kFirstLookMs = 1, kLookMs = 50;

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

bool RunAndWait(const std::string& commandLine, const std::string& workDir, std::string& error) {
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
    // program's page tables are copied for it; the calling thread waits meanwhile.
    pid_t pid = vfork();
    if (pid < 0) {
        error = std::strerror(errno);
        close(pipeFds[0]);
        close(pipeFds[1]);
        return false;
    }
    if (pid == 0) {
        // Only async-signal-safe calls from here on, and nothing the program reads changed.
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
    close(pipeFds[1]);

    ChildFailure failure{};
    ssize_t got;
    do {
        got = read(pipeFds[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    close(pipeFds[0]);

    // The emulator is looked at every few milliseconds; an ending signal, whichever thread of
    // the program it reaches, wakes the wait at once: the emulator is told to end and waited for,
    // so that the launch cleans up after it as after every run.
    int status = 0;
    auto ended = [&](int options) {
        pid_t waited;
        while ((waited = waitpid(pid, &status, options)) < 0 && errno == EINTR) {
        }
        return waited != 0;
    };
    for (int look = kFirstLookMs; !ended(WNOHANG); look = std::min(2 * look, kLookMs))
        if (AwaitEndingSignal(look)) {
            kill(pid, SIGTERM);
            ended(0);
            break;
        }

    if (got == static_cast<ssize_t>(sizeof failure)) {
        error =
            PathText(failure.stage == 0 ? workDir : program) + ": " + std::strerror(failure.error);
        return false;
    }
    return true;
}

} // namespace arvok
