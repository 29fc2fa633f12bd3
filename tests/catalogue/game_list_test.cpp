#include <gtest/gtest.h>

#include <map>

#include "catalogue/data_file.h"
#include "catalogue/filter_items.h"
#include "catalogue/game_list.h"
#include "platform/path.h"
#include "platform/text_file.h"
#include "records.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::Rec;
using test::TempDir;
using test::WriteLines;
using Names = std::vector<std::string>;

class GameListTest : public ::testing::Test {
protected:
    void WriteData(const std::string& file, const std::vector<std::string>& lines) {
        WriteLines(dir / ("Data/" + file), lines);
    }
    Names List(Emu emu, int category, std::string genre = "- Genre",
               std::string maker = "- Manufactor", std::string year = "- Year") {
        GameList list = BuildGameList(data, emu, {category, genre, maker, year});
        return {list.names.begin(), list.names.end()};
    }

    TempDir dir;
    DataFiles data{dir.path()};
};

TEST_F(GameListTest, EachCategoryListsItsRecordsByTypeMarkAndParent) {
    // Header and comment lines are no games, even when they hold ";".
    WriteData("Mame.dat",
              {"*" + Rec{"Header", "hdr"}.line(), "# comment;with;semicolons", "",
               Rec{"Pac-Man", "pacman"}.line(), Rec{"Marked Original", "markedo", "Ox"}.line(),
               Rec{"Marked Clone", "markedc", "Cx", "pacman"}.line(),
               Rec{"Puck Man", "puckman", "C", "pacman"}.line(),
               Rec{"Metal Slug", "mslug", "O", "neogeo"}.line(),
               Rec{"KOF 98", "kof98", "C", "neogeo"}.line(),
               Rec{"KOF Hack", "kof98h", "C", "neogeo2"}.line(),
               Rec{"Capital Neo", "capneo", "C", "NeoGeo"}.line(),
               Rec{"Short Parent", "shortp", "C", "neo"}.line(),
               Rec{"Lone Clone", "lonec", "C", "-"}.line(), "a line without any separator",
               Rec{"odd mark", "oddm", "o"}.line(), Rec{"No Mark", "nomark", ""}.line(),
               " #Blank First;blank;O;-;", "Cut;cut"});
    const Names all{" #Blank First", "Capital Neo", "Cut",          "KOF 98",
                    "KOF Hack",      "Lone Clone",  "Marked Clone", "Marked Original",
                    "Metal Slug",    "No Mark",     "odd mark",     "Pac-Man",
                    "Puck Man",      "Short Parent"};
    EXPECT_EQ(List(Emu::Mame, 0), all);
    EXPECT_EQ(BuildGameList(data, Emu::Mame).count(), all.size());
    // The type mark's first letter makes an original or a clone.
    EXPECT_EQ(List(Emu::Mame, 1),
              (Names{" #Blank First", "Marked Original", "Metal Slug", "Pac-Man"}));
    EXPECT_EQ(List(Emu::Mame, 2),
              (Names{"Capital Neo", "Lone Clone", "Marked Clone", "Puck Man", "Short Parent"}));
    EXPECT_EQ(List(Emu::Mame, 5), (Names{" #Blank First", "Capital Neo", "Cut", "Lone Clone",
                                         "Marked Clone", "Marked Original", "No Mark", "odd mark",
                                         "Pac-Man", "Puck Man", "Short Parent"}));
    EXPECT_EQ(List(Emu::Mame, 6), (Names{"KOF 98", "KOF Hack", "Metal Slug"}));
}

TEST_F(GameListTest, ListIsSortedWithoutRegardToCaseAndKeepsDuplicates) {
    WriteData("Callus.dat",
              {Rec{"zzz", "z"}.line(), Rec{"Bravo", "b1"}.line(), Rec{"alpha", "a"}.line(),
               Rec{"Bravo", "b2"}.line(), Rec{"BRAVO", "b3"}.line()});
    EXPECT_EQ(List(Emu::Callus, 0), (Names{"alpha", "BRAVO", "Bravo", "Bravo", "zzz"}));
    // A position the Callus category combo does not have lists every game.
    EXPECT_EQ(List(Emu::Callus, 6).size(), 5u);
    // Sections without filters list every record too.
    WriteData("System16.dat", {Rec{"Shinobi", "shinobi", "C", "neogeo"}.line()});
    EXPECT_EQ(List(Emu::System16, 0), Names{"Shinobi"});
}

