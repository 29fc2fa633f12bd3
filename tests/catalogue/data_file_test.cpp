#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "catalogue/data_file.h"
#include "catalogue/game_list.h"
#include "records.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::Rec;
using test::TempDir;
using test::WriteLines;

TEST(DataFile, RecordSearchMatchesTheWholeNameExactlyAndTakesTheFirst) {
    TempDir dir;
    DataFiles data(dir.path());
    std::string path = dir / "Mame.dat";
    WriteLines(path, {"* header", "#" + Rec{"Hidden", "hidden"}.line(), " #Blank;blank;", "",
                      Rec{"Pac-Man", "pacman"}.line(), Rec{"pac-man", "pacmanl"}.line(),
                      Rec{"Pac-Man", "second"}.line(), "no semicolon here",
                      Rec{"Galaga", "galaga"}.line()});
    EXPECT_EQ(data.find(path, kName, "Pac-Man")->field(kSet), "pacman");
    EXPECT_EQ(data.find(path, kName, "Pac-Man")->field(8), "f8");
    EXPECT_EQ(data.find(path, kName, "pac-man")->field(kSet), "pacmanl");
    for (const char* other : {"Pac", "Pac-Man ", "Hidden"})
        EXPECT_FALSE(data.find(path, kName, other)) << other;
    EXPECT_EQ(data.find(path, kName, " #Blank")->field(kSet), "blank");
    EXPECT_EQ(data.find(path, kName, "Galaga")->field(kYear), "1980");
    EXPECT_EQ(data.find(path, kSet, "second")->field(kName), "Pac-Man");
    EXPECT_FALSE(data.find(dir / "none.dat", kName, "Galaga"));
    auto empty = data.find(dir / "none.dat", kName, "");
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

std::vector<std::string> Names(const RecordLines& records) {
    std::vector<std::string> names;
    for (std::string_view line : records.lines())
        names.emplace_back(RecordField(line, kName));
    return names;
}

TEST(DataFile, PassVisitsRecordsInFileOrderAndSkipsEverythingElse) {
    TempDir dir;
    std::string path = dir / "x.dat";
    WriteLines(path, {"*h", "#c", "", Rec{"B", "b"}.line(), "junk", Rec{"A", "a"}.line()});
    RecordLines records(path);
    EXPECT_TRUE(records.ok());
    EXPECT_EQ(Names(records), (std::vector<std::string>{"B", "A"}));
    EXPECT_FALSE(RecordLines(dir / "none.dat").ok());
    test::WriteBytes(path, "\xFF\xFE" + Rec{"B", "b"}.line());
    EXPECT_FALSE(RecordLines(path).ok()) << "a file an editor saved as UTF-16 was read";
}

TEST(DataFile, ASectionsFileIsFoundWithoutRegardToCaseAndNoGameHasNoRecord) {
    TempDir dir;
    DataFiles data(dir.path());
    WriteLines(dir / "data/m72.dat", {";noname;", Rec{"R-Type", "rtype"}.line()});
    EXPECT_EQ(data.dataFilePath(Emu::M72), dir / "data/m72.dat");
    EXPECT_EQ(data.findGame(Emu::M72, "R-Type")->field(kSet), "rtype");
    EXPECT_EQ(data.findGame(Emu::M72, "rtype", kSet)->field(kName), "R-Type");
    EXPECT_FALSE(data.findGame(Emu::M72, ""));
    EXPECT_FALSE(data.findGame(Emu::Mame, "R-Type"));
}

TEST(DataFile, KeptRecordsFollowTheFileWhenItIsReplacedRewrittenOrRemoved) {
    TempDir dir;
    DataFiles data(dir.path());
    std::string path = dir / "Data/Mame.dat";
    WriteLines(path, {Rec{"Galaga", "galaga"}.line()});
    // Older than the clock tick of the first reading, so that its records are kept.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    // A list the window shows keeps its names while the file's records are read anew.
    const GameList shown = BuildGameList(data, Emu::Mame);
    EXPECT_EQ(shown.names, std::vector<std::string_view>{"Galaga"});
    EXPECT_EQ(data.findGame(Emu::Mame, "Galaga")->field(kSet), "galaga");

    // Replaced by a file of the same size that kept the old one's modification time, as a copy
    // that preserves times leaves it.
    auto modified = std::filesystem::last_write_time(path);
    WriteLines(dir / "Data/new.dat", {Rec{"Gorkas", "gorkas"}.line()});
    std::filesystem::rename(dir / "Data/new.dat", path);
    std::filesystem::last_write_time(path, modified);
    EXPECT_EQ(BuildGameList(data, Emu::Mame).names, std::vector<std::string_view>{"Gorkas"});
    EXPECT_FALSE(data.findGame(Emu::Mame, "Galaga"));
    // Rewritten in place in the same size, its modification time put back: only the time of the
    // change tells.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_TRUE(data.findGame(Emu::Mame, "Gorkas"));
    WriteLines(path, {Rec{"Gyruss", "gyruss"}.line()});
    std::filesystem::last_write_time(path, modified);
    EXPECT_TRUE(data.findGame(Emu::Mame, "Gyruss"));

    // Rewritten in place at once, the size and the inode unchanged.
    WriteLines(path, {Rec{"Zaxxon", "zaxxon"}.line()});
    EXPECT_EQ(Names(*data.records(path)), std::vector<std::string>{"Zaxxon"});
    WriteLines(path, {Rec{"Pooyan", "pooyan"}.line()});
    EXPECT_EQ(Names(*data.records(path)), std::vector<std::string>{"Pooyan"});

    std::filesystem::remove(path);
    EXPECT_FALSE(data.records(path)->ok());
    EXPECT_FALSE(data.findGame(Emu::Mame, "Pooyan"));
    EXPECT_EQ(shown.names, std::vector<std::string_view>{"Galaga"});
}

} // namespace
} // namespace arvok
