#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/ending_signals.h"
#include "platform/path.h"
#include "platform/process.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;
using test::WriteScript;

// The wait status of running "script" in "dir"/emu with a grace of 300 ms, the script sending the
// run an ending signal, in a process of its own (an ending lasts for its life); -1 when the run or
// the pid in "dir"/left (orphaned, it comes here) ran 2 s.
int EndingOf(const TempDir& dir, const std::string& script) {
    WriteScript(dir / "emu/start", script);
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    const pid_t program = fork();
    if (program == 0) {
        alarm(2);
        CatchEndingSignals();
        RunAndWait("start", dir / "emu", std::chrono::milliseconds(300));
        _exit(0);
    }
    int status = 0;
    waitpid(program, &status, 0);
    const pid_t pid = std::stoi("0" + ReadBytes(dir / "left"));
    for (int ms = 0; ms < 2000 && pid && waitpid(pid, nullptr, WNOHANG) == 0; ++ms)
        usleep(1000);
    prctl(PR_SET_CHILD_SUBREAPER, 0);
    return pid && kill(pid, 0) != 0 ? status : -1;
}

TEST(SplitAtBlanks, RunsOfBlanksSeparateAndEndsGiveNothing) {
    EXPECT_EQ(SplitAtBlanks(" emu  pacman -sr 44100 "),
              (std::vector<std::string>{"emu", "pacman", "-sr", "44100"}));
    EXPECT_TRUE(SplitAtBlanks("").empty());
    EXPECT_TRUE(SplitAtBlanks("   ").empty());
}

TEST(RunAndWait, RunsInTheGivenDirectoryWithTheLinesWordsAndWaitsForTheEnd) {
    TempDir dir;
    std::filesystem::create_directories(dir / "emu");
    WriteScript(dir / "emu/start", "sleep 0.3\npwd -P > '" + dir / "out" +
                                       "'\nfor a in \"$@\"; do echo \"[$a]\"; done >> '" +
                                       dir / "out" + "'\n");
    std::string before = CurrentDirectory();
    // A bare program name is found in the working directory.
    ASSERT_TRUE(RunAndWait("start  one two ", dir / "emu").started);
    EXPECT_EQ(ReadBytes(dir / "out"),
              std::filesystem::canonical(dir / "emu").string() + "\n[one]\n[two]\n");
    EXPECT_EQ(CurrentDirectory(), before);
    // How it ended is told as a shell tells it.
    WriteScript(dir / "emu/start", "exit 3\n");
    EXPECT_EQ(RunAndWait("start", dir / "emu").exitStatus, 3);
    WriteScript(dir / "emu/start", "kill -KILL $$\n");
    EXPECT_EQ(RunAndWait("start", dir / "emu").exitStatus, 128 + SIGKILL);
}

TEST(RunAndWait, LooksInTheWorkingDirectoryBeforeThePath) {
    TempDir dir;
    WriteScript(dir / "emu/tool", "echo local > '" + dir / "out" + "'\n");
    WriteScript(dir / "bin/tool", "echo path > '" + dir / "out" + "'\n");
    std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (dir / "bin:" + savedPath).c_str(), 1);
    EXPECT_EQ(FindProgram("tool", dir / "emu"), dir / "emu/tool");
    // A path holding a folder is taken from the working directory, and never looked for on PATH.
    EXPECT_EQ(FindProgram("../emu/tool", dir / "emu"), dir / "emu/../emu/tool");
    EXPECT_EQ(FindProgram("./tool", dir.path()), "");
    EXPECT_TRUE(RunAndWait("tool", dir / "emu").started);
    EXPECT_EQ(ReadBytes(dir / "out"), "local\n");
    std::filesystem::remove(dir / "emu/tool");
    EXPECT_TRUE(RunAndWait("tool", dir / "emu").started);
    EXPECT_EQ(ReadBytes(dir / "out"), "path\n");
    setenv("PATH", savedPath.c_str(), 1);
}

