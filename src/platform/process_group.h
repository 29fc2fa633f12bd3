// Waiting for every process of a started program's process group to end.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>

namespace arvok {

using SteadyTime = std::chrono::steady_clock::time_point;
inline constexpr SteadyTime kNoDeadline = SteadyTime::max();

enum class Woke { Ended, Ending, TimedOut };

// The process group that "leader", a child of this program, leads. The program is to take in the
// orphans of what it starts (PR_SET_CHILD_SUBREAPER) before it starts "leader": a member whose
// parent has ended is then a child of its own, watched through its process descriptor together
// with the ending signals' pipe, so that a wait wakes when the last member ends and never looks in
// between. A process that leaves the group (a daemon's setsid) no longer counts, and is reaped
// when it ends while the group is watched.
class ProcessGroup {
public:
    explicit ProcessGroup(pid_t leader);
    ~ProcessGroup();
    ProcessGroup(const ProcessGroup&) = delete;
    ProcessGroup& operator=(const ProcessGroup&) = delete;

    // Waits until no process of the group lives, an ending signal has arrived (when "signals"),
    // or "deadline" has passed.
    Woke wait(SteadyTime deadline, bool signals);

    // The leader's exit status, as a shell gives it (128 and the signal's number for one a signal
    // ended), once it has ended.
    int exitStatus() const;

private:
    void look();

    pid_t leader_;
    int status_ = 0;
    // The leader and the children taken in, members or not, with their process descriptors (-1
    // where none could be had).
    std::map<pid_t, int> watched_;
};

} // namespace arvok
