// The System16 and M72 windows as a user meets them: their own pages, their launches with the
// stand-in emulator, their favourites and their per-game settings.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "platform/qt/geometry.h"
#include "section_fixture.h"
#include "sections/launcher_link.h"
#include "sections/popup_menus.h"
#include "sections/section_design.h"
#include "settings/game_settings.h"
#include "support/control_table.h"

namespace arvok::test {
namespace {

class System16M72Test : public SectionTest {
protected:
    void SetUp() override {
        SectionTest::SetUp();
        WriteDataFile("System16",
                      {{"Shinobi", "shinobi", "O", "-", "Action", "Sega", "1987"},
                       {"Golden Axe", "goldnaxe", "O", "-", "Action", "Sega", "1989"},
                       {"altered Beast", "altbeast", "O", "-", "Action", "Sega", "1988"}});
        WriteDataFile("M72", {{"Battle Chopper", "bchopper", "O", "-", "Shooter", "Irem", "1987"},
                              {"R-Type (JP)", "rtypej", "O", "-", "Shooter", "Irem", "1987"}});
        WriteBytes(dir_ / "emu/ziproms/.keep", "");
        installation_->settings.RomDir[Index(Emu::System16)] = dir_ / "roms";
        installation_->settings.RomDir[Index(Emu::M72)] = dir_ / "roms";
        for (const char* set : {"shinobi", "goldnaxe", "bchopper", "rtypej"})
            WriteBytes(dir_ / ("roms/" + std::string(set) + ".zip"), "zip");
        // Both sections have settings files, each with its favourites.
        WriteCfg(Emu::System16, {"Golden Axe"});
        WriteCfg(Emu::M72, {"Battle Chopper", "R-Type (JP)"});
    }
};

// Each game's record, applied by the program, sets whether its resolution can be chosen.
TEST_F(System16M72Test, AnM72GamesRecordEnablesItsResolutionWithVerticalDisplay) {
    open(Emu::M72);
    clickButton("imgM72ButSet");
    auto* resolution = find<QComboBox>("cboM72VR");
    auto state = [&] { return std::pair(checked("chkM72VertDisplay"), resolution->isEnabled()); };
    pickFavourite("Battle Chopper");
    find<QCheckBox>("chkM72VertDisplay")->click();
    choose("cboM72VR", 1);
    pickFavourite("R-Type (JP)");
    EXPECT_EQ(state(), std::pair(false, false));
    pickFavourite("Battle Chopper");
    EXPECT_EQ(state(), std::pair(true, true));
    EXPECT_EQ(resolution->currentIndex(), 1);
}

TEST_F(System16M72Test, TheM72ListIsFixedAndItsMenuOpensWithNothingSelected) {
    open(Emu::M72);
    auto* list = find<QListWidget>("lstM72Pref");
    list->setCurrentRow(0);
    for (int key : {Qt::Key_Delete, Qt::Key_Insert, Qt::Key_A})
        pressKey(list, key);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(text("lblM72FavCountFix"), "2");

    list->setCurrentRow(-1);
    rightClick("lstM72Pref");
    QMenu* menu = FrmMenu().gameMenu(Emu::M72);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST_F(System16M72Test, TheM72LargeSizeButtonDoesNothing) {
    open(Emu::M72);
    clickButton("cmdM72Short");
    Click(find<QLabel>("cmdM72Large"));
    EXPECT_EQ(std::pair(GetTwips(window_).Width, GetTwips(window_).Height), std::pair(2400, 4620));
}

TEST_F(System16M72Test, TheM72HelpPageIsAFixedKeyReference) {
    open(Emu::M72);
    clickButton("imgM72ButHelp");
    EXPECT_TRUE(find("picM72Help")->isVisible());
    const Names shown = captions("picM72Help");

    // Another game leaves it as it is.
    pickFavourite("R-Type (JP)");
    EXPECT_EQ(text("lblM72RomSettings"), "R-Type (JP)");
    EXPECT_EQ(captions("picM72Help"), shown);
}

TEST_F(System16M72Test, TheSystem16HelpListsEachGamesKeysInItsOrder) {
    open(Emu::System16);
    auto* help = find<QListWidget>("lstSystem16Help");
    Names games;
    for (int row = 1; row < help->count(); ++row)
        if (help->item(row)->text().startsWith(QLatin1Char('-')))
            games.push_back(ToAnsi(help->item(row - 1)->text()));
    EXPECT_EQ(games, (Names{"Shinobi", "Altered Beast", "Golden Axe", "Time Scanner", "Quartet II",
                            "Space Harrier", "Hang-On", "Wrestle War", "Alien Storm",
                            "Shadow Dancer", "Out Run", "Tetris", "Alien Syndrome", "Super Hang-On",
                            "Moon Walker", "Fantasy Zone", "Flash Point", "Alexkidd", "Aurail"}));
    EXPECT_EQ(ToAnsi(help->item(1)->text()), "-------");
    EXPECT_EQ(ToAnsi(help->item(2)->text()), "CTRL - Attack");
}

TEST_F(System16M72Test, ASystem16FavouriteKeepsItsOwnOptions) {
    open(Emu::System16);
    clickButton("imgSystem16ButSet");
    auto* favourites = find<QListWidget>("lstSystem16Pref");
    favourites->setCurrentRow(-1);
    favourites->setCurrentRow(0);
    choose("cboSystem16HR", 5);
    find<QCheckBox>("chkSystem16NoTitle")->click();
    auto state = [&] {
        return std::pair(comboIndex("cboSystem16HR"), checked("chkSystem16NoTitle"));
    };
    pickRom("altered Beast");
    EXPECT_EQ(state(), std::pair(2, true));
    pickRom("Golden Axe");
    EXPECT_EQ(state(), std::pair(5, false));
}

TEST_F(System16M72Test, BothWindowsDockAgainOnADoubleClickAndM72ShowsNoTotal) {
    for (Emu emu : {Emu::System16, Emu::M72}) {
        SCOPED_TRACE(Section(emu).tag);
        open(emu);
        SetTwipsPos(window_, 0, 0);
        emit find<ClickLabel>(ObjectName(emu, "img", "").c_str())->doubleClicked();
        // To the pixel: positions are whole pixels of 15 twips.
        EXPECT_NEAR(GetTwips(window_).Left, LauncherLeft() + 3450, 14);
        EXPECT_NEAR(GetTwips(window_).Top, LauncherTop(), 14);
    }
    EXPECT_EQ(window_->findChild<QWidget*>("lblM72Total"), nullptr);
}

TEST_F(System16M72Test, BothWindowsStandAsDesignedAtTheirFirstVisit) {
    for (const char* cfg : {"Cfg/System16.cfg", "Cfg/M72.cfg"})
        RemoveFile(dir_ / cfg);
    ASSERT_NE(open(Emu::System16), nullptr);
    dropOnFavourites("Golden Axe");
    EXPECT_EQ(ControlDifferences(window_, "frmSystem16.txt"), Names{});
    ASSERT_NE(open(Emu::M72), nullptr);
    EXPECT_EQ(ControlDifferences(window_, "frmM72.txt"), Names{});
}

TEST_F(System16M72Test, PickersOpenWithTheSectionsTagsAndM72sRomPickerFallsBackToZiproms) {
    for (Emu emu : {Emu::System16, Emu::M72}) {
        const std::string file = dir_ / ("Cfg/" + std::string(Section(emu).baseName) + ".cfg");
        std::string cfg = ReadBytes(file);
        cfg.replace(cfg.find("RomPath=") + 8, dir_.path().size() + 5, dir_ / "nowhere");
        cfg.replace(cfg.find("SnapFormat=GIF"), 14, "SnapFormat=BMP");
        WriteBytes(file, cfg);
    }
    open(Emu::M72);
    clickButton("imgM72ButOpts");
    EXPECT_EQ(pick("cmdSelDir").tagAndFolder(), "M72ROM " + dir_ / "emu/ziproms");
    find<QLineEdit>("txtOptM72RomPath")->setText(QString::fromStdString(dir_.path()));
    EXPECT_EQ(pick("cmdSelDir").folder, dir_.path()) << "a ROM path that is a folder";
    EXPECT_EQ(pick("cmdSfoglia").tagAndFolder(), "M72 " + dir_ / "emu");
    Shown snap = pick("cmdDirSnap");
    EXPECT_EQ(snap.tag + " " + snap.pattern, "M72SNAP *.bmp");
    clickButton("imgM72ButSet");
    Shown own = pick("cmdM72SelDir");
    EXPECT_EQ(own.tag + " " + own.pattern, "M72SETTINGS bchopper.zip");
    EXPECT_EQ(own.caption, "Search Rom for Battle Chopper (bchopper.zip)");

    open(Emu::System16);
    clickButton("imgSystem16ButOpts");
    EXPECT_EQ(pick("cmdSelDir").tagAndFolder(), "SYSTEM16ROM " + dir_.path());
    EXPECT_EQ(pick("cmdSfoglia").tag, "SYSTEM16");
    clickButton("imgSystem16ButSet");
    EXPECT_EQ(pick("cmdSystem16SelDir").caption, "Search Rom for Golden Axe (goldnaxe.zip)");
}

// A rule or a gate whose control was renamed, or is of another kind, would act on no control.
TEST(SectionDesignRows, EveryRuleAndGateNamesAControlOfItsKind) {
    for (Emu emu : kAllEmus) {
        const GameSettingsTable& table = GameSettingsTableOf(emu);
        const SectionDesign& design = Design(emu);
        auto kindOf = [&](const char* name) -> std::optional<OptionKind> {
            for (const GameOption& option : table.options)
                if (option.control == name)
                    return option.kind;
            return std::nullopt;
        };
        for (const EnableRule& rule : design.enableRules) {
            EXPECT_EQ(kindOf(rule.check), OptionKind::Check) << rule.check;
            EXPECT_NE(kindOf(rule.target), std::nullopt) << rule.target;
        }
        if (design.gatedCombo) {
            EXPECT_EQ(kindOf(design.gatedCombo), OptionKind::Combo) << design.gatedCombo;
        }
    }
}

} // namespace
} // namespace arvok::test
