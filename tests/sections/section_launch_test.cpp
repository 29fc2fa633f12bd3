#include <algorithm>
#include <filesystem>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTimer>

#include "platform/path.h"
#include "section_fixture.h"
#include "sections/open_section.h"
#include "shell/instance.h"
#include "shell/section_hooks.h"
#include "support/shown_texts.h"

namespace arvok::test {
namespace {

// The MAME stand-in lists its ROM folder while it runs.
class SectionLaunchTest : public MameCfgTest {
protected:
    void SetUp() override {
        MameCfgTest::SetUp();
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
    doubleClick("lstMameRom");
    const std::string galaga = dir_.path() + "/emu\ngalaga -ignorecfg -monitor pal -soundcard 1 "
                                             "-sr 44100 -skiplines -3 -cheat\ngalaga.zip\n";
    EXPECT_EQ(ran(), galaga);
    EXPECT_FALSE(IsPresentFile(dir_ / "emu/roms/galaga.zip"));
    EXPECT_FALSE(IsPresentFile(dir_ / "emu/lancia.bat"));
    EXPECT_EQ(ReadBytes(dir_ / "roms/galaga.zip"), "zip");
    EXPECT_TRUE(dialogs_->asked.empty());

    // Another game starts with its own settings, not with those left on the page.
    WriteBytes(dir_ / "roms/xevious.zip", "zip");
    pickRom("Xevious");
    doubleClick("lstMameRom");
    EXPECT_EQ(ran(), dir_.path() + "/emu\nxevious -ignorecfg -soundcard 1\nxevious.zip\n");
    pickRom("Galaga");
    EXPECT_EQ(find<QComboBox>("cboMameMonitor")->currentIndex(), 2);

    // A ROM folder the game's record cannot hold is not stored, yet the game runs from it as
    // the page shows it, and the page keeps it.
    const std::string odd = dir_ / "my \"best\", roms";
    std::filesystem::create_directory(odd);
    std::filesystem::rename(dir_ / "roms/galaga.zip", odd + "/galaga.zip");
    auto* folder = find<QLineEdit>("txtMameRomPath");
    folder->setText(QString::fromStdString(odd));
    pressKey(find("lstMameRom"), Qt::Key_Return);
    ASSERT_EQ(dialogs_->asked.size(), 1u);
    EXPECT_EQ(dialogs_->asked[0].text.rfind("The ROM folder\r" + odd + "\rcannot be kept", 0), 0u);
    EXPECT_EQ(ran(), galaga);
    EXPECT_EQ(folder->text().toStdString(), odd);
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
    doubleClick("lstMameRom");
    EXPECT_EQ(ran(), dir_.path() + "/emu\ngalaga -ignorecfg -soundcard 1 -playback best\n" +
                         "galaga.zip\n");
    EXPECT_TRUE(playback->isChecked());
    EXPECT_FALSE(find<QCheckBox>("chkMameRecord")->isChecked());

    // Another game, taking the "[DEFAULT]" record, plays back nothing.
    dialogs_->answers = {Answer::Yes};
    clickButton("cmdApplytoAll");
    WriteBytes(dir_ / "roms/xevious.zip", "zip");
    pickRom("Xevious");
    doubleClick("lstMameRom");
    EXPECT_EQ(ran(), dir_.path() + "/emu\nxevious -ignorecfg -soundcard 1\nxevious.zip\n");
    EXPECT_FALSE(playback->isChecked());
}

TEST_F(SectionLaunchTest, EnterInAFavouriteLaunchesItAndEnterWithNothingChosenDoesNothing) {
    WriteMameCfg({"Galaga", "Xevious"});
    open();
    auto* favourites = find<QListWidget>("lstMamePref");
    favourites->setCurrentRow(-1);
    pressKey(favourites, Qt::Key_Return);
    pressKey(find("lstMameRom"), Qt::Key_Return);
    EXPECT_EQ(ran(), "<missing>");

    // Tabbing into a list marks its first row without choosing it: the game shown stays, and
    // Enter and Delete act on nothing.
    for (QWidget* list : {static_cast<QWidget*>(favourites), find("lstMameRom")}) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &focus);
        pressKey(list, Qt::Key_Return);
        pressKey(list, Qt::Key_Delete);
    }
    EXPECT_EQ(ran(), "<missing>");
    EXPECT_EQ(text("lblMameRomSettings"), "Galaga");
    EXPECT_EQ(favourites->count(), 2);

    // A click below the last favourite leaves the chosen one chosen and drawn so, and the
    // keypad's Enter launches it.
    favourites->setCurrentRow(0);
    Click(favourites, {4, favourites->viewport()->height() - 4});
    EXPECT_TRUE(drawsIn("lstMamePref", favourites->palette().color(QPalette::Highlight)));
    pressKey(favourites, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_NE(ran().find("galaga -ignorecfg -soundcard 1\n"), std::string::npos);
}

TEST_F(SectionLaunchTest, AnEndingSignalDuringARunEndsTheEmulatorCleansUpAndSavesEveryWindow) {
    WriteDataFile("Raine", kMameGames);
    WriteCfg(Emu::Raine, {});
    InstallSectionWindows();
    QuitOnEndingSignals();
    QSignalBlocker keepLauncher(QCoreApplication::instance()); // for the tests after this one
    for (const auto& [signal, favourite] :
         {std::pair{"TERM", "1942"}, {"INT", "Xevious"}, {"HUP", "Pac-Man"}}) {
        open(Emu::Raine);
        pickRom(favourite);
        dropOnFavourites();
        WriteStandIn("mame.sh", std::string("kill -") + signal + " $PPID; sleep 2; echo survived");
        open();
        pickRom("Galaga");
        doubleClick("lstMameRom");

        EXPECT_EQ(ran(), dir_.path() + "/emu\ngalaga -ignorecfg -soundcard 1\n") << signal;
        EXPECT_EQ(Entries(dir_ / "emu"), (std::vector<std::string>{"mame.sh", "roms"})) << signal;
        EXPECT_TRUE(Entries(dir_ / "emu/roms").empty()) << signal;
        QObject waiting;
        QTimer::singleShot(5000, &waiting, [] { QCoreApplication::exit(1); });
        EXPECT_EQ(QCoreApplication::exec(), 0) << signal;
        EXPECT_NE(savedFavourites(Emu::Raine).find(favourite), std::string::npos) << signal;
    }
    Hooks() = DefaultHooks();
}

TEST_F(SectionLaunchTest, AMissingEmulatorIsToldOnTheConfigurationPage) {
    RemoveFile(dir_ / "emu/mame.sh");
    open();
    doubleClick("lstMameRom");
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

    EXPECT_EQ(find<QListView>("lstMameRom")->model()->index(1, 0).data().toString(),
              QString::fromUtf8("Ast\u00e9rix (World)"));
    EXPECT_EQ(romNames(), (std::vector<std::string>{"1942", "Ast\xE9rix (World)", "Donkey Kong",
                                                    "Donkey Kong (US set 2)", "Galaga",
                                                    "HANGLY-MAN", "Hangly-Man", "Metal Slug",
                                                    "Pac-Man", "Puck Man (Japan)", "Xevious"}));
    for (const char* set : {"hangly", "hangly2", "asterix"}) {
        auto game = std::find_if(games.begin(), games.end(),
                                 [&](const Game& g) { return std::string(g.set) == set; });
        pickRom(game->name);
        doubleClick("lstMameRom");
        EXPECT_NE(ran().find(std::string("\n") + set + " -ignorecfg"), std::string::npos)
            << game->name << ": " << ran();
    }
}

} // namespace
} // namespace arvok::test
