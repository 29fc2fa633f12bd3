#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/text_file.h"
#include "settings/layout_files.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WithCrLf;
using test::WriteLines;

std::string Describe(const Placement& p) {
    std::string tag = p.section ? Section(*p.section).tag : "MAIN";
    std::string text = tag + " " + std::to_string(p.top) + " " + std::to_string(p.left);
    if (p.section)
        text += " " + std::to_string(p.width) + " " + std::to_string(p.height);
    return text;
}

std::vector<std::string> Describe(const LayoutRead& read) {
    std::vector<std::string> lines;
    for (const auto& p : read.placements)
        lines.push_back(Describe(p));
    return lines;
}

using Lines = std::vector<std::string>;

void WriteIni(const TempDir& dir, const std::string& autoload, const std::string& layout) {
    WriteLines(dir / "arvok.ini", {std::string(62, '-'), " Arvok - The definitive Multifrontend",
                                   "[Layouts]", "LayoutAlwaysOnTop = 0", autoload, layout, " "});
}

TEST(StartupLayout, TheDefaultLayoutIsReadOnlyWhenAutoloadIsOnAndANameIsGiven) {
    TempDir dir;
    WriteLines(dir / "layouts.dat", {"[Work]", "MAIN,400,500", "MAME,400,3950,6345,4620", "-",
                                     "[ame]", "MAIN,1,2", "-"});
    struct Case {
        std::string autoload, layout;
        LayoutStop stop;
        Lines placed;
    };
    const Lines work{"MAIN 400 500", "MAME 400 3950 6345 4620"};
    const std::vector<Case> cases{
        {"AutoloadOnStartup =1", "DefaultLayout = Work", LayoutStop::Complete, work},
        {"AutoloadOnStartup = 0", "DefaultLayout = Work", LayoutStop::AutoloadOff, {}},
        {"AutoloadOnStartup = 2", "DefaultLayout = Work", LayoutStop::AutoloadOff, {}},
        {"AutoloadOnStartup = x", "DefaultLayout = Work", LayoutStop::AutoloadOff, {}},
        {"AutoloadOnStartup = 01", "DefaultLayout = Work", LayoutStop::Complete, work},
        {"AutoloadOnStartup = 1", "DefaultLayout = ", LayoutStop::NoDefaultName, {}},
        {"AutoloadOnStartup = 1", "DefaultLayout =", LayoutStop::NoDefaultName, {}},
        {"AutoloadOnStartup = 1", "DefaultLayout = work", LayoutStop::NotFound, {}},
        {"AutoloadOnStartup = 1", "DefaultLayout =Name", LayoutStop::Complete, {"MAIN 1 2"}},
    };
    for (const auto& c : cases) {
        WriteIni(dir, c.autoload, c.layout);
        LayoutRead read = ReadStartupLayout(dir.path());
        EXPECT_EQ(read.stop, c.stop) << c.autoload << " / " << c.layout;
        EXPECT_EQ(Describe(read), c.placed) << c.autoload << " / " << c.layout;
    }

    TempDir empty;
    EXPECT_EQ(ReadStartupLayout(empty.path()).stop, LayoutStop::AutoloadOff);
    WriteIni(empty, "AutoloadOnStartup = 1", "DefaultLayout = Work");
    EXPECT_EQ(ReadStartupLayout(empty.path()).stop, LayoutStop::NotFound);
}

TEST(StartupLayout, ALayoutIsReadLineByLineUntilItsEndOrAFaultyLine) {
    TempDir dir;
    std::string path = dir / "layouts.dat";
    // Where reading layout L stopped, and what it placed.
    auto read = [&](const Lines& lines) {
        WriteLines(path, lines);
        LayoutRead layout = ReadLayout(path, "L");
        return std::pair(layout.stop, Describe(layout));
    };

    EXPECT_EQ(
        read({"[Other]", "MAIN,0,0", "-", "[L]", "MAIN,400,500", "CALLUS,-120,3950,2400,4620",
              "NEORAGE,1,2,3,4", "M72,70000,40000,6345,4620", "-", "[Next]", "MAIN,9,9", "-"}),
        std::pair(LayoutStop::Complete, Lines{"MAIN 400 500", "CALLUS -120 3950 2400 4620",
                                              "M72 70000 40000 6345 4620"}));
    EXPECT_EQ(read({"[L]", "MAIN,400,500", "MAME,400,3950,6345,4620"}),
              std::pair(LayoutStop::EndOfFile, Lines{"MAIN 400 500"}));
    EXPECT_EQ(read({"[L]", "MAIN,400,500", "MAME,400,3950,6345,4620", "-"}).second,
              (Lines{"MAIN 400 500", "MAME 400 3950 6345 4620"}));
    EXPECT_EQ(read({"[L]", "MAIN,400,500", "[M]", "MAME,1,2,3,4", "-"}),
              std::pair(LayoutStop::NextLayout, Lines{"MAIN 400 500"}));
    EXPECT_EQ(read({"[L]", "MAIN,400,500,77", "-"}).second, (Lines{"MAIN 400 500"}));
    EXPECT_TRUE(read({"[L]", "-"}).second.empty());
    EXPECT_EQ(read({"[l]", "MAIN,1,1", "-"}).first, LayoutStop::NotFound);
    EXPECT_EQ(read({"[L]"}).first, LayoutStop::EndOfFile);

    for (const Lines& bad : {
             Lines{"[L]", "MAME,1,2,3,4", "CALLUS,400,abc,6345,4620", "RAINE,1,2,3,4", "-"},
             Lines{"[L]", "MAME,1,2,3,4", "CALLUS,400,3950,6345,4620,9", "-"},
             Lines{"[L]", "MAME,1,2,3,4", "MAIN,400", "-"},
             Lines{"[L]", "MAME,1,2,3,4", "CALLUS,1,2,3,2147483648", "-"},
             Lines{"[L]", "MAME,1,2,3,4", "", "-"},
         }) {
        EXPECT_EQ(read(bad), std::pair(LayoutStop::BadLine, Lines{"MAME 1 2 3 4"})) << bad[2];
    }
}