TEST_F(GameListTest, ScanFileCategoriesFollowTheFlag) {
    WriteData("Raine.dat", {Rec{"A", "a"}.line()});
    // The flag is the last character before the closing quote, wherever the ";" stands.
    WriteLines(dir / "cfg/raine.scn", {"\"Rastan;Y\"", "\"Bubble Bobble;N\"", "\"Arkanoid;Y\"",
                                       "\"Odd;?\"", "\";Y\"", "\"Late Flag;NY\"", "\"Sky;N\""});
    EXPECT_EQ(List(Emu::Raine, 3), (Names{"", "Arkanoid", "Late Flag", "Rastan"}));
    EXPECT_EQ(List(Emu::Raine, 4), (Names{"Bubble Bobble", "Sky"}));
}

TEST_F(GameListTest, MissingOrSpoiltScanFileFallsBackToAllGamesUnderTheSameFilters) {
    WriteData("Mame.dat",
              {Rec{"Galaga", "galaga", "O", "-", "Space"}.line(), Rec{"Pac-Man", "pacman"}.line(),
               Rec{"Xevious", "xevious", "O", "-", "Space"}.line()});
    GameList list = BuildGameList(data, Emu::Mame, {3, "Space", "- Manufactor", "- Year"});
    EXPECT_TRUE(list.scanFileMissing);
    EXPECT_EQ(list.names, (std::vector<std::string_view>{"Galaga", "Xevious"}));

    for (const std::string& bad :
         {std::string("\"Galaga;Y\"\r\n\r\n"), std::string("\"Galaga Y\"")}) {
        test::WriteBytes(dir / "Cfg/Mame.scn", bad);
        list = BuildGameList(data, Emu::Mame, {4, "- Genre", "- Manufactor", "- Year"});
        EXPECT_TRUE(list.scanFileMissing) << bad;
        EXPECT_EQ(list.count(), 3u);
    }
    test::WriteBytes(dir / "Cfg/Mame.scn", "");
    list = BuildGameList(data, Emu::Mame, {3, "- Genre", "- Manufactor", "- Year"});
    EXPECT_FALSE(list.scanFileMissing);
    EXPECT_TRUE(list.names.empty());
}

TEST_F(GameListTest, FiltersCombineAndANeutralItemWidensTheListAgain) {
    WriteData("Mame.dat", {Rec{"Asteroids", "ast", "O", "-", "Space", "Atari", "1979"}.line(),
                           Rec{"Galaga", "galaga", "O", "-", "Space", "Namco", "1981"}.line(),
                           Rec{"Galaxian", "galaxian", "O", "-", "Space", "Namco", "1979"}.line(),
                           Rec{"Gorf", "gorf", "C", "galaga", "Space ", "Midway", "1981"}.line(),
                           Rec{"Pac-Man", "pacman", "O", "-", "Maze", "Namco", "1980"}.line(),
                           Rec{"Rally-X", "rallyx", "C", "-", "space", "Namco", "1980"}.line()});
    EXPECT_EQ(List(Emu::Mame, 0, "Space"), (Names{"Asteroids", "Galaga", "Galaxian"}));
    EXPECT_EQ(List(Emu::Mame, 0, "Space", "Namco"), (Names{"Galaga", "Galaxian"}));
    EXPECT_EQ(List(Emu::Mame, 0, "Space", "Namco", "1979"), Names{"Galaxian"});
    EXPECT_EQ(List(Emu::Mame, 0, "- Genre", "Namco", "1979"), Names{"Galaxian"});
    EXPECT_EQ(List(Emu::Mame, 0, "- Genre", "- Manufactor", "1979"),
              (Names{"Asteroids", "Galaxian"}));
    EXPECT_EQ(List(Emu::Mame, 2, "- Genre", "Namco"), Names{"Rally-X"});
    EXPECT_TRUE(List(Emu::Mame, 0, "n/a").empty());
}

TEST_F(GameListTest, FiltersFindRecordsWhateverTheirOrderAndWriteNothingIntoData) {
    WriteData("Callus.dat", {Rec{"Strider", "strider", "O", "-", "Action"}.line(),
                             Rec{"1941", "1941", "O", "-", "Shooter"}.line(),
                             Rec{"Final Fight", "ffight", "O", "-", "Action"}.line(),
                             Rec{"Final Fight", "ffightj", "C", "ffight", "Fighting"}.line(),
                             Rec{"Final", "final", "O", "-", "Puzzle"}.line()});
    EXPECT_EQ(List(Emu::Callus, 0, "Action"), (Names{"Final Fight", "Strider"}));
    EXPECT_EQ(List(Emu::Callus, 0, "Fighting"), Names{"Final Fight"});
    EXPECT_EQ(List(Emu::Callus, 0, "Puzzle"), Names{"Final"});

    // Scan lines meet their records by name, a repeated name its records in file order.
    WriteLines(dir / "Cfg/Callus.scn", {"\"Strider;Y\"", "\"1941;N\"", "\"Final Fight;N\"",
                                        "\"Final Fight;Y\"", "\"Final;Y\"", "\"Gone;Y\""});
    EXPECT_EQ(List(Emu::Callus, 3, "Fighting"), Names{"Final Fight"});
    EXPECT_TRUE(List(Emu::Callus, 4, "Fighting").empty());
    EXPECT_EQ(List(Emu::Callus, 3, "- Genre", "- Manufactor", "1980"),
              (Names{"Final", "Final Fight", "Strider"}));
    EXPECT_EQ(List(Emu::Callus, 3), (Names{"Final", "Final Fight", "Gone", "Strider"}));
    EXPECT_EQ(ListPresentFiles(dir / "Data"), Names{"Callus.dat"});
}

