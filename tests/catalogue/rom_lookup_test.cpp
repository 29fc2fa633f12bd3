#include <gtest/gtest.h>

#include "catalogue/rom_lookup.h"
#include "platform/dialogs.h"
#include "records.h"
#include "shell/installation.h"
#include "support/shown_texts.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::Rec;
using test::TempDir;
using test::WriteLines;

class RomLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        shown = &InstallScriptedDialogs();
        WriteLines(dir / "Data/Mame.dat",
                   {"*" + Rec{"Header", "hdr"}.line(), "#Hidden;hidden;O;-;",
                    Rec{"Pac-Man", "pacman"}.line(),
                    Rec{"Puck Man", "puckman", "C", "pacman"}.line(),
                    Rec{"Pac-Man", "pacman2", "C", "puckman"}.line(),
                    Rec{"KOF 98", "kof98", "", "neogeo"}.line(), "Short;shortset",
                    Rec{"Neo Geo", "neogeo", "o"}.line(), Rec{"Marked", "marked", "Ox"}.line()});
    }
    // The lookups as the windows make them, telling the user of a game the data file lacks.
    RomLookup LookupRom(Emu emu, std::string_view game) {
        RomLookup result = arvok::LookupRom(installation.data, emu, game);
        if (!result.found)
            installation.notices.gameMissing();
        return result;
    }
    NeoGeoLookup LookupMameNeoGeo(std::string_view set) {
        NeoGeoLookup result = arvok::LookupMameNeoGeo(installation.data, set);
        if (!result.found)
            installation.notices.gameMissing();
        return result;
    }

    TempDir dir;
    Installation installation{dir.path()};
    ScriptedDialogs* shown = nullptr;
};

// The first of two records of one name is taken; a record cut short reads its missing fields as
// empty.
TEST_F(RomLookupTest, TheFirstRecordOfTheNameIsTakenAndOneCutShortReadsEmptyFields) {
    EXPECT_EQ(LookupRom(Emu::Mame, "Pac-Man").romSel, "pacman");
    RomLookup cut = LookupRom(Emu::Mame, "Short");
    EXPECT_TRUE(cut.found);
    EXPECT_EQ(cut.romSel, "shortset");
    EXPECT_EQ(cut.cloneOf, "");
    EXPECT_TRUE(shown->asked.empty());
}

TEST_F(RomLookupTest, AMissReportsTheGameAndReturnsNothing) {
    for (const char* game : {"pac-man", "Pac-Man ", "Pac", "Hidden", "*Header", ""}) {
        RomLookup miss = LookupRom(Emu::Mame, game);
        EXPECT_FALSE(miss.found) << game;
        EXPECT_EQ(miss.romSel, "") << game;
    }
    ASSERT_EQ(shown->asked.size(), 6u);
    EXPECT_EQ(shown->asked[0].text, test::shown::kNoRomInDataFile);
    EXPECT_EQ(test::MessageDifferences(*shown), std::vector<std::string>{});
    EXPECT_FALSE(LookupRom(Emu::M72, "R-Type").found);
    EXPECT_EQ(shown->asked.size(), 7u);
}

TEST_F(RomLookupTest, NeoGeoTestLooksTheSetUpByItsSetName) {
    // Only a type mark that is exactly "O" is an original: "marked" is none.
    for (const std::string set : {"puckman", "kof98", "neogeo", "marked"})
        EXPECT_TRUE(LookupMameNeoGeo(set).neoGeo) << set;
    EXPECT_FALSE(LookupMameNeoGeo("pacman").neoGeo);
    EXPECT_TRUE(shown->asked.empty());
    NeoGeoLookup miss = LookupMameNeoGeo("Pac-Man");
    EXPECT_FALSE(miss.found);
    ASSERT_EQ(test::AskedTexts(*shown), std::vector<std::string>{test::shown::kNoRomInDataFile});
}

TEST(FavouriteCleanup, RemovesOnlyTheSelectedFavouriteThatIsMissing) {
    EXPECT_EQ(FavouriteToRemove(Emu::Mame, 0, "Gone", 3, "Gone"), 0);
    EXPECT_EQ(FavouriteToRemove(Emu::Raine, 2, "Gone", 3, "Gone"), 2);
    EXPECT_EQ(FavouriteToRemove(Emu::System16, 0, "Gone", 1, "Gone"), 0);
    // Another favourite selected, none selected, or the fixed M72 list: nothing is removed.
    EXPECT_EQ(FavouriteToRemove(Emu::Mame, 1, "Kept", 3, "Gone"), -1);
    EXPECT_EQ(FavouriteToRemove(Emu::Mame, -1, "", 3, "Gone"), -1);
    EXPECT_EQ(FavouriteToRemove(Emu::M72, 0, "Gone", 12, "Gone"), -1);
}

} // namespace
} // namespace arvok
