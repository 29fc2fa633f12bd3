// The program itself, started as a user starts it in an installation folder, without a display.
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "support/test_support.h"

namespace arvok::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// One start in "dir", killed when the object goes away, or by the system when the test program
// dies first. "readOnly": it may not write there, even as root.
class Start {
public:
    explicit Start(const std::string& dir, bool readOnly = false) : pid_(fork()) {
        if (pid_ != 0)
            return;
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        for (int overrides : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            if (readOnly)
                prctl(PR_CAPBSET_DROP, overrides);
        dup2(open("/dev/null", O_WRONLY), 2);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (chdir(dir.c_str()) == 0)
            execl(ARVOK_PROGRAM, "arvok", nullptr);
        _exit(127);
    }
    ~Start() {
        if (!ended(0s)) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    // Whether it catches SIGTERM within "limit", as it does once it has started.
    bool catchesSigterm(Clock::duration limit) {
        for (const auto end = Clock::now() + limit; !ended(5ms) && Clock::now() < end;) {
            std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
            for (std::string line; std::getline(status, line);)
                if (line.rfind("SigCgt:", 0) == 0 &&
                    std::stoull(line.substr(7), nullptr, 16) & 1ull << (SIGTERM - 1))
                    return true;
        }
        return false;
    }
    // Sends SIGTERM and tells how it ended.
    std::string terminate() {
        kill(pid_, SIGTERM);
        if (!ended(5s))
            return "still running";
        return WIFEXITED(status_) ? "exit " + std::to_string(WEXITSTATUS(status_))
                                  : "signal " + std::to_string(WTERMSIG(status_));
    }

private:
    // Whether it has ended, waiting at most "limit".
    bool ended(Clock::duration limit) {
        for (const auto end = Clock::now() + limit; !reaped_; std::this_thread::sleep_for(1ms))
            if (waitpid(pid_, &status_, WNOHANG) == pid_)
                reaped_ = true;
            else if (Clock::now() >= end)
                break;
        return reaped_;
    }
    pid_t pid_;
    int status_ = 0;
    bool reaped_ = false;
};

// Every file under "dir" with its bytes.
std::string Contents(const std::string& dir) {
    std::string all;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        all += entry.path().string() + "\n" + ReadBytes(entry.path()) + "\n";
    return all;
}

TEST(Program, RunsOncePerInstallationEndsOnSigtermSavedAndStartsReadOnly) {
    // It opens the MAME window at start, on a settings file whose lines end with LF alone.
    TempDir dir;
    const std::string cfg = ReadBytes(Fixture("cfg/Mame.cfg"));
    std::string lf = cfg;
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    WriteBytes(dir / "Cfg/Mame.cfg", lf);
    WriteBytes(dir / "Data/Mame.dat", ReadBytes(ShippedData("Mame.dat")) +
                                          WithCrLf({"Puzzle, the;", "Pac-Man;", "1942;"}));
    WriteLines(dir / "arvok.ini", {"AutoloadOnStartup = 1", "DefaultLayout = Work"});
    WriteLines(dir / "layouts.dat", {"[Work]", "MAME,400,3950,6345,4620", "-"});
    const auto started = Clock::now();
    Start first(dir.path());
    ASSERT_TRUE(first.catchesSigterm(10s)) << "SIGTERM is never caught";
    const auto startUp = Clock::now() - started;

    // A second start, whose message box holds it until answered, does nothing else.
    const std::string before = Contents(dir.path());
    EXPECT_FALSE(Start(dir.path()).catchesSigterm(4 * startUp + 200ms));
    EXPECT_EQ(Contents(dir.path()), before);

    // SIGTERM ends it as "Exit" does, its window saved, and the next start runs.
    EXPECT_EQ(first.terminate(), "exit 0");
    EXPECT_EQ(ReadBytes(dir / "Cfg/Mame.cfg"), cfg);
    Start next(dir.path());
    EXPECT_TRUE(next.catchesSigterm(10s));
    EXPECT_EQ(next.terminate(), "exit 0");

    // An installation where nothing can be written starts all the same.
    TempDir readOnly;
    WriteBytes(readOnly / "Cfg/Mame.cfg", "");
    std::filesystem::permissions(readOnly.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    Start third(readOnly.path(), true);
    EXPECT_TRUE(third.catchesSigterm(10s)) << "a read-only installation does not start";
    EXPECT_EQ(third.terminate(), "exit 0");
    EXPECT_EQ(Entries(readOnly.path()), std::vector<std::string>{"Cfg"}) << "not read-only";
}

} // namespace
} // namespace arvok::test