TEST(LayoutOptions, KeysMatchUpToTheirFirstEqualsSignExactly) {
    TempDir dir;
    std::string ini = dir / "arvok.ini";
    WriteLines(ini, {"no equals sign", " AutoloadOnStartup = 1", "autoloadonstartup = 1",
                     "AutoloadOnStartup = 0", "AutoloadOnStartup = 1", "LayoutAlwaysOnTop=1",
                     "DefaultLayout =Name"});
    LayoutOptionsRead read = ReadLayoutOptions(ini);
    EXPECT_EQ(read.autoload, false);
    EXPECT_EQ(read.alwaysOnTop, std::nullopt);
    EXPECT_EQ(read.defaultLayout, "ame");
    LayoutOptionsRead none = ReadLayoutOptions(dir / "none.ini");
    EXPECT_FALSE(none.alwaysOnTop.has_value() || none.autoload.has_value() ||
                 none.defaultLayout.has_value());
}

class LayoutsDat : public testing::Test {
protected:
    // Three layouts as the manager writes them: A (the launcher only), B (MAME and M72) and C
    // (added, never saved).
    void SetUp() override {
        path_ = dir_ / "layouts.dat";
        WriteLines(path_, {"[A]", "MAIN,400,500", "-", "[B]", "MAIN,0,0", "MAME,0,3450,6345,4620",
                           "M72,0,10000,2400,4620", "-", "[C]", "-"});
    }
    std::string bytes() const { return ReadBytes(path_); }
    bool tempLeft() const { return std::filesystem::exists(dir_ / "layouts.tmp"); }

    TempDir dir_;
    std::string path_;
    const Placement main_{std::nullopt, 90, 120};
};

TEST_F(LayoutsDat, SavingReplacesALayoutInPlaceOrAddsItAtTheEnd) {
    // Wider than 2,184 pixels: twips past 32,767 are kept.
    ASSERT_TRUE(StoreLayout(
        path_, "B", {main_, {Emu::Callus, -150, 40005, 6345, 7260}, {Emu::Raine, 1, 2, 3, 4}}));
    EXPECT_EQ(bytes(), WithCrLf({"[A]", "MAIN,400,500", "-", "[B]", "MAIN,90,120",
                                 "CALLUS,-150,40005,6345,7260", "RAINE,1,2,3,4", "-", "[C]", "-"}));

    ASSERT_TRUE(StoreLayout(path_, "c", {main_}));
    Lines lines;
    ASSERT_TRUE(ReadLines(path_, lines));
    EXPECT_EQ(LayoutNames(lines), (Lines{"A", "B", "C", "c"}));
    EXPECT_FALSE(tempLeft());

    std::filesystem::remove(path_);
    ASSERT_TRUE(StoreLayout(path_, "New", {main_}));
    EXPECT_EQ(bytes(), WithCrLf({"[New]", "MAIN,90,120", "-"}));

    // A last layout that lost its "-" leaves none of its old lines behind the new one.
    WriteLines(path_, {"[A]", "MAIN,1,2", "MAME,1,2,3,4"});
    ASSERT_TRUE(StoreLayout(path_, "A", {main_}));
    EXPECT_EQ(bytes(), WithCrLf({"[A]", "MAIN,90,120", "-"}));
}

// An added layout reads as complete and empty; one added to no file makes the file; a layout the
// file lacks changes nothing.
TEST_F(LayoutsDat, AnAddedLayoutIsEmptyAndOnlyAnExistingOneIsChanged) {
    ASSERT_TRUE(AppendLayout(path_, "D"));
    EXPECT_EQ(ReadLayout(path_, "D").placements.size(), 0u);
    EXPECT_EQ(ReadLayout(path_, "D").stop, LayoutStop::Complete);

    std::filesystem::remove(path_);
    ASSERT_TRUE(AppendLayout(path_, "New Layout"));
    EXPECT_EQ(bytes(), "[New Layout]\r\n-\r\n");

    // The file, with bare LF ends here, is not written.
    test::WriteBytes(path_, "[New Layout]\n-\n");
    RemoveLayout(path_, "New");
    RenameLayout(path_, "New", "Old");
    EXPECT_EQ(bytes(), "[New Layout]\n-\n");
}

