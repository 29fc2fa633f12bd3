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
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>

#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/geometry.h"
#include "section_fixture.h"
#include "sections/open_section.h"
#include "sections/popup_menus.h"
#include "sections/section_widgets.h"
#include "shell/forms.h"
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
    int comboIndex(const char* name) { return find<QComboBox>(name)->currentIndex(); }
    bool checked(const char* name) { return find<QCheckBox>(name)->isChecked(); }
    std::vector<std::string> texts(const char* page) {
        std::vector<std::string> all;
        for (QLabel* label : find(page)->findChildren<QLabel*>())
            all.push_back(ToAnsi(label->text()));
        return all;
    }
};

bool Holds(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(CallusRaineTest, CallusOpensDockedWithItsOwnCaptionsCountsAndKeyTable) {
    WriteCfg(Emu::Callus, {"Pang! 3", "Final Fight"});
    WriteBytes(dir_ / "emu/gamelist.txt", "$info=ffight\r\n$bio\r\nFinal Fight\r\nA brawler\r\n"
                                          "$end\r\n");
    Forms::main().setTwipsPosition(300, 900);
    ASSERT_NE(open(Emu::Callus), nullptr);

    EXPECT_TRUE(dialogs_->asked.empty());
    EXPECT_EQ(favourites(), (std::vector<std::string>{"Final Fight", "Pang! 3"}));
    EXPECT_EQ(text("lblCallusRomSettings"), "Final Fight");
    TwipRect at = GetTwips(window_);
    EXPECT_EQ(at.Top, 300);
    EXPECT_EQ(at.Left, 900 + 3450);

    // "Total:" and "Filtered:" right of the year filter, at 5910.
    EXPECT_EQ(text("Label3"), "Total:");
    EXPECT_EQ(text("Label1"), "Filtered:");
    EXPECT_EQ(text("lblCallusTotal"), "4");
    EXPECT_EQ(text("lblCallusRomCount"), "4");
    EXPECT_EQ(GetTwips(find("lblCallusTotal")).Left, 5910);
    EXPECT_EQ(GetTwips(find("lblCallusTotal")).Top, 4650);
    EXPECT_EQ(GetTwips(find("lblCallusRomCount")).Top, 4800);

    EXPECT_EQ(text("lblCallusPath"), "Full Callus-DOS Path");
    EXPECT_EQ(text("Label22"), "Default Roms Directory");
    EXPECT_EQ(text("Label20"), "ScreenShots Directory");
    EXPECT_EQ(text("Label64"), "Horizontal Res.");
    EXPECT_EQ(text("Label6"), "Device N.4");
    EXPECT_EQ(find<QComboBox>("cboCallusDevice1")->itemText(6).toStdString(), "4 Buttton Joy");
    EXPECT_EQ(text("lblSnapTip"), "Press F9 during the game to grab your snap!");
    EXPECT_EQ(find<QCheckBox>("chkCallusMultiTask")->text().toStdString(), "Exclusive");
    EXPECT_EQ(find<QCheckBox>("chkCallus2To3")->toolTip().toStdString(),
              "If set in the SF2 games, pressing just 2 punch or kick buttons will cause all 3 to "
              "be pressed, making special moves somewhat easier ");
    EXPECT_EQ(find("cmdApplytoAll")->toolTip().toStdString(), " Apply current settings to All ");

    // The help page: the game's history beside the key table.
    clickButton("imgCallusButHelp");
    auto* history = find<QListWidget>("lstCallusHelp");
    ASSERT_GT(history->count(), 0);
    EXPECT_EQ(history->findItems(QStringLiteral("A brawler"), Qt::MatchExactly).size(), 1);
    const std::vector<std::string> help = texts("picCallusHelp");
    for (const char* shown : {"Utilities:", "F1/F2", " Player 1/2 start", "F9", " Save snapshot",
                              "ALT-I", " Toggle Pal. intens.", "ALT-Q"})
        EXPECT_TRUE(Holds(help, shown)) << shown;
    EXPECT_LT(GetTwips(history).Left + GetTwips(history).Width, 1920);

    clickButton("imgCallusButInfo");
    EXPECT_TRUE(Holds(texts("picCallusInfo"), "Driver:"));
    EXPECT_TRUE(Holds(texts("picCallusInfo"), " Technical Info:"));
    EXPECT_TRUE(Holds(texts("picCallusInfo"), "Save State"));
    EXPECT_EQ(text("lblInfoRomFile"), "ffight.zip");
}

TEST_F(CallusRaineTest, RaineHasAFixedKeyPageItsNoteAndThreeColumnsAtLoad) {
    WriteCfg(Emu::Raine, {});
    ASSERT_NE(open(Emu::Raine), nullptr);

    EXPECT_EQ(text("lblRaineTotal"), "4");
    EXPECT_EQ(text("lblOptMamePath"), "Full Raine Path");
    EXPECT_EQ(static_cast<GameListView*>(find<QListView>("lstRaineRom"))->columns(), 3);
    EXPECT_EQ(text("Label61"), "Screen Resolution");
    EXPECT_EQ(text("Label6"),
              "Please, note that in the current version of Raine there are available only the "
              "options showed in this page. Other options can be changed from the \"raine.cfg\" "
              "file or throught the graphic user interface. Choose \"Enable GUI\" to make these "
              "changes.");

    clickButton("imgRaineButHelp");
    EXPECT_EQ(window_->findChild<QListWidget*>("lstRaineHelp"), nullptr);
    const std::vector<std::string> help = texts("picRaineHelp");
    for (const char* shown :
         {"General in game keys:", "Keys in Pause mode:", "Default Player keys:", "RGHT",
          " Scroll RIght", "Q-W-E", " Player 2 Buttons", "FPS Display (5 M.)"})
        EXPECT_TRUE(Holds(help, shown)) << shown;

    clickButton("imgRaineButInfo");
    EXPECT_TRUE(Holds(texts("picRaineInfo"), "System:"));
    EXPECT_FALSE(Holds(texts("picRaineInfo"), "Driver:"));

    // Middle gives the "up" layout of two columns, the genre filter at 1660 (MAME's: 1690).
    EXPECT_EQ(find("cboFilterRaineGenre")->x(), TwipsToPx(1680));
    clickButton("cmdRaineMiddle");
    EXPECT_EQ(static_cast<GameListView*>(find<QListView>("lstRaineRom"))->columns(), 2);
    EXPECT_TRUE(find<QListView>("lstRaineRom")->isWrapping()) << "filled column by column";
    EXPECT_EQ(find("cboFilterRaineGenre")->x(), TwipsToPx(1660));
}

// Callus shows the favourites' share when the mouse moves over the count, Raine when it is
// clicked; the MAME window never.
TEST_F(CallusRaineTest, TheFavouritesShareShowsOnTheSectionsOwnGesture) {
    WriteCfg(Emu::Callus, {"Final Fight"});
    WriteCfg(Emu::Raine, {"Darius", "Rastan"});
    ASSERT_NE(open(Emu::Callus), nullptr);
    QWidget* count = find("lblCallusFavCount");
    sendMouse(count, QEvent::MouseButtonPress);
    sendMouse(count, QEvent::MouseButtonRelease);
    EXPECT_EQ(count->toolTip().toStdString(), "");
    sendMouse(count, QEvent::MouseMove);
    EXPECT_EQ(count->toolTip().toStdString(), " 25% of total ");

    // A total that is no whole number, or 0, leaves the tooltip as it was.
    find<QLabel>("lblCallusFavCount")->setText(QStringLiteral("3"));
    for (const char* total : {"", "0"}) {
        find<QLabel>("lblCallusTotal")->setText(QString::fromLatin1(total));
        sendMouse(count, QEvent::MouseMove);
        EXPECT_EQ(count->toolTip().toStdString(), " 25% of total ") << total;
    }

    ASSERT_NE(open(Emu::Raine), nullptr);
    count = find("lblRaineFavCount");
    sendMouse(count, QEvent::MouseMove);
    EXPECT_EQ(count->toolTip().toStdString(), "");
    sendMouse(count, QEvent::MouseButtonPress);
    sendMouse(count, QEvent::MouseButtonRelease);
    EXPECT_EQ(count->toolTip().toStdString(), " 50% of total ");

    WriteMameCfg({"Galaga"});
    ASSERT_NE(open(Emu::Mame), nullptr);
    count = find("lblMameFavCount");
    for (QEvent::Type type :
         {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        sendMouse(count, type);
    EXPECT_EQ(count->toolTip().toStdString(), "");
}

// The filters narrow the list by the section's own items; neither Shift nor the menu resets
// them (those are the MAME window's).
TEST_F(CallusRaineTest, FiltersUseTheSectionsItemsAndNoShiftOrMenuReset) {
    WriteCfg(Emu::Callus, {});
    ASSERT_NE(open(Emu::Callus), nullptr);
    auto* genre = find<QComboBox>("cboFilterCallusGenre");
    EXPECT_EQ(genre->count(), 6);
    EXPECT_EQ(genre->itemText(5).toStdString(), "Trivia");
    EXPECT_EQ(find<QComboBox>("cboFilterCallusYear")->itemText(8).toStdString(), "1995");

    choose("cboFilterCallusGenre", genre->findText(QStringLiteral("Fighting")));
    EXPECT_EQ(romNames(),
              (std::vector<std::string>{"Street Fighter II", "Street Fighter II (Japan)"}));
    EXPECT_EQ(text("lblCallusRomCount"), "2");
    EXPECT_EQ(back("cboFilterCallusGenre"), VbColor(0xE4AAAA));

    pressKey(genre, Qt::Key_A, Qt::ShiftModifier);
    emit FrmMenu().resetFiltersRequested();
    EXPECT_EQ(romNames().size(), 2u);
    EXPECT_EQ(genre->currentIndex(), 2);

    choose("cboFilterCallusMisc", 2);
    EXPECT_EQ(romNames(), std::vector<std::string>{"Street Fighter II (Japan)"});
    choose("cboFilterCallusGenre", 0);
    EXPECT_EQ(back("cboFilterCallusGenre"), VbColor(0xC0C0C0));
    EXPECT_EQ(text("lblCallusRomCount"), "1");
}

TEST_F(CallusRaineTest, CallusLaunchesByDoubleClickAndEnterWithTheGamesOwnOptions) {
    WriteCfg(Emu::Callus, {"Final Fight"});
    WriteStandIn("callus.sh", "ls *.zip");
    WriteBytes(dir_ / "roms/sf2.zip", "zip");
    WriteBytes(dir_ / "roms/ffight.zip", "zip");
    ASSERT_NE(open(Emu::Callus), nullptr);
    clickButton("imgCallusButSet");
    pickRom("Street Fighter II");
    choose("cboCallusHR", 1);
    choose("cboCallusDevice2", 4);
    find<QCheckBox>("chkCallusVSync")->click();

    doubleClick(find<QListView>("lstCallusRom"));
    EXPECT_EQ(ran(), dir_.path() + "/emu\n" +
                         "sf2 -resv 640 480 -res 320 240 -frameskip AUTO -sndrate 22050 -vsync ON "
                         "-setinput 1 KEY1 -setinput 2 JOY2 -setinput 3 KEY1 -setinput 4 KEY1\n"
                         "sf2.zip\n");
    EXPECT_FALSE(IsPresentFile(dir_ / "emu/sf2.zip"));
    EXPECT_EQ(ReadBytes(dir_ / "roms/sf2.zip"), "zip");

    // Enter on the favourite launches it with its own (default) options.
    auto* favourites = find<QListWidget>("lstCallusPref");
    favourites->setCurrentRow(0);
    pressKey(favourites, Qt::Key_Return);
    EXPECT_EQ(ran(), dir_.path() + "/emu\n" +
                         "ffight -resv 640 480 -res 640 480 -frameskip AUTO -sndrate 22050 "
                         "-setinput 1 KEY1 -setinput 2 KEY1 -setinput 3 KEY1 -setinput 4 KEY1\n"
                         "ffight.zip\n");
    EXPECT_TRUE(dialogs_->asked.empty());
}

TEST_F(CallusRaineTest, RaineLaunchesByEnterAndDoubleClickWithTheGamesOwnOptions) {
    WriteCfg(Emu::Raine, {});
    WriteStandIn("raine.sh", "ls ZipRoms/*.zip");
    WriteBytes(dir_ / "roms/darius.zip", "zip");
    std::filesystem::create_directories(dir_ / "emu/ZipRoms");
    ASSERT_NE(open(Emu::Raine), nullptr);
    clickButton("imgRaineButSet");
    pickRom("Darius");
    choose("cboRaineScreenRes", 5);
    choose("cboRaineJoystick", 2);
    find<QCheckBox>("chkRaineLimitSpeed")->click();

    pressKey(find("lstRaineRom"), Qt::Key_Return);
    EXPECT_EQ(ran(), dir_.path() + "/emu\n" +
                         "-game darius -nogui -screenmode 0 -screenx 640 -screeny 480 "
                         "-limitspeed -joystick STD\n"
                         "ZipRoms/darius.zip\n");
    EXPECT_FALSE(IsPresentFile(dir_ / "emu/ZipRoms/darius.zip"));

    EXPECT_EQ(ToAnsi(find<QCheckBox>("chkRaineEnableGUI")->text()), shown::kEnableGui);
    find<QCheckBox>("chkRaineEnableGUI")->click();
    doubleClick(find<QListView>("lstRaineRom"));
    EXPECT_EQ(ran(), dir_.path() + "/emu\n" +
                         "-game darius -screenmode 0 -screenx 640 -screeny 480 -limitspeed "
                         "-joystick STD\n"
                         "ZipRoms/darius.zip\n");
}

TEST_F(CallusRaineTest, FavouritesDroppedDeletedAndClearedReachTheSettingsFile) {
    WriteCfg(Emu::Raine, {"Rastan"});
    ASSERT_NE(open(Emu::Raine), nullptr);
    pickRom("Darius");
    dropOnFavourites();
    dropOnFavourites();
    // A game dragged from another section's list would add this list's game: it is refused.
    pickRom("Bubble Bobble");
    dropOnFavourites(Emu::Mame);
    EXPECT_EQ(favourites(), (std::vector<std::string>{"Darius", "Rastan"}));
    EXPECT_EQ(text("lblRaineFavCount"), "2");

    auto* list = find<QListWidget>("lstRainePref");
    list->setCurrentRow(1);
    pressKey(list, Qt::Key_Delete);
    EXPECT_EQ(favourites(), std::vector<std::string>{"Darius"});
    EXPECT_EQ(text("lblRaineFavCount"), "1");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(text("lblRaineRomSettings"), "Darius");
    window_->SaveCfg();
    EXPECT_NE(ReadBytes(dir_ / "Cfg/Raine.cfg").find("[Favorties]\r\n\"Darius\"\r\n"),
              std::string::npos);

    dialogs_->answers = {Answer::Yes};
    clickButton("lblRaineClearFav");
    EXPECT_EQ(favourites(), std::vector<std::string>{});
    EXPECT_EQ(text("lblRaineFavCount"), "0");
    EXPECT_EQ(dialogs_->asked.back().text, shown::kClearFavourites);
}

// Options set for two games stay with each across page and game changes; "Def." copies the
// default ROM folder; "All" leaves the single default record of the page.
TEST_F(CallusRaineTest, CallusSettingsStayPerGameAndAllAndDefActOnThePage) {
    WriteCfg(Emu::Callus, {});
    ASSERT_NE(open(Emu::Callus), nullptr);
    clickButton("imgCallusButSet");
    EXPECT_EQ(text("lblCallusRomSettings"), "Final Fight");
    EXPECT_EQ(comboIndex("cboCallusHR"), 10);
    EXPECT_EQ(comboIndex("cboCallusSampleRate"), 1);

    choose("cboCallusVR", 3);
    find<QCheckBox>("chkCallusNoSound")->click();
    pickRom("Pang! 3");
    EXPECT_EQ(comboIndex("cboCallusVR"), 10);
    EXPECT_FALSE(checked("chkCallusNoSound"));
    choose("cboCallusDevice4", 13);
    clickButton("cmdDirRomDefault");
    EXPECT_EQ(ToAnsi(find<QLineEdit>("txtCallusRomPath")->text()), dir_ / "roms");

    clickButton("imgCallusButHelp");
    pickRom("Street Fighter II");
    clickButton("imgCallusButSet");
    pickRom("Final Fight");
    EXPECT_EQ(comboIndex("cboCallusVR"), 3);
    EXPECT_TRUE(checked("chkCallusNoSound"));
    pickRom("Pang! 3");
    EXPECT_EQ(comboIndex("cboCallusDevice4"), 13);

    dialogs_->answers = {Answer::Yes};
    clickButton("cmdApplytoAll");
    EXPECT_EQ(ReadBytes(dir_ / "Cfg/Callus.set"),
              "\"[DEFAULT]\",\"" + (dir_ / "roms") +
                  "\",10,10,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,13\r\n");
    EXPECT_EQ(dialogs_->asked.back().text, shown::kDefaultConfSaved);
}

TEST_F(CallusRaineTest, RaineSettingsStayPerGameAndTheRomFolderPickerSeeksTheGamesZip) {
    WriteCfg(Emu::Raine, {});
    ASSERT_NE(open(Emu::Raine), nullptr);
    clickButton("imgRaineButSet");
    pickRom("Rastan");
    choose("cboRaineScreenMode", 4);
    find<QCheckBox>("chkRaineEnableGUI")->click();
    pickRom("Darius");
    EXPECT_EQ(comboIndex("cboRaineScreenMode"), 0);
    EXPECT_FALSE(checked("chkRaineEnableGUI"));
    clickButton("imgRaineButInfo");
    clickButton("imgRaineButSet");
    pickRom("Rastan");
    EXPECT_EQ(comboIndex("cboRaineScreenMode"), 4);
    EXPECT_TRUE(checked("chkRaineEnableGUI"));

    std::string caption;
    QTimer::singleShot(0, [&caption] {
        QWidget* picker = QApplication::activeModalWidget();
        ASSERT_NE(picker, nullptr);
        caption = ToAnsi(picker->windowTitle());
        picker->close();
    });
    clickButton("cmdRaineSelDir");
    EXPECT_EQ(caption, "Search Rom for Rastan (rastan.zip)");
}

// What a label button looks like on screen: its face's colour, and its caption drawn in "text"
// (the caption's strongest stroke, smoothed at its edges, near that colour).
struct Look {
    std::uint32_t back, text;
};

::testing::AssertionResult Drawn(QWidget* button, Look look) {
    const QImage image = button->grab().toImage();
    const QColor face = image.pixelColor(1, 1);
    if (face != VbColor(look.back))
        return ::testing::AssertionFailure()
               << ToAnsi(button->objectName()) << " face " << face.name().toStdString();
    // The caption's strongest stroke: the pixel farthest from the face.
    auto distance = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    };
    QColor stroke = face;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (distance(image.pixelColor(x, y), face) > distance(stroke, face))
                stroke = image.pixelColor(x, y);
    if (distance(stroke, VbColor(look.text)) > 48)
        return ::testing::AssertionFailure()
               << ToAnsi(button->objectName()) << " caption " << stroke.name().toStdString();
    return ::testing::AssertionSuccess();
}

void Enter(QWidget* w) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(w->mapToGlobal(QPoint(2, 2))));
    QApplication::sendEvent(w, &event);
}

