#include "platform/process_group.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/ending_signals.h"

namespace arvok {

namespace {

int ProcessDescriptor(pid_t pid) {
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
}

// Every child of this program, whichever of its threads it belongs to (an orphan taken in may
// belong to any).
std::vector<pid_t> Children() {
    std::vector<pid_t> children;
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks)
        return children;
    while (const dirent* task = readdir(tasks)) {
        std::ifstream list(std::string("/proc/self/task/") + task->d_name + "/children");
        for (pid_t child; list >> child;)
            children.push_back(child);
    }
    closedir(tasks);
    return children;
}

// How long a wait may go without looking again at a group whose leader has ended.
constexpr int kLongestLookMs = 256;

} // namespace

ProcessGroup::ProcessGroup(pid_t leader) : leader_(leader) {
    watched_.emplace(leader, ProcessDescriptor(leader));
}

ProcessGroup::~ProcessGroup() {
    for (const auto& [pid, fd] : watched_)
        if (fd >= 0)
            close(fd);
}

int ProcessGroup::exitStatus() const {
    return WIFSIGNALED(status_) ? 128 + WTERMSIG(status_) : WEXITSTATUS(status_);
}

// Reaps the members that have ended and the processes taken in that have, and watches the ones
// taken in since the last look.
void ProcessGroup::look() {
    int status = 0;
    for (pid_t ended; (ended = waitpid(-leader_, &status, WNOHANG)) > 0;)
        if (ended == leader_)
            status_ = status;
    for (auto it = watched_.begin(); it != watched_.end();) {
        if (waitpid(it->first, nullptr, WNOHANG) == 0) {
            ++it;
            continue;
        }
        if (it->second >= 0)
            close(it->second);
        it = watched_.erase(it);
    }
    // The program's own children outside this group and its own (those of the toolkit) are not
    // its business.
    for (pid_t child : Children())
        if (watched_.count(child) == 0 && getpgid(child) != getpgrp())
            watched_.emplace(child, ProcessDescriptor(child));
}

Woke ProcessGroup::wait(SteadyTime deadline, bool signals) {
    for (int relook = 1;;) {
        look();
        if (kill(-leader_, 0) != 0 && errno == ESRCH)
            return Woke::Ended;
        if (signals && Ending())
            return Woke::Ending;
        // No event tells that a member has left the group, nor of one without a descriptor: once
        // the leader has ended, the group is looked at again now and then, less often the longer
        // it lives on.
        const auto leader = watched_.find(leader_);
        int timeout = -1;
        if (leader == watched_.end() || leader->second < 0) {
            timeout = relook;
            relook = std::min(2 * relook, kLongestLookMs);
        }
        if (deadline != kNoDeadline) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                                  deadline - std::chrono::steady_clock::now())
                                  .count();
            if (left <= 0)
                return Woke::TimedOut;
            if (timeout < 0 || left < timeout)
                timeout = static_cast<int>(left);
        }
        std::vector<pollfd> fds;
        for (const auto& [pid, fd] : watched_)
            fds.push_back({fd, POLLIN, 0});
        fds.push_back({signals ? EndingSignalPipe() : -1, POLLIN, 0});
        poll(fds.data(), fds.size(), timeout);
    }
}

} // namespace arvok
