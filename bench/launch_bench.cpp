// The end of a launch whose emulator forks and exits: how long after its child, the last process
// of its group, has ended the launch is over (the batch file deleted, the window live again). It
// is printed with its ratio to the floor measured in the same run: the end of a child of the same
// program seen through its process descriptor by its parent, which polls it and reaps the child.
#include "bench_support.h"

#include <sys/syscall.h>
#include <sys/wait.h>

#include <filesystem>
#include <poll.h>
#include <string>
#include <time.h>

#include "launch/batch_file.h"

using namespace arvok;
using namespace arvok::bench;

namespace {

// This program run as the emulator, forking and exiting at once, its child ending a little later;
// and run as the floor's child, ending a little later itself.
const std::string kStandIn = "--fork-and-exit";
const std::string kEnding = "--end";
const std::string kFloor = "a child's end seen through its process descriptor (floor)";

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Waits a little, writes the time into "note" and ends.
[[noreturn]] void EndNoted(const std::string& note) {
    usleep(10000);
    const int fd = open(note.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const long long ended = NowNs();
    if (fd < 0 || write(fd, &ended, sizeof ended) != sizeof ended)
        _exit(1);
    close(fd);
    _exit(0);
}

// The time from the end noted in "note" until now, as the iteration's time.
void TimeSinceEnd(benchmark::State& state, const std::string& note) {
    const long long now = NowNs();
    long long ended = 0;
    const std::string bytes = ReadWhole(note);
    if (bytes.size() != sizeof ended)
        std::abort();
    std::memcpy(&ended, bytes.data(), sizeof ended);
    state.SetIterationTime(static_cast<double>(now - ended) / 1e9);
}

std::string Self() {
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) < 0)
        std::abort();
    return self;
}

void ForkingLaunch(benchmark::State& state, const std::string& dir) {
    const std::string note = dir + "/ended";
    for (auto _ : state) {
        if (!RunLaunchTail(dir, Self() + " " + kStandIn + " " + note).ran)
            std::abort();
        TimeSinceEnd(state, note);
    }
}

void ChildsEnd(benchmark::State& state, const std::string& dir) {
    const std::string note = dir + "/ended", self = Self();
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            execl(self.c_str(), self.c_str(), kEnding.c_str(), note.c_str(), nullptr);
            _exit(127);
        }
        pollfd watched{static_cast<int>(syscall(SYS_pidfd_open, child, 0)), POLLIN, 0};
        if (watched.fd < 0 || poll(&watched, 1, -1) != 1 || waitpid(child, nullptr, 0) != child)
            std::abort();
        TimeSinceEnd(state, note);
        close(watched.fd);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && argv[1] == kStandIn && fork() != 0)
        _exit(0);
    if (argc == 3 && (argv[1] == kStandIn || argv[1] == kEnding))
        EndNoted(argv[2]);
    const std::string dir = MakeInstallation();
    const std::string figure = "the launch over after a forking emulator's last process";
    benchmark::RegisterBenchmark(figure.c_str(), ForkingLaunch, dir)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(kFloor.c_str(), ChildsEnd, dir)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    // Timed by hand, each figure's name says so.
    const std::string manual = "/manual_time";
    RunAndReport(argc, argv, {{figure + manual, {3, {kFloor + manual}}}});
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