TEST_F(LayoutsDat, AFailedRewriteKeepsTheOldFile) {
    const std::string before = bytes();
    chmod(path_.c_str(), 0444);
    EXPECT_FALSE(AppendLayout(path_, "D"));
    EXPECT_FALSE(StoreLayout(path_, "A", {main_}));
    EXPECT_FALSE(RemoveLayout(path_, "A"));
    EXPECT_FALSE(RenameLayout(path_, "A", "Z"));
    EXPECT_EQ(bytes(), before);
    EXPECT_FALSE(tempLeft());

    // A layouts.dat that is there but cannot be read is not written over.
    TempDir other;
    std::filesystem::create_directory(other / "layouts.dat");
    EXPECT_FALSE(AppendLayout(other / "layouts.dat", "D"));
    EXPECT_TRUE(std::filesystem::is_directory(other / "layouts.dat"));
    // Nor is one an editor saved as UTF-16, nor one holding a NUL byte.
    for (const std::string& text :
         {std::string("\xFF\xFE[\0A\0]\0\r\0\n\0", 12), std::string("[A]\r\n-\r\n") + '\0'}) {
        test::WriteBytes(other / "text.dat", text);
        EXPECT_FALSE(StoreLayout(other / "text.dat", "A", {main_}));
        EXPECT_EQ(ReadBytes(other / "text.dat"), text);
    }
}

// A carriage return breaks a header as a line feed does; brackets and commas do not. A size that
// is not one class's width and height together, as a Small width with a Large height or a Medium
// turned on its side, has no class.
TEST(LayoutNames, ALineBreakCannotBeStoredInAHeaderAndMixedSizesHaveNoClass) {
    EXPECT_TRUE(IsStorableLayoutName("My [set], 2"));
    EXPECT_FALSE(IsStorableLayoutName("two\rlines"));
    EXPECT_EQ(SizeClassName(2400, 7260), "");
    EXPECT_EQ(SizeClassName(4620, 2400), "");
}

TEST(LayoutOptions, TheFileIsWrittenWholeAndReadBackByStartUp) {
    TempDir dir;
    const std::string ini = ArvokIniPath(dir.path());
    const std::string rule(62, '-');
    auto expected = [&](const std::string& flags, const std::string& name) {
        return rule + "\r\n Arvok - The definitive Multifrontend (v0.1b)\r\n" +
               " Written by the Arvok team\r\n" +
               " Initialization File generated by Arvok - Please do not modify\r\n" + rule +
               "\r\n \r\n[Layouts]\r\n" + flags + "DefaultLayout = " + name + "\r\n \r\n" + rule +
               "\r\n End of file\r\n" + rule + "\r\n";
    };
    WriteLines(LayoutsDatPath(dir.path()), {"[Work]", "MAIN,1,2", "-"});

    ASSERT_TRUE(WriteLayoutOptions(ini, {true, false, ""}));
    EXPECT_EQ(ReadBytes(ini), expected("LayoutAlwaysOnTop = 1\r\nAutoloadOnStartup = 0\r\n", ""));
    ASSERT_TRUE(WriteLayoutOptions(ini, {false, true, "Work"}));
    EXPECT_EQ(ReadBytes(ini),
              expected("LayoutAlwaysOnTop = 0\r\nAutoloadOnStartup = 1\r\n", "Work"));
    EXPECT_EQ(Describe(ReadStartupLayout(dir.path())), (Lines{"MAIN 1 2"}));
}

TEST(LayoutFiles, ALinkAtTheTemporaryNameIsNeverWrittenThrough) {
    TempDir dir;
    WriteLines(dir / "notes.txt", {"mine"});
    for (const char* temp : {"layouts.tmp", ".arvok.ini.tmp"})
        std::filesystem::create_symlink(dir / "notes.txt", dir / temp);
    EXPECT_TRUE(AppendLayout(LayoutsDatPath(dir.path()), "New"));
    EXPECT_TRUE(WriteLayoutOptions(ArvokIniPath(dir.path()), {true, true, "New"}));
    EXPECT_EQ(ReadBytes(dir / "notes.txt"), "mine\r\n");
    EXPECT_EQ(ReadBytes(dir / "layouts.dat"), "[New]\r\n-\r\n");
    EXPECT_EQ(ReadBytes(dir / "arvok.ini"), LayoutOptionsText({true, true, "New"}));
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "layouts.dat"));
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "arvok.ini"));
    EXPECT_EQ(test::Entries(dir.path()), (Lines{"arvok.ini", "layouts.dat", "notes.txt"}));
}

} // namespace
} // namespace arvok
