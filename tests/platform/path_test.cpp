#include <gtest/gtest.h>

#include "platform/path.h"
#include "platform/text_file.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

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
    EXPECT_EQ(ListPresentFiles(dir.path()), std::vector<std::string>{"a.zip"});
}

TEST(CompareNoCase, OrdersLettersIgnoringCaseIncludingAccentedOnes) {
    EXPECT_LT(CompareNoCase("alpha", "Beta"), 0);
    EXPECT_GT(CompareNoCase("Zeta", "beta"), 0);
    EXPECT_TRUE(EqualsNoCase("\xC9LAN", "\xE9lan"));
    EXPECT_FALSE(EqualsNoCase("pac", "pacman"));
    EXPECT_NE(CompareNoCase("Pac", "pac"), 0);
}

TEST(LineReader, StripsCrAcceptsBareLfAndKeepsEmptyLines) {
    TempDir dir;
    WriteBytes(dir / "f.txt", "one\r\n\r\ntwo\nthree");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadLines(dir / "f.txt", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "", "two", "three"}));
    EXPECT_FALSE(ReadLines(dir / "missing.txt", lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(ReadLines(dir.path(), lines));
}

TEST(WriteFileAtomically, ReplacesWholeFileOrLeavesTheOldOne) {
    TempDir dir;
    std::string path = dir / "Cfg/Mame.cfg";
    WriteBytes(path, "old\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, JoinCrLf({"a", "b"})));
    EXPECT_EQ(ReadBytes(path), "a\r\nb\r\n");
    EXPECT_EQ(ListPresentFiles(dir / "Cfg"), std::vector<std::string>{"Mame.cfg"});

    // A rename that cannot replace the target (a directory) keeps it and leaves no temporary.
    WriteBytes(dir / "Cfg/Mame.set/inner", "keep");
    EXPECT_FALSE(WriteFileAtomically(dir / "Cfg/Mame.set", "new\r\n"));
    EXPECT_EQ(ReadBytes(dir / "Cfg/Mame.set/inner"), "keep");
    EXPECT_EQ(ListPresentFiles(dir / "Cfg"), std::vector<std::string>{"Mame.cfg"});
    EXPECT_FALSE(WriteFileAtomically(dir / "nodir/x.cfg", "x"));
}

} // namespace
} // namespace arvok
