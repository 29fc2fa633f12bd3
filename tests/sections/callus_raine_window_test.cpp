// The Callus and Raine windows: where they differ from the MAME window (captions, counts, help
// pages, settings pages, filter rules, the favourites' share) and the behaviours every section
// window has, driven through their own controls.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <filesystem>

#include "gif.h"
#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/geometry.h"
#include "section_fixture.h"
#include "sections/open_section.h"
#include "sections/popup_menus.h"
#include "sections/section_widgets.h"
#include "settings/game_settings.h"
#include "shell/forms.h"
#include "shell/section_hooks.h"
#include "support/control_table.h"
#include "support/shown_texts.h"

namespace arvok::test {
namespace {

const std::vector<Game> kCallusGames{
    {"Street Fighter II", "sf2", "O", "-", "Fighting", "Capcom", "1991"},
    {"Final Fight", "ffight", "O", "-", "Action", "Capcom", "1989"},
    {"Street Fighter II (Japan)", "sf2j", "C", "sf2", "Fighting", "Capcom", "1991"},
    {"Pang! 3", "pang3", "O", "-", "Puzzle", "Mitchell", "1995"},
};

const std::vector<Game> kRaineGames{
    {"Rainbow Islands", "rainbow", "O", "-", "Platform", "Taito", "1987"},
    {"Bubble Bobble", "bublbobl", "O", "-", "Platform", "Taito", "1986"},
    {"Darius", "darius", "O", "-", "Shooter", "Taito", "1986"},
    {"Rastan", "rastan", "O", "-", "Action", "Taito", "1987"},
};

class CallusRaineTest : public SectionTest {
protected:
    void SetUp() override {
        SectionTest::SetUp();
        WriteDataFile("Callus", kCallusGames);
        WriteDataFile("Raine", kRaineGames);
    }
};

TEST_F(CallusRaineTest, CallusOpensOnItsFirstFavouriteWithItsHistory) {
    WriteCfg(Emu::Callus, {"Pang! 3", "Final Fight"});
    WriteBytes(dir_ / "emu/gamelist.txt", "$info=ffight\r\n$bio\r\nFinal Fight\r\nA brawler\r\n"
                                          "$end\r\n");
    ASSERT_NE(open(Emu::Callus), nullptr);

    EXPECT_TRUE(dialogs_->asked.empty());

    EXPECT_EQ(text("lblCallusRomSettings"), "Final Fight");

    // The help page: the game's history beside the key table.
    clickButton("imgCallusButHelp");
    auto* history = find<QListWidget>("lstCallusHelp");
    EXPECT_EQ(history->findItems(QStringLiteral("A brawler"), Qt::MatchExactly).size(), 1);

    clickButton("imgCallusButInfo");
    EXPECT_EQ(text("lblInfoRomFile"), "ffight.zip");
}

TEST_F(CallusRaineTest, BothStandAsDesignedAtTheirFirstVisitRaineWithThreeColumns) {
    ASSERT_NE(open(Emu::Callus), nullptr);
    ASSERT_EQ(AskedTexts(*dialogs_), Names{shown::kNoConfiguration});
    dropOnFavourites("Final Fight");
    EXPECT_EQ(ControlDifferences(window_, "frmCallus.txt"), Names{});
    ASSERT_NE(open(Emu::Raine), nullptr);
    dropOnFavourites("Darius");
    EXPECT_EQ(ControlDifferences(window_, "frmRaine.txt"), Names{});
    EXPECT_EQ(static_cast<GameListView*>(find<QListView>("lstRaineRom"))->columns(), 3);

    // Middle gives the "up" layout of two columns, the genre filter at 1660 (MAME's: 1690).
    clickButton("cmdRaineMiddle");
    EXPECT_EQ(static_cast<GameListView*>(find<QListView>("lstRaineRom"))->columns(), 2);
    EXPECT_TRUE(find<QListView>("lstRaineRom")->isWrapping()) << "filled column by column";
    EXPECT_EQ(find("cboFilterRaineGenre")->x(), TwipsToPx(1660));
}

// The favourites' share of the total shows when the mouse moves over the count in Callus, when
// the count is clicked in Raine and System16; MAME and M72 never show it.
TEST_F(CallusRaineTest, TheFavouritesShareShowsOnTheSectionsOwnGesture) {
    WriteDataFile("System16", {kRaineGames.begin(), kRaineGames.end() - 1});
    WriteDataFile("M72", kRaineGames);
    struct Share {
        Emu emu;
        Names favourites;
        const char *onMove, *onClick;
    };
    QWidget* count = nullptr;
    for (const Share& share :
         std::vector<Share>{{Emu::Mame, {"Galaga"}, "", ""},
                            {Emu::Raine, {"Darius", "Rastan"}, "", " 50% of total "},
                            {Emu::System16, {"Darius", "Bubble Bobble"}, "", " 66% of total "},
                            {Emu::M72, {"Darius"}, "", ""},
                            {Emu::Callus, {"Final Fight"}, " 25% of total ", ""}}) {
        WriteCfg(share.emu, share.favourites);
        ASSERT_NE(open(share.emu), nullptr);
        const char* tag = Section(share.emu).tag;
        count = find(share.emu == Emu::M72 ? "lblM72FavCountFix"
                                           : ObjectName(share.emu, "lbl", "FavCount").c_str());
        MoveOver(count);
        EXPECT_EQ(ToAnsi(count->toolTip()), share.onMove) << tag;
        count->setToolTip(QString());
        SendMouse(count, QEvent::MouseButtonPress);
        EXPECT_EQ(ToAnsi(count->toolTip()), "") << tag << " pressed";
        SendMouse(count, QEvent::MouseButtonRelease);
        EXPECT_EQ(ToAnsi(count->toolTip()), share.onClick) << tag;
    }

    // A total that is no whole number, or 0, leaves Callus's tooltip as it was.
    MoveOver(count);
    find<QLabel>("lblCallusFavCount")->setText(QStringLiteral("3"));
    for (const char* total : {"", "0"}) {
        find<QLabel>("lblCallusTotal")->setText(QString::fromLatin1(total));
        MoveOver(count);
        EXPECT_EQ(count->toolTip().toStdString(), " 25% of total ") << total;
    }
}

// The filters narrow the list by the section's own items; neither Shift nor the menu resets
// them (those are the MAME window's).
TEST_F(CallusRaineTest, FiltersUseTheSectionsItemsAndNoShiftOrMenuReset) {
    WriteCfg(Emu::Callus, {});
    ASSERT_NE(open(Emu::Callus), nullptr);
    auto* genre = find<QComboBox>("cboFilterCallusGenre");
    choose("cboFilterCallusGenre", genre->findText(QStringLiteral("Fighting")));
    EXPECT_EQ(romNames(), (Names{"Street Fighter II", "Street Fighter II (Japan)"}));
    EXPECT_EQ(text("lblCallusRomCount"), "2");
    EXPECT_EQ(back("cboFilterCallusGenre"), VbColor(0xE4AAAA));

    pressKey(genre, Qt::Key_A, Qt::ShiftModifier);
    emit FrmMenu().resetFiltersRequested();
    EXPECT_EQ(romNames().size(), 2u);
    EXPECT_EQ(genre->currentIndex(), 2);

    choose("cboFilterCallusMisc", 2);
    EXPECT_EQ(romNames(), Names{"Street Fighter II (Japan)"});
    choose("cboFilterCallusGenre", 0);
    EXPECT_EQ(back("cboFilterCallusGenre"), VbColor(0xC0C0C0));
    EXPECT_EQ(text("lblCallusRomCount"), "1");
}

// The favourites of MAME and Raine alike: Delete on the last one selects the one before it and
// shows it, elsewhere the favourite that moves up takes the selection; what is left is saved.
TEST_F(CallusRaineTest, FavouritesDroppedDeletedAndClearedReachTheSettingsFile) {
    for (const auto& [emu, games] : std::vector<std::pair<Emu, Names>>{
             {Emu::Mame, {"1942", "Galaga", "Pac-Man", "Xevious"}},
             {Emu::Raine, {"Bubble Bobble", "Darius", "Rainbow Islands", "Rastan"}}}) {
        const std::string base = Section(emu).baseName, count = "lbl" + base + "FavCount",
                          inHand = "lbl" + base + "RomSettings", clear = "lbl" + base + "ClearFav";
        WriteCfg(emu, {});
        ASSERT_NE(open(emu), nullptr) << base;
        for (const std::string& game : {games[1], games[1], games[3], games[0]})
            dropOnFavourites(game);
        // A game dragged from another section's list would add this list's game: it is refused.
        pickRom(games[2]);
        dropOnFavourites(emu == Emu::Mame ? Emu::Raine : Emu::Mame);
        EXPECT_EQ(favourites(), (Names{games[0], games[1], games[3]})) << base;
        dropOnFavourites();
        EXPECT_EQ(favourites(), games) << base;
        EXPECT_EQ(text(count.c_str()), "4") << base;

        auto* pref = find<QListWidget>(listName("Pref").c_str());
        EXPECT_EQ(pref->dragDropMode(), QAbstractItemView::DropOnly) << base;
        pickFavourite(games[3]);
        pressKey(pref, Qt::Key_Delete);
        EXPECT_EQ(favourites(), (Names{games[0], games[1], games[2]})) << base;
        EXPECT_EQ(pref->currentRow(), 2) << base;
        EXPECT_EQ(text(inHand.c_str()), games[2]) << base;
        // The favourite that moves up takes the selection.
        pickFavourite(games[1]);
        pressKey(pref, Qt::Key_Delete);
        EXPECT_EQ(pref->currentRow(), 1) << base;
        EXPECT_EQ(text(inHand.c_str()), games[2]) << base;
        EXPECT_EQ(text(count.c_str()), "2") << base;

        dialogs_->answers = {Answer::No};
        clickButton(clear.c_str());
        EXPECT_EQ(favourites().size(), 2u) << base;
        EXPECT_EQ(dialogs_->asked.back().text, shown::kClearFavourites) << base;
        EXPECT_EQ(MessageDifferences(*dialogs_), Names{}) << base;

        clickButton(("cmd" + base + "Exit").c_str());
        EXPECT_EQ(ExistingSectionWindow(emu), nullptr) << base;
        EXPECT_FALSE(Forms::main().sectionOpen(emu)) << base;
        EXPECT_EQ(savedFavourites(emu),
                  "[Favorties]\r\n\"" + games[2] + "\"\r\n\"" + games[0] + "\"\r\n");

        open(emu);
        EXPECT_EQ(favourites(), (Names{games[0], games[2]})) << base;
        dialogs_->answers = {Answer::Yes};
        clickButton(clear.c_str());
        EXPECT_TRUE(favourites().empty()) << base;
        EXPECT_EQ(text(count.c_str()), "0") << base;
        pressKey(find(listName("Pref").c_str()), Qt::Key_Delete);
        EXPECT_EQ(text(count.c_str()), "0") << base;
    }
}

// Options set for two games stay with each across changes of game and of page, a game browsed
// on another page taking none of them, in MAME, Callus and Raine alike.
TEST_F(CallusRaineTest, SettingsSetForTwoGamesStayWithEachAcrossPageAndGameChanges) {
    struct Walk {
        Emu emu;
        const char *settings, *away; // the page buttons
        std::string opened, first, second, browsed;
        // "combo" and "box" are set on the first game, "combo2" on the second.
        const char *combo, *box, *combo2;
        int index, rest, index2, rest2;
    };
    for (const Walk& w : std::vector<Walk>{
             {Emu::Mame, "imgButSet", "imgButInfo", "1942", "Galaga", "Xevious", "Pac-Man",
              "cboMameMonitor", "chkMameCheat", "cboMameGamma", 3, 0, 0, 14},
             {Emu::Callus, "imgCallusButSet", "imgCallusButHelp", "Final Fight", "Final Fight",
              "Pang! 3", "Street Fighter II", "cboCallusVR", "chkCallusNoSound", "cboCallusDevice4",
              3, 10, 13, 0},
             {Emu::Raine, "imgRaineButSet", "imgRaineButInfo", "Bubble Bobble", "Rastan", "Darius",
              "Rainbow Islands", "cboRaineScreenMode", "chkRaineEnableGUI", "cboRaineJoystick", 4,
              0, 2, 0}}) {
        const std::string base = Section(w.emu).baseName, inHand = "lbl" + base + "RomSettings",
                          folder = "txt" + base + "RomPath";
        WriteCfg(w.emu, {});
        ASSERT_NE(open(w.emu), nullptr) << base;
        clickButton(w.settings);
        EXPECT_TRUE(find(("pic" + base + "Settings").c_str())->isVisible()) << base;
        EXPECT_EQ(text(inHand.c_str()), w.opened);

        pickRom(w.first);
        choose(w.combo, w.index);
        find<QCheckBox>(w.box)->click();
        find<QLineEdit>(folder.c_str())->setText(FromAnsi("/games/" + base));
        pickRom(w.second);
        EXPECT_EQ(comboIndex(w.combo), w.rest) << w.combo;
        EXPECT_FALSE(checked(w.box)) << w.box;
        choose(w.combo2, w.index2);
        clickButton(w.settings);
        EXPECT_EQ(comboIndex(w.combo2), w.index2) << "the page in view is not loaded again";

        clickButton(w.away);
        pickRom(w.browsed);
        pickRom(w.second);
        clickButton(w.settings);
        EXPECT_EQ(text(inHand.c_str()), w.second);
        EXPECT_EQ(comboIndex(w.combo2), w.index2) << w.combo2;
        // The Snap button stores the page too.
        std::string snap = w.settings;
        snap.replace(snap.size() - 3, 3, "Snap");
        const int other = w.index2 == 0 ? 1 : w.index2 - 1;
        choose(w.combo2, other);
        clickButton(snap.c_str());
        clickButton(w.settings);
        EXPECT_EQ(comboIndex(w.combo2), other) << snap;
        pickRom(w.first);
        EXPECT_EQ(comboIndex(w.combo), w.index) << w.combo;
        EXPECT_TRUE(checked(w.box)) << w.box;
        EXPECT_EQ(text(folder.c_str()), "/games/" + base);
        EXPECT_EQ(comboIndex(w.combo2), w.rest2) << w.combo2;
    }

    // Quitting keeps a choice just made, as closing the window does.
    ASSERT_NE(open(Emu::Mame), nullptr);
    clickButton("imgButSet");
    pickRom("Galaga");
    choose("cboMameGamma", 2);
    InstallSectionWindows(*forms_);
    forms_->hooks.saveForQuit(Emu::Mame);
    SettingsFields saved = installation_->gameSettings.load(Emu::Mame, "Galaga").fields;
    EXPECT_EQ(saved[mame::Gamma], "2");
}

// "Def." copies the default ROM folder; "All", once confirmed, leaves the single default record
// of the page, which every game without a record of its own then shows.
TEST_F(CallusRaineTest, DefTakesTheDefaultRomFolderAndAllMakesThePageEveryGamesDefault) {
    WriteDataFile("System16", kRaineGames);
    struct Case {
        Emu emu;
        const char *settings, *game, *combo;
        int index;
        const char *box, *other;
        std::string record; // after the key and the ROM folder
    };
    for (const Case& c : std::vector<Case>{
             {Emu::Mame, "imgButSet", "Galaga", "cboMameMonitor", 2, "chkMameYm3812", "Pac-Man",
              ",0,2,0,0,1,1,0,0,0,0,\"0\",\"0\",14,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n"},
             {Emu::Callus, "imgCallusButSet", "Pang! 3", "cboCallusDevice4", 13, nullptr,
              "Street Fighter II", ",10,10,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,13\r\n"},
             {Emu::System16, "imgSystem16ButSet", "Darius", "cboSystem16SampleRate", 2, nullptr,
              "Rastan", ",2,2,0,0,0,1,0,0,0,0,0,0,0,1,0,0,0,2,0\r\n"}}) {
        const std::string base = Section(c.emu).baseName, set = dir_ / ("Cfg/" + base + ".set");
        WriteCfg(c.emu, {});
        dialogs_->asked.clear();
        ASSERT_NE(open(c.emu), nullptr) << base;
        clickButton(c.settings);
        pickRom(c.game);
        WriteBytes(set, "\"Old\",x\r\n");
        const std::string folder = "txt" + base + "RomPath";
        find<QLineEdit>(folder.c_str())->setText("/elsewhere");
        clickButton("cmdDirRomDefault");
        EXPECT_EQ(text(folder.c_str()), dir_ / "roms");
        EXPECT_EQ(find<QLineEdit>(folder.c_str())->cursorPosition(), 0) << "its start shows";
        choose(c.combo, c.index);
        if (c.box)
            find<QCheckBox>(c.box)->click();

        dialogs_->answers = {Answer::No};
        clickButton("cmdApplytoAll");
        EXPECT_EQ(ReadBytes(set), "\"Old\",x\r\n");
        dialogs_->answers = {Answer::Yes};
        clickButton("cmdApplytoAll");
        EXPECT_EQ(ReadBytes(set), "\"[DEFAULT]\",\"" + (dir_ / "roms") + "\"" + c.record);
        ASSERT_EQ(AskedTexts(*dialogs_),
                  (Names{shown::kApplyToAll, shown::kApplyToAll, shown::kDefaultConfSaved}));
        EXPECT_EQ(MessageDifferences(*dialogs_), Names{});
        pickRom(c.other);
        EXPECT_EQ(comboIndex(c.combo), c.index) << base;
    }
}

// A new installation as its user sets it up: the window opens on its first game before any
// folder is set, the program, ROM and snapshot folders are chosen by their Browse buttons, and
// after another game ran the first one starts from the ROM folder chosen; a ROM folder typed
// afterwards is followed alike. A game left as the window filled it in stores nothing.
TEST_F(CallusRaineTest, GamesShownBeforeTheirFoldersWereSetStartFromTheFoldersSet) {
    const std::string options = " -nogui -screenmode 0 -screenx 320 -screeny 200 -joystick -1\n";
    WriteStandIn("raine.sh", "ls ZipRoms");
    std::filesystem::create_directories(dir_ / "emu/ZipRoms");
    WriteBytes(dir_ / "snap/rainbow.gif", OnePixelGif(0, 0, 255));
    for (const char* zip : {"roms/bublbobl.zip", "roms/rainbow.zip"})
        WriteBytes(dir_ / zip, "zip");
    ASSERT_NE(open(Emu::Raine), nullptr);
    find<QLineEdit>("txtOptRaineExePath")->setText(QString::fromStdString(dir_ / "emu/x"));
    answerPicker("raine.sh");
    clickButton("cmdSfoglia");
    pick("cmdSelDir", true, "roms");
    pick("cmdDirSnap", true, "snap");
    for (const char* game : {"Rainbow Islands", "Bubble Bobble"}) {
        pickRom(game);
        doubleClick("lstRaineRom");
    }
    EXPECT_EQ(ran(), dir_.path() + "/emu\n-game bublbobl" + options + "bublbobl.zip\n");

    std::filesystem::rename(dir_ / "roms", dir_ / "moved");
    RemoveFile(dir_ / "ran.txt");
    find<QLineEdit>("txtOptRaineRomPath")->setText(QString::fromStdString(dir_ / "moved"));
    EXPECT_EQ(text("txtRaineRomPath"), dir_ / "moved");
    pickRom("Rainbow Islands");
    doubleClick("lstRaineRom");
    EXPECT_EQ(ran(), dir_.path() + "/emu\n-game rainbow" + options + "rainbow.zip\n");
    EXPECT_EQ(AskedTexts(*dialogs_), Names{shown::kNoConfiguration});
    EXPECT_EQ(ReadBytes(dir_ / "Cfg/Raine.set"), "<missing>");
}

// What a label button looks like on screen: its face's colour, and its caption drawn in "text"
// (the caption's strongest stroke, smoothed at its edges, near that colour).
struct Look {
    std::uint32_t back, text;
};

::testing::AssertionResult Drawn(QWidget* button, Look look) {
    return DrawnIn(button, look.back, look.text);
}

// The mouse entering "w", or leaving it.
void Hover(QWidget* w, bool enter = true) {
    QEnterEvent in(QPointF(2, 2), QPointF(2, 2), QPointF(w->mapToGlobal(QPoint(2, 2))));
    QEvent out(QEvent::Leave);
    QApplication::sendEvent(w, enter ? &in : &out);
}

constexpr std::uint32_t kWhite = 0xFFFFFF, kYellow = 0xFFFF;

// Each kind of label button has its own colours at rest and under the mouse; the game's folder
// button and "Def." change again while pressed and on release; the page buttons and the layout
// arrow are pictures that keep their colours.
TEST_F(CallusRaineTest, LabelButtonsShowTheirOwnColoursAtRestUnderTheMouseAndPressed) {
    WriteCfg(Emu::Callus, {"Final Fight"});
    ASSERT_NE(open(Emu::Callus), nullptr);
    struct Role {
        const char *page, *button;
        Look rest, hovered;
    };
    const Look link{0xBF8585, kWhite}, linkLit{0x8F675F, kYellow};
    for (const Role& role : std::vector<Role>{
             {"imgCallusButOpts", "cmdSfoglia", link, linkLit},
             {"imgCallusButOpts", "cmdSelDir", link, linkLit},
             {"imgCallusButOpts", "cmdDirSnap", link, linkLit},
             {"imgCallusButOpts", "lblScanNow", link, linkLit},
             {"imgCallusButSet", "cmdCallusLarge", {0x8F675F, kWhite}, {0xBF8585, kYellow}},
             {"imgCallusButSet", "cmdCallusShort", {0x8F675F, kWhite}, {0xBF8585, kYellow}},
             {"imgCallusButSet", "cmdCallusExit", {0xE4AAAA, 0x80}, {0x80, kWhite}},
             {"imgCallusButSet", "lblCallusClearFav", {0x5C7DD6, kWhite}, {0x40C0, kYellow}},
             {"imgCallusButSet", "cmdApplytoAll", {0x5C7DD6, kWhite}, {0x40C0, kYellow}},
             {"imgCallusButSet", "cmdCallusSelDir", link, linkLit},
             {"imgCallusButSet", "cmdDirRomDefault", link, linkLit},
         }) {
        clickButton(role.page);
        QWidget* button = find(role.button);
        Hover(button);
        EXPECT_TRUE(Drawn(button, role.hovered));
        Hover(button, false);
        EXPECT_TRUE(Drawn(button, role.rest));
    }

    // A page button keeps its look and lights the section's launcher entry.
    Forms::main().highlight(Emu::Mame);
    for (const char* picture : {"imgCallusButInfo", "cmdCallusRidimen"}) {
        const QImage rest = find(picture)->grab().toImage();
        Hover(find(picture));
        EXPECT_EQ(find(picture)->grab().toImage(), rest) << picture;
    }
    QWidget* entry = Forms::main().findChild<QWidget*>(QStringLiteral("lblCallus"));
    EXPECT_TRUE(Drawn(entry, {0x8F675F, kWhite}));
    // So does the mouse moving over the game list.
    Forms::main().highlight(Emu::Mame);
    SendMouse(find<QListView>("lstCallusRom")->viewport(), QEvent::MouseMove);
    EXPECT_TRUE(Drawn(entry, {0x8F675F, kWhite}));

    // Pressed, then released off the button so that nothing is clicked.
    for (auto [name, pressed, released] : std::vector<std::tuple<const char*, Look, Look>>{
             {"cmdCallusSelDir", {0x8F675F, kWhite}, link},
             {"cmdDirRomDefault", linkLit, {0xBF8585, kYellow}}}) {
        QWidget* button = find(name);
        Hover(button);
        SendMouse(button, QEvent::MouseButtonPress);
        EXPECT_TRUE(Drawn(button, pressed));
        SendMouse(button, QEvent::MouseButtonRelease, Qt::LeftButton, {-5, -5});
        EXPECT_TRUE(Drawn(button, released));
    }
    // The next move over "Def." lights it again.
    MoveOver(find("cmdDirRomDefault"));
    EXPECT_TRUE(Drawn(find("cmdDirRomDefault"), linkLit));

    // The launcher's "Lays" left lit goes back to rest when the mouse reaches the favourites.
    QWidget* lays = Forms::main().findChild<QWidget*>(QStringLiteral("lblLays"));
    MoveOver(lays);
    EXPECT_TRUE(Drawn(lays, linkLit));
    MoveOver(find<QListWidget>("lstCallusPref")->viewport());
    EXPECT_TRUE(Drawn(lays, link));
}

TEST_F(CallusRaineTest, OpeningAnOpenSectionAgainListsEveryGameUnderNeutralFilters) {
    for (Emu emu : {Emu::Mame, Emu::Callus, Emu::Raine}) {
        const std::string base = Section(emu).baseName;
        ASSERT_NE(open(emu), nullptr) << base;
        const size_t every = romNames().size();
        for (const char* combo : {"Misc", "Genre", "Manufactor", "Year"})
            choose(("cboFilter" + base + combo).c_str(), 1);
        ASSERT_LT(romNames().size(), every) << base;

        open(emu);
        EXPECT_EQ(romNames().size(), every) << base;
        EXPECT_EQ(text(("lbl" + base + "RomCount").c_str()), std::to_string(every)) << base;
        for (const char* combo : {"Misc", "Genre", "Manufactor", "Year"}) {
            const std::string name = "cboFilter" + base + combo;
            EXPECT_EQ(comboIndex(name.c_str()), 0) << name;
            EXPECT_EQ(back(name.c_str()), VbColor(0xC0C0C0)) << name;
        }
    }
}

// A header without a game total leaves Callus's total empty and Raine's and System16's at their
// design numbers; an empty eighth header line empties every section's total.
TEST_F(CallusRaineTest, AGameTotalTheDataFileLacksIsEmptyOrTheDesignNumber) {
    WriteDataFile("System16", kRaineGames);
    for (auto [emu, withoutHeader] :
         std::vector<std::pair<Emu, const char*>>{{Emu::Mame, nullptr},
                                                  {Emu::Callus, ""},
                                                  {Emu::Raine, "107"},
                                                  {Emu::System16, "1107"}}) {
        const std::string base = Section(emu).baseName, path = dir_ / ("Data/" + base + ".dat");
        const std::string bytes = ReadBytes(path), total = "lbl" + base + "Total";
        const size_t line = bytes.find("\r\nT") + 2;
        WriteBytes(path, std::string(bytes).erase(line, bytes.find('\r', line) - line));
        ASSERT_NE(open(emu), nullptr) << base;
        EXPECT_EQ(text(total.c_str()), "") << base;
        if (!withoutHeader)
            continue;
        closeSection(emu);
        WriteBytes(path, bytes.substr(bytes.find("X7\r\n") + 4));
        ASSERT_NE(open(emu), nullptr) << base;
        EXPECT_EQ(text(total.c_str()), withoutHeader) << base;
        EXPECT_EQ(romNames().size(), 4u) << base;
    }
}

} // namespace
} // namespace arvok::test
