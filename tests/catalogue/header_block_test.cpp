#include <gtest/gtest.h>

#include <chrono>
#include <regex>

#include "catalogue/header_block.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::TempDir;
using test::WriteLines;

std::vector<std::string> Block(int lines) {
    std::vector<std::string> block;
    for (int i = 1; i <= lines; ++i)
        block.push_back("*value " + std::to_string(i));
    return block;
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(HeaderBlock, ValuesFollowTheMarkerExactlyAfterLeadingCommentsAndEmptyLines) {
    TempDir dir;
    std::vector<std::string> lines = Block(17);
    lines[0] = "*";
    lines[1] = "#  Arcade ";
    lines[7] = "*42";
    WriteLines(dir / "x.dat", Concat(Concat({"", "# comment", ""}, lines), {"Game;game;O;-;"}));

    HeaderBlock block = ReadHeaderBlock(dir / "x.dat");
    EXPECT_EQ(block.read, 17);
    EXPECT_EQ(block.values[0], "");
    EXPECT_EQ(block.values[1], "  Arcade ");
    EXPECT_EQ(block.values[16], "value 17");
    EXPECT_EQ(GameTotal(dir / "x.dat"), "42");

    test::WriteBytes(dir / "lf.dat",
                     std::regex_replace(test::WithCrLf(Block(17)), std::regex("\r"), ""));
    EXPECT_EQ(ReadHeaderBlock(dir / "lf.dat").values[16], "value 17");
}

TEST(HeaderBlock, ABlockCutShortLeavesTheLinesAfterTheCutEmpty) {
    TempDir dir;
    std::vector<std::string> emptyTenth = Block(17);
    emptyTenth[9] = "";
    WriteLines(dir / "gap.dat", emptyTenth);
    HeaderBlock gap = ReadHeaderBlock(dir / "gap.dat");
    EXPECT_EQ(gap.read, 9);
    EXPECT_EQ(gap.values[8], "value 9");
    for (int i = 9; i < kHeaderLines; ++i)
        EXPECT_EQ(gap.values[i], "") << i;

    WriteLines(dir / "short.dat", Block(12));
    HeaderBlock shortBlock = ReadHeaderBlock(dir / "short.dat");
    EXPECT_EQ(shortBlock.read, 12);
    EXPECT_EQ(shortBlock.values[11], "value 12");
    EXPECT_EQ(shortBlock.values[12], "");

    WriteLines(dir / "seven.dat", Block(7));
    EXPECT_FALSE(GameTotal(dir / "seven.dat"));

    std::vector<std::string> longLine = Block(17);
    longLine[4] = "*" + std::string(32767, 'x');
    WriteLines(dir / "long.dat", longLine);
    EXPECT_EQ(ReadHeaderBlock(dir / "long.dat").read, 4);
    // A line of 4 MiB, which no data file holds, is searched through once, not once a block.
    test::WriteBytes(dir / "huge.dat", std::string(4 << 20, '*'));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(GameTotal(dir / "huge.dat"));
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 3);
}

// The file is read a block at a time: a CR LF divided between two blocks ends one line, whatever
// the block's size.
TEST(HeaderBlock, ACrLfDividedBetweenTwoBlocksEndsOneLine) {
    TempDir dir;
    for (size_t block = 4096; block <= (1 << 17); block *= 2)
        for (size_t cr : {block - 2, block - 1, block}) {
            // "*Name" and its CR LF take 7 bytes, the second line's "2" one more.
            WriteLines(dir / "x.dat",
                       {"*Name", "2" + std::string(cr - 8, 'x'), "3", "4", "5", "6", "7", "T1234"});
            EXPECT_EQ(GameTotal(dir / "x.dat"), "1234") << cr;
        }
}

TEST(HeaderBlock, AFileWithoutABlockReadsNothing) {
    TempDir dir;
    WriteLines(dir / "record.dat", Concat({"# comment", "Game;game;O;-;"}, Block(17)));
    WriteLines(dir / "blank.dat", Concat({" # not a comment"}, Block(17)));
    WriteLines(dir / "comments.dat", {"", "# only comments"});
    for (const char* name : {"record.dat", "blank.dat", "comments.dat", "missing.dat"}) {
        HeaderBlock block = ReadHeaderBlock(dir / name);
        EXPECT_EQ(block.read, 0) << name;
        EXPECT_EQ(block.values[0], "") << name;
    }
}

TEST(HeaderBlock, TheGameTotalIsTheSeventhLineAfterTheFirstStarLineWhereverItStands) {
    TempDir dir;
    // A record before the block and an empty line inside it: the statistics panel reads no
    // block here, the window still finds its total.
    WriteLines(dir / "loose.dat", {"Game;game;O;-;", " *blank first", "*Name", "#2", "", "*4", "5",
                                   "*6", "*7", "T1234", "*9"});
    EXPECT_EQ(ReadHeaderBlock(dir / "loose.dat").read, 0);
    EXPECT_EQ(GameTotal(dir / "loose.dat"), "1234");

    // A line that is the marker alone and an empty line both give an empty total.
    WriteLines(dir / "marker.dat", {"*Name", "2", "3", "4", "5", "6", "7", "*"});
    EXPECT_EQ(GameTotal(dir / "marker.dat"), "");
    WriteLines(dir / "empty.dat", {"*Name", "2", "3", "4", "5", "6", "7", "", "*9"});
    EXPECT_EQ(GameTotal(dir / "empty.dat"), "");

    WriteLines(dir / "none.dat", {"# no block", "Game;game;O;-;"});
    for (const char* name : {"none.dat", "missing.dat"})
        EXPECT_FALSE(GameTotal(dir / name)) << name;
}

} // namespace
} // namespace arvok
