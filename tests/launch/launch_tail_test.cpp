#include <gtest/gtest.h>

#include <filesystem>

#include "launch/batch_file.h"
#include "launch/stand_in.h"
#include "platform/path.h"

namespace arvok {
namespace {

using test::ReadBytes;
using test::StandIn;
using test::TempDir;
using test::WriteBytes;

TEST(LaunchTail, RunsTheLineFromAFreshBatchFileAndDeletesIt) {
    TempDir dir;
    StandIn emu(dir / "emu", dir / "emu", dir / "notes");
    WriteBytes(dir / "emu/lancia.bat", "left behind by an earlier launch\r\n");
    std::string line = emu.program() + " pacman  -sr 44100 ";

    TailResult result = RunLaunchTail(dir / "emu", line);

    EXPECT_TRUE(result.ran) << result.problem;
    test::StandInRun run = emu.run();
    EXPECT_EQ(run.batch, line + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "emu/lancia.bat"));

    // A link standing at the batch file's name is replaced; the file it names is left alone.
    WriteBytes(dir / "mine.txt", "mine\r\n");
    std::filesystem::create_symlink(dir / "mine.txt", dir / "emu/lancia.bat");
    EXPECT_TRUE(RunLaunchTail(dir / "emu", line).ran);
    EXPECT_EQ(emu.run().batch, line + "\r\n");
    EXPECT_EQ(ReadBytes(dir / "mine.txt"), "mine\r\n");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir / "emu/lancia.bat")));
}

TEST(LaunchTail, ABatchFileThatCannotBeWrittenIsReported) {
    TempDir dir;
    TailResult result = RunLaunchTail(dir / "nowhere", "emu pacman");
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(result.problem,
              "The launch file could not be written:\r" + dir / "nowhere/lancia.bat");
}

} // namespace
} // namespace arvok
