#include <gtest/gtest.h>

#include "catalogue/data_file.h"
#include "catalogue/game_info.h"
#include "records.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::Rec;
using test::TempDir;
using test::WriteLines;

class GameInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLines(dir / "Data/Raine.dat",
                   {"*Rastan;rastan;O;-;", "#Rastan;rastan;O;-;",
                    "Rastan;rastan;O;-;Platform;Taito;1987;Yes;Good;Yes(1);Yes;No;Taito F1;"
                    "68000;Z80;;;YM2151;MSM5205;;;",
                    Rec{"Bubble Bobble", "bublbobl", "C", "tokio"}.line(),
                    "Lower;lower;o;-;Maze;Bear;1990;;;yes(1);", "Blank;blank;O;-;;;;;;Yes(1) ;",
                    "NoSet;;X;-;"});
    }
    TempDir dir;
    DataFiles data{dir.path()};
};

TEST_F(GameInfoTest, PageShowsEachFieldWithTheDerivedTexts) {
    GameInfo info = ReadGameInfo(data, Emu::Raine, "Rastan");
    ASSERT_TRUE(info.found);
    std::array<std::string, kInfoItems> expected{
        "Rastan",   "Taito", "1987",   "Platform", "rastan.zip", "YES", "Available", "-",
        "Taito F1", "Yes",   "Good",   "Yes(1)",   "Yes",        "No",  "68000",     "Z80",
        "",         "",      "YM2151", "MSM5205",  "",           ""};
    EXPECT_EQ(info.text, expected);

    EXPECT_EQ(ReadGameInfo(data, Emu::Raine, "Bubble Bobble").text[kInfoSound4], "f21");

    EXPECT_EQ(ReadGameInfo(data, Emu::Raine, "Lower").text[kInfoOC], "");
    EXPECT_EQ(ReadGameInfo(data, Emu::Raine, "Lower").text[kInfoSamples], "Not needed");
    EXPECT_EQ(ReadGameInfo(data, Emu::Raine, "Blank").text[kInfoSamples], "Not needed");
    EXPECT_EQ(ReadGameInfo(data, Emu::Raine, "NoSet").text[kInfoRomFile], ".zip");
    EXPECT_EQ(ReadGameInfo(data, Emu::Raine, "NoSet").text[kInfoOC], "");
}

TEST_F(GameInfoTest, AGameWithoutRecordShowsNothingOfAnother) {
    for (const char* game : {"rastan", "Rastan ", "", "Gone"}) {
        GameInfo info = ReadGameInfo(data, Emu::Raine, game);
        EXPECT_FALSE(info.found) << game;
        EXPECT_EQ(info.text, GameInfo{}.text) << game;
    }
    EXPECT_FALSE(ReadGameInfo(data, Emu::M72, "Rastan").found);
}

} // namespace
} // namespace arvok
