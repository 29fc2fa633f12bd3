#include "platform/ending_signals.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace arvok {

namespace {

int pipeFds[2] = {-1, -1};
volatile std::sig_atomic_t ending = 0;
volatile std::sig_atomic_t groupToKill = 0;

// Only the flag and the byte; errno is kept for the call the signal interrupted. A signal while
// ending is given back its default action, which it meets again as soon as the handler returns.
void NoteEndingSignal(int signal) {
    if (ending) {
        if (groupToKill)
            kill(-groupToKill, SIGKILL);
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    ending = 1;
    const int saved = errno;
    const char byte = 0;
    ssize_t written = write(pipeFds[1], &byte, 1);
    (void)written;
    errno = saved;
}

} // namespace

int CatchEndingSignals() {
    // A full pipe never blocks the handler: one byte waiting is enough.
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeFds[0] = pipeFds[1] = -1;
        return -1;
    }
    struct sigaction action {};
    action.sa_handler = NoteEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kEndingSignals)
        sigaction(signal, &action, nullptr);
    // A write to a pipe whose reader has gone (standard error's, once the terminal of
    // "arvok 2>&1 | tee log" is closed) fails instead of ending the program.
    std::signal(SIGPIPE, SIG_IGN);
    return pipeFds[0];
}

void EndWithProgram(int group) {
    groupToKill = group;
}

void BeginEnding() {
    ending = 1;
}

bool Ending() {
    return ending != 0;
}

int EndingSignalPipe() {
    return pipeFds[0];
}

bool TakeEndingSignals() {
    bool any = false;
    char bytes[16];
    while (read(pipeFds[0], bytes, sizeof bytes) > 0)
        any = true;
    return any;
}

} // namespace arvok