TEST_F(GameListTest, FieldsAreReadWhereverTheirSeparatorsFallInTheLine) {
    // Records and the genre, manufacturer and year they hold. The lengths of the sets move the
    // later ";" onto the first and last bytes of the line's groups of eight from the set on; some
    // lines end in a field, or just after a ";", at the end of such a group.
    struct Row {
        std::string line, genre, maker, year;
    };
    const std::vector<Row> rows{
        {"A;;C;neogeo;g1;m1;y1;", "g1", "m1", "y1"},
        {"B;1234567;O;-;g2;m2;y2;f8;", "g2", "m2", "y2"},
        {"C;12345678;C;p;g3;m3;y3;", "g3", "m3", "y3"},
        {"D;12345678;O;-;genre1;makerxx;1999", "genre1", "makerxx", "1999"},
        {"E;123;O;-;g2;m;yy;", "g2", "m", "yy"},
        {"K;123;O;-;g6;m6;y6;", "g6", "m6", "y6"},
        {"F;1234;C;neogeo2;g5;m5", "g5", "m5", ""},
        {"G;;;;;;;;;;;", "", "", ""},
        {"H;x", "", "", ""},
        {"I;123456789012345;C;-;;m9;y1;;;;;;;;;;;;;;;", "", "m9", "y1"},
        {"J;1234567890123456;O;neogeo;Shooter 3D;Konami;1981;f8;f9;f10;", "Shooter 3D", "Konami",
         "1981"},
    };
    std::vector<std::string> lines;
    for (const Row& row : rows)
        lines.push_back(row.line);
    WriteData("Mame.dat", lines);
    auto names = [&rows](auto holds) {
        Names out;
        for (const Row& row : rows)
            if (holds(row))
                out.push_back(row.line.substr(0, 1));
        return out;
    };
    for (const Row& row : rows) {
        EXPECT_EQ(List(Emu::Mame, 0, row.genre, row.maker, row.year), names([&row](const Row& r) {
                      return r.genre == row.genre && r.maker == row.maker && r.year == row.year;
                  }))
            << row.line;
        EXPECT_EQ(List(Emu::Mame, 0, "- Genre", "- Manufactor", row.year),
                  names([&row](const Row& r) { return r.year == row.year; }))
            << row.line;
        EXPECT_EQ(List(Emu::Mame, 0, "- Genre", row.maker),
                  names([&row](const Row& r) { return r.maker == row.maker; }))
            << row.line;
    }
    EXPECT_EQ(List(Emu::Mame, 1), (Names{"B", "D", "E", "J", "K"}));
    EXPECT_EQ(List(Emu::Mame, 2), (Names{"C", "I"}));
    EXPECT_EQ(List(Emu::Mame, 6), (Names{"A", "F", "J"}));
    EXPECT_EQ(List(Emu::Mame, 2, "- Genre", "- Manufactor", "y1"), Names{"I"});
    EXPECT_EQ(List(Emu::Mame, 6, "g5"), Names{"F"});
}

// The windows' fixtures hold the combos' items; M72 has none, and a cut-short item matches only a
// record holding exactly that text.
TEST_F(GameListTest, M72HasNoFilterItemsAndACutShortItemMatchesOnlyItsText) {
    EXPECT_TRUE(FilterComboItems(Emu::M72).genre.empty());
    const FilterItems& mame = FilterComboItems(Emu::Mame);
    WriteData("Mame.dat",
              {Rec{"Cut", "cut", "O", "-", "Maze", mame.manufacturer[52]}.line(),
               Rec{"Whole", "whole", "O", "-", "Maze", mame.manufacturer[52] + ")"}.line()});
    EXPECT_EQ(List(Emu::Mame, 0, "- Genre", mame.manufacturer[52]), Names{"Cut"});
}

} // namespace
} // namespace arvok
