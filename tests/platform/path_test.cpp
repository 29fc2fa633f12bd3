#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "platform/path.h"
#include "platform/text_file.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::Entries;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;
using Names = std::vector<std::string>;

TEST(ResolveName, PrefersExactSpellingThenAnyCaseThenGivenName) {
    TempDir dir;
    WriteBytes(dir / "cfg/Mame.SET", "x");
    WriteBytes(dir / "Data/mame.dat", "a");
    WriteBytes(dir / "Data/Mame.dat", "b");
    EXPECT_EQ(ResolvePath(dir.path(), {"Cfg", "mame.set"}), dir / "cfg/Mame.SET");
    EXPECT_EQ(ResolvePath(dir.path(), {"Data", "Mame.dat"}), dir / "Data/Mame.dat");
    EXPECT_EQ(ResolvePath(dir.path(), {"Anim", "pacman"}), dir / "Anim/pacman");
}

TEST(MakeDirectory, DoesNotCreateASecondSpellingBesideAnExistingOne) {
    TempDir dir;
    WriteBytes(dir / "cfg/keep", "");
    EXPECT_TRUE(MakeDirectory(dir.path(), "Cfg"));
    EXPECT_FALSE(IsDirectory(dir / "Cfg"));
    EXPECT_TRUE(MakeDirectory(dir.path(), "Data"));
    EXPECT_TRUE(IsDirectory(dir / "Data"));
}

TEST(IsPresentFile, CountsOnlyVisibleRegularFiles) {
    TempDir dir;
    WriteBytes(dir / "a.zip", "");
    WriteBytes(dir / ".hidden.zip", "");
    WriteBytes(dir / "x.zip/inner", "");
    EXPECT_TRUE(IsPresentFile(dir / "a.zip"));
    EXPECT_FALSE(IsPresentFile(dir / ".hidden.zip"));
    EXPECT_FALSE(IsPresentFile(dir / "x.zip"));
    EXPECT_FALSE(IsPresentFile(dir / "none.zip"));
    EXPECT_EQ(ListPresentFiles(dir.path()), Names{"a.zip"});
}

TEST(CopyFile, MakesANewFileAndNeverOverwritesOne) {
    TempDir dir;
    WriteBytes(dir / "from/pacman.zip", std::string(200000, 'z'));
    WriteBytes(dir / "to/galaga.zip", "users");
    ASSERT_TRUE(CopyFile(dir / "from/pacman.zip", dir / "to/pacman.zip"));
    EXPECT_EQ(ReadBytes(dir / "to/pacman.zip"), std::string(200000, 'z'));
    std::string error;
    EXPECT_FALSE(CopyFile(dir / "from/pacman.zip", dir / "to/galaga.zip", &error));
    EXPECT_EQ(ReadBytes(dir / "to/galaga.zip"), "users");
    EXPECT_EQ(error, "File exists");
    EXPECT_FALSE(CopyFile(dir / "from/none.zip", dir / "to/none.zip", &error));
    // A copy cut short, here by a limit on the size of files, leaves no part of it behind.
    const auto xfsz = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{1000, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(CopyFile(dir / "from/pacman.zip", dir / "to/cut.zip", &error));
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, xfsz);
    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(Entries(dir / "to"), (Names{"galaga.zip", "pacman.zip"}));
}

TEST(LineReader, StripsCrAcceptsBareLfAndKeepsEmptyLines) {
    TempDir dir;
    WriteBytes(dir / "f.txt", "one\r\n\r\ntwo\nthree");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadLines(dir / "f.txt", lines));
    EXPECT_EQ(lines, (Names{"one", "", "two", "three"}));
    EXPECT_FALSE(ReadLines(dir / "missing.txt", lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(ReadLines(dir.path(), lines));
}

// The bytes of a file read a block at a time arrive in pieces: cut anywhere, a byte-order mark or
// a CR LF divided between two pieces included, they give the lines the whole bytes give.
TEST(LineSplitter, BytesCutAnywhereGiveTheSameLines) {
    const std::string text = "\xEF\xBB\xBFone\r\ntwo\n\nthree\rfour\r\r\nfive\r";
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        LineSplitter splitter(std::string_view(text).substr(0, cut));
        Names lines;
        std::string_view line;
        while (splitter.holdsWholeLine() && splitter.next(line))
            lines.emplace_back(line);
        splitter.extend(text);
        while (splitter.next(line))
            lines.emplace_back(line);
        EXPECT_EQ(lines, (Names{"one", "two", "", "three", "four", "", "five"})) << cut;
    }
}