TEST(RunAndWait, SaysWhyAProgramCouldNotBeStarted) {
    TempDir dir;
    WriteBytes(dir / "emu/plain", "not a program");
    WriteBytes(dir / "emu/broken", "#!/no/such/interpreter\n");
    chmod((dir / "emu/broken").c_str(), 0755);
    EXPECT_EQ(RunAndWait(dir / "emu/missing x", dir / "emu").error,
              dir / "emu/missing: program not found");
    EXPECT_FALSE(RunAndWait("plain", dir / "emu").started);
    RunResult run = RunAndWait("broken", dir / "emu");
    EXPECT_FALSE(run.started);
    EXPECT_NE(run.error.find("broken"), std::string::npos) << run.error;
    WriteScript(dir / "emu/fine", "");
    run = RunAndWait(dir / "emu/fine", dir / "gone");
    EXPECT_FALSE(run.started);
    EXPECT_NE(run.error.find("gone"), std::string::npos) << run.error;
    EXPECT_FALSE(RunAndWait("   ", dir / "emu").started);
}

TEST(RunAndWait, LastsWhileTheGroupLivesButNotForADaemonWhichIsReapedWhenItEnds) {
    TempDir dir;
    // The emulator's child outlives it; of the two daemons, one lives on and one ends meanwhile.
    WriteScript(dir / "emu/start", "(sleep 0.2; echo late > ../late) &\n"
                                   "(setsid sh -c 'echo $$ > ../daemon; exec sleep 5' &)\n"
                                   "(setsid sh -c 'echo $$ > ../brief' &)\n"
                                   "until [ -s ../brief ]; do sleep 0.01; done\nexit 4\n");
    EXPECT_EQ(RunAndWait("start", dir / "emu").exitStatus, 4);
    EXPECT_EQ(ReadBytes(dir / "late"), "late\n");
    const pid_t daemon = std::stoi(ReadBytes(dir / "daemon"));
    const std::string stat = ReadBytes("/proc/" + std::to_string(daemon) + "/stat");
    EXPECT_EQ(stat.substr(stat.rfind(')') + 2, 1), "S") << "not left running";
    EXPECT_EQ(kill(daemon, SIGKILL), 0);
    waitpid(daemon, nullptr, 0);
    EXPECT_NE(kill(std::stoi(ReadBytes(dir / "brief")), 0), 0) << "left unreaped";
}

TEST(RunAndWait, AnEndingSignalEndsTheEmulatorsGroupAndKillsWhatOutlivesTheGrace) {
    TempDir dir;
    // Started through a script, the emulator itself is the script's child.
    const std::string wrapper = "sleep 30 & echo $! > ../left\nkill -TERM $PPID\nwait\n";
    EXPECT_EQ(EndingOf(dir, wrapper), 0);
    // One that ignores SIGTERM is killed once its grace is over.
    EXPECT_EQ(EndingOf(dir, "trap '' TERM\n" + wrapper), 0);
    // So is a child left running that ignores SIGTERM, though the script itself ended.
    EXPECT_EQ(EndingOf(dir, "(trap '' TERM; : > ../ready; exec sleep 30) & echo $! > ../left\n"
                            "until [ -e ../ready ]; do sleep 0.01; done\nkill -TERM $PPID\nwait\n"),
              0);
    // A daemon it started is left running.
    EXPECT_EQ(EndingOf(dir, "(setsid sh -c 'echo $$ > ../daemon; exec sleep 5' &)\n"
                            "until [ -s ../daemon ]; do sleep 0.01; done\necho $$ > ../left\n"
                            "kill -TERM $PPID\nsleep 30\n"),
              0);
    const pid_t daemon = std::stoi(ReadBytes(dir / "daemon"));
    EXPECT_EQ(kill(daemon, SIGKILL), 0);
    waitpid(daemon, nullptr, 0);
    // A second ending signal meanwhile ends the program at once, and the emulator with it.
    EXPECT_EQ(EndingOf(dir, "trap '' TERM\necho $$ > ../left\nkill -TERM $PPID\nsleep 0.1\n"
                            "kill -TERM $PPID\nsleep 30\n"),
              SIGTERM);
}

} // namespace
} // namespace arvok
