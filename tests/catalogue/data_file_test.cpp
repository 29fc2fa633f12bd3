#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "catalogue/data_file.h"
#include "catalogue/game_list.h"
#include "core/shared_state.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::TempDir;
using test::WriteLines;

std::string Rec(const std::string& name, const std::string& set, const std::string& rest = "") {
    std::string line = name + ";" + set + ";O;-;Maze;Namco;1980;";
    for (int i = 8; i <= 21; ++i)
        line += (i == 8 ? rest : "") + ";";
    return line;
}

TEST(DataFile, RecordSearchMatchesTheWholeNameExactlyAndTakesTheFirst) {
    TempDir dir;
    std::string path = dir / "Mame.dat";
    WriteLines(path, {"* header", "#" + Rec("Hidden", "hidden"), " #Blank;blank;", "",
                      Rec("Pac-Man", "pacman", "Yes"), Rec("pac-man", "pacmanl"),
                      Rec("Pac-Man", "second"), "no semicolon here", Rec("Galaga", "galaga")});
    EXPECT_EQ(FindRecord(path, kName, "Pac-Man")->field(kSet), "pacman");
    EXPECT_EQ(FindRecord(path, kName, "Pac-Man")->field(8), "Yes");
    EXPECT_EQ(FindRecord(path, kName, "pac-man")->field(kSet), "pacmanl");
    EXPECT_FALSE(FindRecord(path, kName, "Pac"));
    EXPECT_FALSE(FindRecord(path, kName, "Pac-Man "));
    EXPECT_FALSE(FindRecord(path, kName, "Hidden"));
    EXPECT_EQ(FindRecord(path, kName, " #Blank")->field(kSet), "blank");
    EXPECT_EQ(FindRecord(path, kName, "Galaga")->field(kYear), "1980");
    EXPECT_EQ(FindRecord(path, kSet, "second")->field(kName), "Pac-Man");
    EXPECT_FALSE(FindRecord(dir / "none.dat", kName, "Galaga"));
    auto empty = FindRecord(dir / "none.dat", kName, "");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->field(kSet), "");
}

TEST(DataFile, FieldsKeepTheirNumbersAcrossEmptyOnesAndMissingOnesReadEmpty) {
    GameRecord r = SplitRecord("A;;C;-;");
    EXPECT_EQ(
        (std::vector<std::string>{r.field(1), r.field(2), r.field(3), r.field(4), r.field(21)}),
        (std::vector<std::string>{"A", "", "C", "-", ""}));
    EXPECT_EQ(RecordField("A;;C;", 3), "C");
    EXPECT_EQ(RecordField("A;;C;", 9), "");
}

TEST(DataFile, PassVisitsRecordsInFileOrderAndSkipsEverythingElse) {
    TempDir dir;
    std::string path = dir / "x.dat";
    WriteLines(path, {"*h", "#c", "", Rec("B", "b"), "junk", Rec("A", "a")});
    RecordLines records(path);
    EXPECT_TRUE(records.ok());
    std::vector<std::string> names;
    for (std::string_view line : records.lines())
        names.emplace_back(RecordField(line, kName));
    EXPECT_EQ(names, (std::vector<std::string>{"B", "A"}));
    EXPECT_FALSE(RecordLines(dir / "none.dat").ok());
}

TEST(DataFile, ASectionsFileIsFoundWithoutRegardToCaseAndNoGameHasNoRecord) {
    TempDir dir;
    Shared().DirInst = dir.path();
    WriteLines(dir / "data/m72.dat", {";noname;", Rec("R-Type", "rtype")});
    EXPECT_EQ(DataFilePath(Emu::M72), dir / "data/m72.dat");
    EXPECT_EQ(FindGameRecord(Emu::M72, "R-Type")->field(kSet), "rtype");
    EXPECT_EQ(FindGameRecord(Emu::M72, "rtype", kSet)->field(kName), "R-Type");
    EXPECT_FALSE(FindGameRecord(Emu::M72, ""));
    EXPECT_FALSE(FindGameRecord(Emu::Mame, "R-Type"));
}

std::vector<std::string> Names(const std::string& path) {
    std::vector<std::string> names;
    std::shared_ptr<const RecordLines> records = DataFileRecords(path);
    for (std::string_view line : records->lines())
        names.emplace_back(RecordField(line, kName));
    return names;
}

TEST(DataFile, KeptRecordsFollowTheFileWhenItIsReplacedRewrittenOrRemoved) {
    TempDir dir;
    Shared().DirInst = dir.path();
    std::string path = dir / "Data/Mame.dat";
    WriteLines(path, {Rec("Galaga", "galaga")});
    // Older than the clock tick of the first reading, so that its records are kept.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(BuildGameList(Emu::Mame).names, std::vector<std::string>{"Galaga"});
    EXPECT_EQ(FindGameRecord(Emu::Mame, "Galaga")->field(kSet), "galaga");

    // Replaced by a file of the same size that kept the old one's modification time, as a copy
    // that preserves times leaves it.
    auto modified = std::filesystem::last_write_time(path);
    WriteLines(dir / "Data/new.dat", {Rec("Gorkas", "gorkas")});
    std::filesystem::rename(dir / "Data/new.dat", path);
    std::filesystem::last_write_time(path, modified);
    EXPECT_EQ(BuildGameList(Emu::Mame).names, std::vector<std::string>{"Gorkas"});
    EXPECT_FALSE(FindGameRecord(Emu::Mame, "Galaga"));

    // Rewritten in place at once, the size and the inode unchanged.
    WriteLines(path, {Rec("Zaxxon", "zaxxon")});
    EXPECT_EQ(Names(path), std::vector<std::string>{"Zaxxon"});
    WriteLines(path, {Rec("Pooyan", "pooyan")});
    EXPECT_EQ(Names(path), std::vector<std::string>{"Pooyan"});

    std::filesystem::remove(path);
    EXPECT_FALSE(DataFileRecords(path)->ok());
    EXPECT_FALSE(FindGameRecord(Emu::Mame, "Pooyan"));
}

} // namespace
} // namespace arvok
