#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>

#include "platform/path.h"
#include "section_fixture.h"
#include "support/shown_texts.h"

namespace arvok::test {
namespace {

// The MAME stand-in lists its ROM folder while it runs.
class SectionLaunchTest : public SectionTest {
protected:
    void SetUp() override {
        SectionTest::SetUp();
        WriteMameCfg({});
        WriteStandIn("mame.sh", "ls roms");
        WriteBytes(dir_ / "roms/galaga.zip", "zip");
    }
};

TEST_F(SectionLaunchTest, ADoubleClickRunsTheEmulatorWithTheGamesOwnOptions) {
    open();
    clickButton("imgButSet");
    pickRom("Galaga");
    choose("cboMameMonitor", 2);
    choose("cboMameSampleRate", 2);
    find<QCheckBox>("chkMameCheat")->click();
    find<QLineEdit>("txtMameSkipR")->setText("-3");

    // Options changed just before are kept for the game and used.
    doubleClick(find<QListView>("lstMameRom"));

    EXPECT_EQ(ran(), dir_.path() + "/emu\n" +
                         "galaga -ignorecfg -monitor pal -soundcard 1 -sr 44100 -skiplines -3 "
                         "-cheat\n"
                         "galaga.zip\n");
    EXPECT_FALSE(IsPresentFile(dir_ / "emu/roms/galaga.zip"));
    EXPECT_FALSE(IsPresentFile(dir_ / "emu/lancia.bat"));
    EXPECT_EQ(ReadBytes(dir_ / "roms/galaga.zip"), "zip");
    EXPECT_TRUE(dialogs_->asked.empty());

    // Another game starts with its own settings, not with those left on the page.
    WriteBytes(dir_ / "roms/xevious.zip", "zip");
    pickRom("Xevious");
    doubleClick(find<QListView>("lstMameRom"));
    EXPECT_EQ(ran(), dir_.path() + "/emu\nxevious -ignorecfg -soundcard 1\nxevious.zip\n");
    pickRom("Galaga");
    EXPECT_EQ(find<QComboBox>("cboMameMonitor")->currentIndex(), 2);
}

TEST_F(SectionLaunchTest, ARecordingChosenForPlaybackReachesTheEmulatorAndStaysChosen) {
    WriteBytes(dir_ / "emu/INP/best.inp", "x");
    open();
    clickButton("imgButSet");
    pickRom("Galaga");
    auto* playback = find<QCheckBox>("chkMamePlayback");
    answerPicker("best.inp");
    playback->click();

    // Loading the game's settings before the launch leaves Record as it was and Playback on.
    doubleClick(find<QListView>("lstMameRom"));
    EXPECT_EQ(ran(), dir_.path() + "/emu\ngalaga -ignorecfg -soundcard 1 -playback best\n" +
                         "galaga.zip\n");
    EXPECT_TRUE(playback->isChecked());
    EXPECT_FALSE(find<QCheckBox>("chkMameRecord")->isChecked());

    // Another game, taking the "[DEFAULT]" record, plays back nothing.
    dialogs_->answers = {Answer::Yes};
    clickButton("cmdApplytoAll");
    WriteBytes(dir_ / "roms/xevious.zip", "zip");
    pickRom("Xevious");
    doubleClick(find<QListView>("lstMameRom"));
    EXPECT_EQ(ran(), dir_.path() + "/emu\nxevious -ignorecfg -soundcard 1\nxevious.zip\n");
    EXPECT_FALSE(playback->isChecked());
}

TEST_F(SectionLaunchTest, EnterInAFavouriteLaunchesItAndEnterWithNothingChosenDoesNothing) {
    WriteMameCfg({"Galaga"});
    open();
    auto* favourites = find<QListWidget>("lstMamePref");
    favourites->setCurrentRow(-1);
    pressKey(favourites, Qt::Key_Return);
    pressKey(find("lstMameRom"), Qt::Key_Return);
    EXPECT_EQ(ran(), "<missing>");

    // The keypad's Enter launches too.
    favourites->setCurrentRow(0);
    pressKey(favourites, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_NE(ran().find("galaga -ignorecfg -soundcard 1\n"), std::string::npos);
}

TEST_F(SectionLaunchTest, AMissingEmulatorIsToldOnTheConfigurationPage) {
    RemoveFile(dir_ / "emu/mame.sh");
    open();
    doubleClick(find<QListView>("lstMameRom"));
    ASSERT_EQ(dialogs_->asked.size(), 1u);
    EXPECT_EQ(dialogs_->asked[0].text, shown::kEmuNotFound);
    EXPECT_TRUE(find("picMameConf")->isVisible());
    EXPECT_FALSE(find("picMameSettings")->isVisible());
}

TEST_F(SectionLaunchTest, NamesTwinnedButForCaseOrAccentedRunTheirOwnSets) {
    std::vector<Game> games = kMameGames;
    games.push_back({"Ast\xE9rix (World)", "asterix", "O", "-", "Fighting", "Konami", "1992"});
    games.push_back({"Hangly-Man", "hangly", "C", "puckman", "Maze", "hack", "1981"});
    games.push_back({"HANGLY-MAN", "hangly2", "C", "puckman", "Maze", "hack", "1981"});
    WriteDataFile("Mame", games);
    for (const char* set : {"asterix", "hangly", "hangly2"})
        WriteBytes(dir_ / ("roms/" + std::string(set) + ".zip"), "zip");
    open();

    auto* list = find<QListView>("lstMameRom");
    EXPECT_EQ(list->model()->index(1, 0).data().toString(),
              QString::fromUtf8("Ast\u00e9rix (World)"));
    EXPECT_EQ(romNames(), (std::vector<std::string>{"1942", "Ast\xE9rix (World)", "Donkey Kong",
                                                    "Donkey Kong (US set 2)", "Galaga",
                                                    "HANGLY-MAN", "Hangly-Man", "Metal Slug",
                                                    "Pac-Man", "Puck Man (Japan)", "Xevious"}));
    for (const char* set : {"hangly", "hangly2", "asterix"}) {
        auto game = std::find_if(games.begin(), games.end(),
                                 [&](const Game& g) { return std::string(g.set) == set; });
        pickRom(game->name);
        doubleClick(list);
        EXPECT_NE(ran().find(std::string("\n") + set + " -ignorecfg"), std::string::npos)
            << game->name << ": " << ran();
    }
}

} // namespace
} // namespace arvok::test