void Leave(QWidget* w) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

// A release off the button, so that nothing is clicked.
void Release(QWidget* w) {
    const QPoint off(-5, -5);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(off), QPointF(w->mapToGlobal(off)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

constexpr std::uint32_t kWhite = 0xFFFFFF, kYellow = 0xFFFF;

// Each kind of label button has its own colours at rest and under the mouse; the game's folder
// button and "Def." change again while pressed and on release; the page buttons and the layout
// arrow are pictures that keep their colours.
TEST_F(CallusRaineTest, LabelButtonsShowTheirOwnColoursAtRestUnderTheMouseAndPressed) {
    WriteCfg(Emu::Callus, {"Final Fight"});
    ASSERT_NE(open(Emu::Callus), nullptr);
    struct Role {
        const char* button;
        Look rest, hovered;
    };
    const Look link{0xBF8585, kWhite}, linkLit{0x8F675F, kYellow};
    clickButton("imgCallusButSet");
    for (const Role& role : std::vector<Role>{
             {"cmdCallusLarge", {0x8F675F, kWhite}, {0xBF8585, kYellow}},
             {"cmdCallusShort", {0x8F675F, kWhite}, {0xBF8585, kYellow}},
             {"cmdCallusExit", {0xE4AAAA, 0x80}, {0x80, kWhite}},
             {"lblCallusClearFav", {0x5C7DD6, kWhite}, {0x40C0, kYellow}},
             {"cmdApplytoAll", {0x5C7DD6, kWhite}, {0x40C0, kYellow}},
             {"cmdCallusSelDir", link, linkLit},
             {"cmdDirRomDefault", link, linkLit},
         }) {
        QWidget* button = find(role.button);
        EXPECT_TRUE(Drawn(button, role.rest));
        Enter(button);
        EXPECT_TRUE(Drawn(button, role.hovered));
        Leave(button);
        EXPECT_TRUE(Drawn(button, role.rest));
    }

    // A page button keeps its look and lights the section's launcher entry.
    Forms::main().highlight(Emu::Mame);
    for (const char* picture : {"imgCallusButInfo", "cmdCallusRidimen"}) {
        const QImage rest = find(picture)->grab().toImage();
        Enter(find(picture));
        EXPECT_EQ(find(picture)->grab().toImage(), rest) << picture;
    }
    QWidget* entry = Forms::main().findChild<QWidget*>(QStringLiteral("lblCallus"));
    EXPECT_TRUE(Drawn(entry, {0x8F675F, kWhite}));
    // So does the mouse moving over the game list.
    Forms::main().highlight(Emu::Mame);
    sendMouse(find<QListView>("lstCallusRom")->viewport(), QEvent::MouseMove);
    EXPECT_TRUE(Drawn(entry, {0x8F675F, kWhite}));

    QWidget* folder = find("cmdCallusSelDir");
    Enter(folder);
    sendMouse(folder, QEvent::MouseButtonPress);
    EXPECT_TRUE(Drawn(folder, {0x8F675F, kWhite}));
    Release(folder);
    EXPECT_TRUE(Drawn(folder, link));
    QWidget* byDefault = find("cmdDirRomDefault");
    Enter(byDefault);
    sendMouse(byDefault, QEvent::MouseButtonPress);
    EXPECT_TRUE(Drawn(byDefault, linkLit));
    Release(byDefault);
    EXPECT_TRUE(Drawn(byDefault, {0xBF8585, kYellow}));
    // The next move over it lights it again.
    sendMouse(byDefault, QEvent::MouseMove);
    EXPECT_TRUE(Drawn(byDefault, linkLit));

    // The launcher's "Lays" left lit goes back to rest when the mouse reaches the favourites.
    QWidget* lays = Forms::main().findChild<QWidget*>(QStringLiteral("lblLays"));
    sendMouse(lays, QEvent::MouseMove);
    EXPECT_TRUE(Drawn(lays, linkLit));
    sendMouse(find<QListWidget>("lstCallusPref")->viewport(), QEvent::MouseMove);
    EXPECT_TRUE(Drawn(lays, link));

    clickButton("imgCallusButOpts");
    for (const char* name : {"cmdSfoglia", "cmdSelDir", "cmdDirSnap"})
        EXPECT_EQ(text(name), shown::kBrowse) << name;
    for (const char* name : {"cmdSfoglia", "cmdSelDir", "cmdDirSnap", "lblScanNow"}) {
        QWidget* button = find(name);
        EXPECT_TRUE(Drawn(button, link));
        Enter(button);
        EXPECT_TRUE(Drawn(button, linkLit));
        sendMouse(button, QEvent::MouseButtonPress);
        Release(button);
        EXPECT_TRUE(Drawn(button, link)) << name;
    }
}

TEST_F(CallusRaineTest, AFirstVisitOpensOnTheConfigurationPageWithTheDesignTexts) {
    ASSERT_NE(open(Emu::Callus), nullptr);
    ASSERT_EQ(dialogs_->asked.size(), 1u);
    EXPECT_EQ(dialogs_->asked[0].text, shown::kNoConfiguration);
    EXPECT_TRUE(find("picCallusConf")->isVisible());
    EXPECT_EQ(find<QLineEdit>("txtOptCallusExePath")->text().toStdString(),
              "C:\\Emu\\Callus\\Callus.exe");
    EXPECT_EQ(find<QLineEdit>("txtOptCallusSnap")->text().toStdString(),
              "C:\\Emu\\Callus\\Snapshot");
    // Callus empties its total when the header gives none; Raine keeps "107".
    WriteLines(dir_ / "Data/Raine.dat", {Record(kRaineGames[0])});
    WriteLines(dir_ / "Data/Callus.dat", {Record(kCallusGames[0])});
    delete ExistingSectionWindow(Emu::Callus);
    Forms::main().setSectionOpen(Emu::Callus, false);
    ASSERT_NE(open(Emu::Callus), nullptr);
    EXPECT_EQ(text("lblCallusTotal"), "");
    ASSERT_NE(open(Emu::Raine), nullptr);
    EXPECT_EQ(text("lblRaineTotal"), "107");
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

TEST_F(CallusRaineTest, AnEmptyEighthHeaderLineLeavesEachSectionsTotalEmpty) {
    WriteDataFile("System16", kRaineGames);
    for (Emu emu : {Emu::Mame, Emu::Callus, Emu::Raine, Emu::System16}) {
        const std::string base = Section(emu).baseName, path = dir_ / ("Data/" + base + ".dat");
        std::string bytes = ReadBytes(path);
        const size_t total = bytes.find("\r\nT") + 2;
        WriteBytes(path, bytes.erase(total, bytes.find('\r', total) - total));
        ASSERT_NE(open(emu), nullptr) << base;
        EXPECT_EQ(text(("lbl" + base + "Total").c_str()), "") << base;
    }
}

} // namespace
} // namespace arvok::test