TEST(WriteFileAtomically, ReplacesWholeFileOrLeavesTheOldOne) {
    TempDir dir;
    std::string path = dir / "Cfg/Mame.cfg";
    WriteBytes(path, "old\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, JoinCrLf({"a", "b"})));
    EXPECT_EQ(ReadBytes(path), "a\r\nb\r\n");
    EXPECT_EQ(Entries(dir / "Cfg"), Names{"Mame.cfg"});

    // A rename that cannot replace the target (a directory) keeps it and leaves no temporary.
    WriteBytes(dir / "Cfg/Mame.set/inner", "keep");
    EXPECT_FALSE(WriteFileAtomically(dir / "Cfg/Mame.set", "new\r\n"));
    EXPECT_EQ(ReadBytes(dir / "Cfg/Mame.set/inner"), "keep");
    EXPECT_EQ(Entries(dir / "Cfg"), (Names{"Mame.cfg", "Mame.set"}));
    EXPECT_FALSE(WriteFileAtomically(dir / "nodir/x.cfg", "x"));
}

TEST(WriteFileAtomically, KeepsTheFilesProtectionAndFollowsALink) {
    TempDir dir;
    std::string cfg = dir / "Cfg/Mame.cfg";
    WriteBytes(cfg, "old\r\n");
    chmod(cfg.c_str(), 0604);
    ASSERT_TRUE(WriteFileAtomically(cfg, "new\r\n"));
    EXPECT_EQ(ReadBytes(cfg), "new\r\n");
    EXPECT_EQ(std::filesystem::status(cfg).permissions(), std::filesystem::perms(0604));

    // A write-protected file is not replaced, whoever runs the program.
    chmod(cfg.c_str(), 0444);
    EXPECT_FALSE(WriteFileAtomically(cfg, "newer\r\n"));
    EXPECT_EQ(ReadBytes(cfg), "new\r\n");
    EXPECT_EQ(std::filesystem::status(cfg).permissions(), std::filesystem::perms(0444));
    EXPECT_EQ(Entries(dir / "Cfg"), Names{"Mame.cfg"});

    // The file a link names is replaced, through a relative link and a link to a link alike;
    // the links stay.
    WriteBytes(dir / "keep/Raine.cfg", "old\r\n");
    chmod((dir / "keep/Raine.cfg").c_str(), 0600);
    std::filesystem::create_symlink("../keep/Raine.cfg", dir / "Cfg/Middle.cfg");
    std::filesystem::create_symlink(dir / "Cfg/Middle.cfg", dir / "Cfg/Raine.cfg");
    ASSERT_TRUE(WriteFileAtomically(dir / "Cfg/Raine.cfg", "linked\r\n"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Cfg/Raine.cfg"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Cfg/Middle.cfg"));
    EXPECT_EQ(ReadBytes(dir / "keep/Raine.cfg"), "linked\r\n");
    EXPECT_EQ(std::filesystem::status(dir / "keep/Raine.cfg").permissions(),
              std::filesystem::perms(0600));
    EXPECT_EQ(Entries(dir / "keep"), Names{"Raine.cfg"});

    // A link to a file not there yet makes the file; a loop of links is not written through.
    std::filesystem::create_symlink(dir / "keep/M72.cfg", dir / "Cfg/M72.cfg");
    ASSERT_TRUE(WriteFileAtomically(dir / "Cfg/M72.cfg", "first\r\n"));
    EXPECT_EQ(ReadBytes(dir / "keep/M72.cfg"), "first\r\n");
    std::filesystem::create_symlink("Loop.cfg", dir / "Cfg/Loop.cfg");
    EXPECT_FALSE(WriteFileAtomically(dir / "Cfg/Loop.cfg", "x"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Cfg/Loop.cfg"));
}

// Leftovers are removed wherever they stand among the numbered names, even with none at the first
// ones; a name that is not one of them stays, and a leftover link goes without what it names.
TEST(WriteFileAtomically, RemovesEveryLeftoverAndNothingElse) {
    TempDir dir;
    WriteBytes(dir / "keep/notes.txt", "mine");
    for (const std::string left : {".Mame.cfg.tmp.7", ".Mame.cfg.tmp.99"})
        WriteBytes(dir / ("Cfg/" + left), "half");
    std::filesystem::create_symlink(dir / "keep/notes.txt", dir / "Cfg/.Mame.cfg.tmp.42");
    const Names others{".Mame.cfg.tmp.07", ".Mame.cfg.tmp.100", ".Mame.cfg.tmp.5.bak",
                       ".Mame.cfg.tmpx", ".Raine.cfg.tmp"};
    for (const std::string& other : others)
        WriteBytes(dir / ("Cfg/" + other), "other");
    ASSERT_TRUE(WriteFileAtomically(dir / "Cfg/Mame.cfg", "new\r\n"));
    Names left = others;
    left.push_back("Mame.cfg");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(Entries(dir / "Cfg"), left);
    EXPECT_EQ(ReadBytes(dir / "keep/notes.txt"), "mine");
}

} // namespace
} // namespace arvok
