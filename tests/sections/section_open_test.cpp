#include <QCoreApplication>
#include <QListView>
#include <QListWidget>
#include <QPointer>
#include <QWindow>
#include <filesystem>

#include <regex>

#include <sys/stat.h>

#include "platform/path.h"
#include "platform/qt/geometry.h"
#include "platform/qt/window_drag.h"
#include "section_fixture.h"
#include "sections/open_section.h"
#include "sections/settings_page.h"
#include "settings/game_settings.h"
#include "shell/forms.h"
#include "support/control_table.h"
#include "support/shown_texts.h"

namespace arvok::test {
namespace {

using SectionOpenTest = SectionTest;

TEST_F(SectionOpenTest, WithoutItsDataFileTheSectionSaysSoAndStaysClosed) {
    RemoveFile(dir_ / "Data/Mame.dat");
    Forms::main().setCurrentSectionTag("RAINE");

    EXPECT_EQ(open(), nullptr);

    ASSERT_EQ(AskedTexts(*dialogs_), Names{shown::kNoDataFile});
    EXPECT_EQ(MessageDifferences(*dialogs_), Names{});
    EXPECT_FALSE(Forms::main().sectionOpen(Emu::Mame));
    EXPECT_EQ(Forms::main().currentSectionTag(), "RAINE");
}

TEST_F(SectionOpenTest, AFirstVisitWarnsThenOpensOnTheConfigurationPage) {
    // Whether the window was on screen as each message was shown.
    std::vector<bool> windowShown;
    dialogs_->whenAsked = [&] {
        SectionWindow* w = ExistingSectionWindow(Emu::Mame);
        windowShown.push_back(w && w->isVisible());
    };
    open();
    dialogs_->whenAsked = nullptr;
    ASSERT_NE(window_, nullptr);

    ASSERT_EQ(AskedTexts(*dialogs_), Names{shown::kNoConfiguration});
    EXPECT_EQ(MessageDifferences(*dialogs_), Names{});
    EXPECT_EQ(windowShown, std::vector<bool>{false});
    EXPECT_EQ(ControlDifferences(window_, "frmMame.txt"), Names{});

    // Every game, letter case ignored, the first one selected and in hand.
    EXPECT_EQ(romNames(), (Names{"1942", "Donkey Kong", "Donkey Kong (US set 2)", "Galaga",
                                 "Metal Slug", "Pac-Man", "Puck Man (Japan)", "Xevious"}));

    // The snapshot picture keeps its flag behind the configuration page, so a game chosen
    // there is looked up and becomes the game in hand.
    pickRom("Galaga");
    EXPECT_EQ(text("lblMameRomSettings"), "Galaga");
    EXPECT_EQ(window_->RomSel, "galaga");
    EXPECT_TRUE(find("picMameConf")->isVisible());
}

TEST_F(SectionOpenTest, WithFavouritesTheFirstFavouriteIsShownDockedBesideTheLauncher) {
    WriteCfg(Emu::Mame, {"Xevious", "Galaga"});
    Forms::main().setTwipsPosition(600, 1200);

    ASSERT_NE(open(), nullptr);

    EXPECT_TRUE(dialogs_->asked.empty());
    EXPECT_EQ(favourites(), (Names{"Galaga", "Xevious"}));
    EXPECT_EQ(find<QListWidget>("lstMamePref")->currentRow(), 0);
    EXPECT_FALSE(find<QListView>("lstMameRom")->currentIndex().isValid());
    EXPECT_EQ(text("lblMameFavCount"), "2");
    EXPECT_TRUE(find("picMameSnap")->isVisible());
    const TwipRect at = GetTwips(window_);
    EXPECT_EQ(std::tuple(at.Top, at.Left, at.Width, at.Height),
              std::tuple(600, 1200 + 3450, 6345, 7260));
    EXPECT_EQ(text("lblMameRomSettings"), "Galaga");
}

TEST_F(SectionOpenTest, AFavouriteTheDataFileNoLongerHoldsIsReportedAndDropped) {
    // Sorted without regard to case, "ghost game" stands first.
    WriteCfg(Emu::Mame, {"Zed Gone", "Xevious", "Pac-Man", "ghost game"});

    ASSERT_NE(open(), nullptr);

    ASSERT_EQ(AskedTexts(*dialogs_), Names{shown::kNoRomInDataFile});
    EXPECT_EQ(favourites(), (Names{"Pac-Man", "Xevious", "Zed Gone"}));
    EXPECT_EQ(texts({"lblMameFavCount", "lblMameRomSettings"}), (Names{"3", "Pac-Man"}));

    // A click on the last favourite, which is missing: the one before it is shown and drawn
    // highlighted, as after the Delete key.
    clickFavourite("Zed Gone");
    EXPECT_EQ(dialogs_->asked.size(), 2u);
    EXPECT_EQ(favourites(), (Names{"Pac-Man", "Xevious"}));
    EXPECT_EQ(texts({"lblMameFavCount", "lblMameRomSettings"}), (Names{"2", "Xevious"}));
    auto* pref = find<QListWidget>("lstMamePref");
    const QRect row = pref->visualItemRect(pref->item(1));
    EXPECT_EQ(pref->viewport()->grab().toImage().pixelColor(row.right() - 2, row.center().y()),
              pref->palette().color(QPalette::Highlight));
    EXPECT_TRUE(drawsIn("lstMamePref", VbColor(0x98FFFF))) << "the favourites' text colour";

    // An empty data file tells nothing of the favourites: the miss is reported once and the
    // favourites are saved as they were.
    clickButton("cmdMameExit");
    WriteCfg(Emu::Mame, {"Xevious", "Ghost Game"});
    WriteBytes(dir_ / "Data/Mame.dat", "");
    ASSERT_NE(open(), nullptr);
    clickButton("cmdMameExit");
    EXPECT_EQ(savedFavourites(), "[Favorties]\r\n\"Xevious\"\r\n\"Ghost Game\"\r\n");
    EXPECT_EQ(dialogs_->asked.size(), 3u);

    // A data file gone while the window is open is told as such on a click; no favourite leaves.
    WriteDataFile("Mame", kMameGames);
    WriteCfg(Emu::Mame, {"Xevious", "Galaga"});
    ASSERT_NE(open(), nullptr);
    RemoveFile(dir_ / "Data/Mame.dat");
    clickFavourite("Xevious");
    EXPECT_EQ(AskedTexts(*dialogs_).back(), shown::kNoDataFile);
    EXPECT_EQ(favourites(), (Names{"Galaga", "Xevious"}));
}

TEST_F(SectionOpenTest, ASettingsFileThatCannotBeReadIsNamedOnceAndNeverSavedOver) {
    WriteCfg(Emu::Mame, {"Xevious", "Galaga"});
    const std::string cfg = dir_ / "Cfg/Mame.cfg";
    const std::string before = ReadBytes(cfg);
    chmod(cfg.c_str(), 0);
    {
        PermissionBitsHold hold;
        ASSERT_NE(open(), nullptr);

        ASSERT_EQ(AskedTexts(*dialogs_), Names{shown::Unreadable(cfg)});
        EXPECT_EQ(dialogs_->asked[0].style, MsgStyle::Warning);
        // The window works on its defaults.
        EXPECT_TRUE(favourites().empty());

        // Neither a save before a launch nor the window's exit writes over the file or says
        // more.
        dropOnFavourites("Galaga");
        window_->SaveCfg();
        clickButton("cmdMameExit");
    }
    chmod(cfg.c_str(), 0644);
    EXPECT_EQ(ReadBytes(cfg), before);
    EXPECT_EQ(Entries(dir_ / "Cfg"), Names{"Mame.cfg"});
    EXPECT_EQ(dialogs_->asked.size(), 1u);

    // Once it can be read again, the window opens on it and saves into it.
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(favourites(), (Names{"Galaga", "Xevious"}));
    pickFavourite("Galaga");
    pressKey(find("lstMamePref"), Qt::Key_Delete);
    clickButton("cmdMameExit");
    EXPECT_EQ(savedFavourites(), "[Favorties]\r\n\"Xevious\"\r\n");
    EXPECT_EQ(dialogs_->asked.size(), 1u);

    // A FIFO that nothing writes cannot be read either: the window opens without waiting on it,
    // names it once, as no missing file, and leaves it in place.
    RemoveFile(cfg);
    UnwrittenFifo fifo(cfg);
    ASSERT_NE(open(), nullptr);
    clickButton("cmdMameExit");
    EXPECT_FALSE(fifo.waitedOn());
    EXPECT_EQ(AskedTexts(*dialogs_), (Names{shown::Unreadable(cfg), shown::Unreadable(cfg)}));
    EXPECT_EQ(std::filesystem::status(cfg).type(), std::filesystem::file_type::fifo);
}

TEST_F(SectionOpenTest, ASettingsFileFromAnotherEditorOpensWholeAndIsSavedWithCrLf) {
    // Its lines end with a CR alone, or a byte-order mark stands before its first header.
    const std::string cfg = dir_ / "Cfg/Mame.cfg";
    for (bool crOnly : {true, false}) {
        WriteCfg(Emu::Mame, {"Xevious", "Galaga"});
        const std::string bytes = ReadBytes(cfg);
        WriteBytes(cfg, crOnly ? std::regex_replace(bytes, std::regex("\r\n"), "\r")
                               : "\xEF\xBB\xBF" + bytes);
        ASSERT_NE(open(), nullptr);
        EXPECT_EQ(text("txtOptMameRomPath"), dir_ / "roms");
        EXPECT_EQ(favourites(), (Names{"Galaga", "Xevious"}));
        clickButton("cmdMameExit");
        const std::string saved = ReadBytes(cfg);
        EXPECT_EQ(saved.substr(0, 1), ";");
        EXPECT_NE(saved.find("\r\n[Paths]\r\nExePath=" + dir_ / "emu/mame.sh" + "\r\nEmuDir="),
                  std::string::npos);
        EXPECT_EQ(savedFavourites(), "[Favorties]\r\n\"Xevious\"\r\n\"Galaga\"\r\n");
    }
    EXPECT_TRUE(dialogs_->asked.empty());
}

TEST_F(SectionOpenTest, EverySectionOpensOverItsOwnRow) {
    // A record standing before the header block: the game total is still found.
    WriteDataFile("System16", {{"Shinobi", "shinobi", "O", "-", "Action", "Sega", "1987"}});
    const std::string system16 = dir_ / "Data/System16.dat";
    WriteBytes(system16, Record({"altered Beast", "altbeast", "O", "-", "Action", "Sega", "1988"}) +
                             "\r\n" + ReadBytes(system16));
    WriteDataFile("M72", {{"R-Type (JP)", "rtypej", "O", "-", "Shooter", "Irem", "1987"},
                          {"Battle Chopper", "bchopper", "O", "-", "Shooter", "Irem", "1987"}});

    ASSERT_NE(open(Emu::System16), nullptr);
    EXPECT_EQ(romNames(), (Names{"altered Beast", "Shinobi"}));
    EXPECT_EQ(texts({"lblSystem16RomSettings", "lblSystem16Total"}), (Names{"altered Beast", "1"}));

    // M72 lists its twelve games until a settings file says otherwise; it has no game list.
    ASSERT_NE(open(Emu::M72), nullptr);
    EXPECT_EQ(favourites(),
              (Names{"Battle Chopper", "Dragon Breed", "Gallop - Armed Police Unit",
                     "Hammerin'Harry", "Image Fight", "Legend of Hero Tonma", "Mr.Heli (JP)",
                     "Ninja Spirit", "R-Type (JP)", "R-Type (US)", "R-Type 2", "X-Multiply"}));
    EXPECT_EQ(window_->findChild<QWidget*>("lstM72Rom"), nullptr);
    EXPECT_EQ(window_->RomSel, "bchopper");
    EXPECT_TRUE(Forms::main().sectionOpen(Emu::System16));
    EXPECT_EQ(Forms::main().currentSectionTag(), "M72");

    // Opened again behind M72's, System16's window is raised; its title picture drags it.
    Raises raises;
    SectionWindow* reopened = ExistingSectionWindow(Emu::System16);
    reopened->installEventFilter(&raises);
    open(Emu::System16);
    EXPECT_EQ(raises.count, 1);
    std::vector<QWindow*> moved;
    SetSystemMove([&](QWindow* w) { moved.push_back(w); });
    Drag(find("imgSystem16"));
    SetSystemMove(nullptr);
    EXPECT_EQ(moved, std::vector<QWindow*>{reopened->windowHandle()});
}

TEST_F(SectionOpenTest, ClosedAndOpenedAgainInOneGoTheSectionHasAShownWindow) {
    WriteCfg(Emu::Mame, {"Galaga"});
    SectionWindow* first = open();
    ASSERT_NE(first, nullptr);

    first->closeSection();
    QPointer<SectionWindow> second = open();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(ExistingSectionWindow(Emu::Mame), second);
    EXPECT_FALSE(second->isHidden());
    EXPECT_TRUE(Forms::main().sectionOpen(Emu::Mame));
    // The closed window, gone only now, leaves the new one's game in hand.
    EXPECT_EQ(second->settingsPage().loadedKey(), "Galaga");
}

} // namespace
} // namespace arvok::test
