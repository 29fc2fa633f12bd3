#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "catalogue/history.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::TempDir;
using test::WriteLines;
using Items = std::vector<std::string>;

const std::string k80(80, 'a');
const std::string k120 = std::string(52, 'b') + std::string(68, 'c');

class HistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLines(dir / "GameList.TXT",
                   {"Pac-Man Plus", "as Galaga", "", "", "Pac-Man " + k80, "line A", k120, "",
                    "line B", "", "", "Galaga", "only line", "", "other", "Xevious", "cut off"});
    }
    Items Read(Emu emu, std::string_view title) { return history.entry(emu, dir.path(), title); }
    TempDir dir;
    HistoryFiles history;
};

TEST_F(HistoryTest, MameTakesTheFirstLineBeginningWithTheNameBeforeItsParentheses) {
    EXPECT_EQ(Read(Emu::Mame, "Pac-Man (Midway)"), (Items{"Pac-Man Plus", "as Galaga", "", ""}));
    EXPECT_EQ(Read(Emu::Mame, "Pac-Man " + k80.substr(0, 3)),
              (Items{"Pac-Man " + k80, "line A", std::string(52, 'b'), std::string(68, 'c'), "",
                     "line B", "", ""}));
    // The file ends inside the entry; a title without parentheses is its own key.
    EXPECT_EQ(Read(Emu::Mame, "Xevious"), (Items{"Xevious", "cut off"}));
    EXPECT_EQ(Read(Emu::Mame, "Galaga"),
              (Items{"Galaga", "only line", "", "other", "Xevious", "cut off"}));
    EXPECT_EQ(Read(Emu::Mame, "galaga"), Items{"Game info not found in gamelist.txt!"});
}

TEST_F(HistoryTest, MameKeyWithNothingBeforeTheParenthesisTakesTheFirstLine) {
    for (const char* title : {"(Bootleg)", "X(Y)", ""})
        EXPECT_EQ(Read(Emu::Mame, title).front(), "Pac-Man Plus") << title;
    WriteLines(dir / "GameList.TXT", {"", "", "Galaga"});
    EXPECT_EQ(Read(Emu::Mame, "(Bootleg)"), (Items{"", "", "Galaga"}));
}

TEST_F(HistoryTest, CallusShowsTheLinesAfterTheOneHoldingTheTitleAndDoublesEmptyLines) {
    WriteLines(dir / "GameList.TXT", {"", "=== Final Fight (Capcom) ===", "text A", "", k120, "",
                                      "", "=== Strider ===", "text S"});
    for (const char* title : {"Final Fight", "Final Fight (Capcom)", ""})
        EXPECT_EQ(Read(Emu::Callus, title), (Items{"text A", "", "", k120, "", ""})) << title;
    EXPECT_EQ(Read(Emu::Callus, "Strider"), Items{"text S"});
    EXPECT_TRUE(Read(Emu::Callus, "Forgotten Worlds").empty());
}

// The file is kept between keys and read again once it changed; a line longer than any entry's
// is shown cut at 64 KiB.
TEST_F(HistoryTest, AChangedFileIsReadAgainAndARunawayLineIsShownCut) {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(Read(Emu::Mame, "Xevious"), (Items{"Xevious", "cut off"}));
    EXPECT_EQ(Read(Emu::Mame, "Galaga")[1], "only line");
    WriteLines(dir / "GameList.TXT", {"Xevious", "new text"});
    EXPECT_EQ(Read(Emu::Mame, "Xevious"), (Items{"Xevious", "new text"}));

    WriteLines(dir / "GameList.TXT", {"Galaga", std::string(50u << 20, 'x'), "after"});
    Items items = Read(Emu::Mame, "Galaga");
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[1], std::string(52, 'x'));
    EXPECT_EQ(items[2], std::string(65536 - 52, 'x'));
    EXPECT_EQ(items[3], "after");
    EXPECT_EQ(Read(Emu::Callus, "Galaga"), (Items{std::string(65536, 'x'), "after"}));
}

// Kept between keys, a long history finds each title's first line whatever the title's length:
// "Game 1" and "Game 12" are shorter than eight bytes, "Game 123" is eight and "Game 1234" shares
// its first eight with nine other titles, and game 1999's first line is in game 500's entry.
TEST_F(HistoryTest, AKeptHistoryFindsTheFirstLineOfEveryTitle) {
    constexpr int kGames = 2000;
    std::vector<std::string> lines;
    for (int i = 0; i < kGames; ++i) {
        const std::string name = "Game " + std::to_string(i);
        lines.insert(lines.end(),
                     {name + " (c) 1990", "",
                      i == 500 ? "Game 1999 was its sequel." : "Story of " + name, "", ""});
    }
    lines.insert(lines.end(), {"Qix", "Story of Qix"});
    WriteLines(dir / "GameList.TXT", lines);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    for (int i = 0; i < kGames - 1; ++i) {
        const std::string name = "Game " + std::to_string(i);
        if (i == 500)
            continue;
        EXPECT_EQ(Read(Emu::Mame, name + " (World)"),
                  (Items{name + " (c) 1990", "", "Story of " + name, "", ""}))
            << name;
    }
    EXPECT_EQ(Read(Emu::Mame, "Game 1999 (World)"), (Items{"Game 1999 was its sequel.", "", ""}));
    EXPECT_EQ(Read(Emu::Mame, "Qix (Taito)"), (Items{"Qix", "Story of Qix"}));
    EXPECT_EQ(Read(Emu::Mame, "(Bootleg)").front(), "Game 0 (c) 1990");
    for (const std::string& title : {std::string("Game 20000"), std::string("Game 1\0", 7)})
        EXPECT_EQ(Read(Emu::Mame, title), Items{"Game info not found in gamelist.txt!"});
}

TEST_F(HistoryTest, AMissingFileIsSaidInTheList) {
    TempDir empty;
    EXPECT_EQ(history.entry(Emu::Mame, empty.path(), "Galaga"),
              Items{"gamelist.txt not found in Mame directory!"});
    EXPECT_EQ(history.entry(Emu::Callus, empty.path(), "Galaga"),
              (Items{"Gamelist.txt not found", "in Callus directory!"}));
    EXPECT_TRUE(Read(Emu::Raine, "Galaga").empty());
    // No emulator directory chosen yet: the file is not looked for in the working directory.
    auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    Items unset = history.entry(Emu::Mame, "", "Galaga");
    std::filesystem::current_path(before);
    EXPECT_EQ(unset, Items{"gamelist.txt not found in Mame directory!"});
}

} // namespace
} // namespace arvok
