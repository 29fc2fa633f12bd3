#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/shared_state.h"
#include "core/texts.h"
#include "launch/fake_ui.h"
#include "launch/launch.h"
#include "launch/stand_in.h"
#include "platform/dialogs.h"

namespace arvok {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::StandIn;
using test::TempDir;
using test::WriteBytes;
using test::WriteLines;

class MameLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        Shared().DirInst = root / "inst";
        WriteLines(root / "inst/Data/Mame.dat",
                   {"# name;set;type;parent;", "Pac-Man;pacman;O;-;",
                    "Ms. Pac-Man;mspacman;C;pacman;", "Metal Slug;mslug;C;neogeo;",
                    "Hack;hack;C;mspacman;", "Bootleg;bootleg;C;board;"});
        fs::create_directories(gameFolder);
        ui.in.programPath = emu.program();
        ui.in.emulatorDir = emuDir;
        ui.in.options.fields = BuiltInDefaults(Emu::Mame);
        ui.in.options.fields[kRomPathSlot] = gameFolder;
    }

    void Launch(const std::string& game) {
        ui.in.settingsKey = game;
        RunMame(game, ui);
    }

    static std::vector<std::string> Files(const std::string& dir) {
        std::vector<std::string> names = ListPresentFiles(dir);
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir root;
    ScriptedDialogs& asked = InstallScriptedDialogs();
    const std::string emuDir = root / "mame";
    const std::string roms = root / "mame/roms";
    const std::string gameFolder = root / "mine";
    StandIn emu{emuDir, roms, root / "notes"};
    test::FakeUi ui;
};

using Names = std::vector<std::string>;

TEST_F(MameLaunch, CopiesTheSetIntoRomsForTheRunOnlyAndLeavesNoBatchFile) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    WriteBytes(emuDir + "/lancia.bat", "stale\r\n");

    Launch("Pac-Man");

    test::StandInRun run = emu.run();
    ASSERT_TRUE(run.ran);
    EXPECT_EQ(run.batch, emu.program() + " pacman -ignorecfg -soundcard 1\r\n");
    EXPECT_EQ(run.args, (Names{"pacman", "-ignorecfg", "-soundcard", "1"}));
    EXPECT_EQ(run.cwd, fs::canonical(emuDir).string());
    EXPECT_EQ(run.romFolder, Names{"pacman.zip"});
    EXPECT_EQ(Files(emuDir), Names{"emu"});
    EXPECT_TRUE(fs::is_directory(roms));
    EXPECT_EQ(Files(roms), Names{});
    EXPECT_EQ(ReadBytes(gameFolder + "/pacman.zip"), "set");
    EXPECT_TRUE(asked.asked.empty());
    EXPECT_EQ(ui.saves, 1);
}

TEST_F(MameLaunch, LooksInTheGameFolderThenTheRomFolderThenTheAlternativeOne) {
    fs::create_directories(root / "empty");
    WriteBytes(root / "alt/pacman.zip", "alternative");
    ui.in.options.fields[kRomPathSlot] = "";
    ui.in.romPath = root / "empty";
    ui.in.romPathAlt = root / "alt";

    Launch("Pac-Man");

    EXPECT_EQ(emu.run().romFolder, Names{"pacman.zip"});
    EXPECT_TRUE(asked.asked.empty());
    EXPECT_EQ(Files(roms), Names{});
    EXPECT_EQ(Files(root / "alt"), Names{"pacman.zip"});
}

TEST_F(MameLaunch, ASetAlreadyInTheEmulatorsRomsIsUsedWhereItLies) {
    // The game's folder names the emulator's "roms" in another spelling, or with a closing "/".
    WriteBytes(emuDir + "/ROMS/pacman.zip", "set");
    StandIn upper(emuDir, emuDir + "/ROMS", root / "notes");
    for (const std::string& folder : {emuDir + "/ROMS", emuDir + "/ROMS/"}) {
        upper.reset();
        ui.in.options.fields[kRomPathSlot] = folder;
        Launch("Pac-Man");
        EXPECT_EQ(upper.run().romFolder, Names{"pacman.zip"});
        EXPECT_EQ(Files(emuDir + "/ROMS"), Names{"pacman.zip"});
        EXPECT_FALSE(fs::exists(roms));
    }
    EXPECT_TRUE(asked.asked.empty());
}

TEST_F(MameLaunch, AsksBeforeUsingTheZipAlreadyInRomsAndNeverReplacesIt) {
    WriteBytes(gameFolder + "/mspacman.zip", "found");
    WriteBytes(gameFolder + "/pacman.zip", "parent");
    WriteBytes(roms + "/mspacman.zip", "users");

    asked.answers = {Answer::No};
    Launch("Ms. Pac-Man");
    ASSERT_EQ(asked.asked.size(), 1u);
    EXPECT_EQ(asked.asked[0].text, "mspacman: " + texts::testoRomAlreadyExist);
    EXPECT_EQ(asked.asked[0].style, MsgStyle::WarningYesNo);
    EXPECT_FALSE(emu.run().ran);
    EXPECT_EQ(Files(roms), Names{"mspacman.zip"});
    EXPECT_EQ(Files(emuDir), Names{"emu"});

    asked.answers = {Answer::Yes};
    Launch("Ms. Pac-Man");
    EXPECT_EQ(emu.run().romFolder, (Names{"mspacman.zip", "pacman.zip"}));
    EXPECT_EQ(Files(roms), Names{"mspacman.zip"});
    EXPECT_EQ(ReadBytes(roms + "/mspacman.zip"), "users");
}

TEST_F(MameLaunch, ACloneTakesItsOwnZipOrElseItsParentsWhenThatIsAllThereIs) {
    WriteBytes(gameFolder + "/mspacman.zip", "own");
    WriteBytes(gameFolder + "/pacman.zip", "parent");
    Launch("Ms. Pac-Man");
    EXPECT_EQ(emu.run().romFolder, Names{"mspacman.zip"});
    EXPECT_EQ(Files(roms), Names{});

    fs::remove(gameFolder + "/mspacman.zip");
    Launch("Ms. Pac-Man");
    EXPECT_EQ(emu.run().romFolder, Names{"pacman.zip"});
    EXPECT_EQ(Files(roms), Names{});

    // A parent's zip the user keeps in roms is used and stays.
    WriteBytes(roms + "/pacman.zip", "users");
    Launch("Ms. Pac-Man");
    EXPECT_EQ(emu.run().romFolder, Names{"pacman.zip"});
    EXPECT_EQ(ReadBytes(roms + "/pacman.zip"), "users");
    EXPECT_TRUE(asked.asked.empty());
}

TEST_F(MameLaunch, AMissingSetTurnsToTheSettingsPageAndOpensTheFolderPicker) {
    // The Neo-Geo set, a parent that is itself a clone and a parent the data file does not
    // carry do not stand in for the game's zip, and only the missing set is reported.
    WriteBytes(gameFolder + "/neogeo.zip", "bios");
    WriteBytes(gameFolder + "/mspacman.zip", "clone");
    ui.in.romPath = root / "nowhere";

    struct Case {
        const char* game;
        const char* zips;
        std::string folder;
    };
    for (const Case& c :
         {Case{"Metal Slug", "mslug.zip", gameFolder}, Case{"Hack", "hack.zip", gameFolder},
          Case{"Bootleg", "bootleg.zip", gameFolder}, Case{"Pac-Man", "pacman.zip", gameFolder}}) {
        asked.asked.clear();
        ui.folderPickers.clear();
        Launch(c.game);
        ASSERT_EQ(asked.asked.size(), 1u) << c.game;
        EXPECT_EQ(asked.asked[0].text, texts::testoRomNotFound);
        EXPECT_EQ(asked.asked[0].title, "");
        ASSERT_EQ(ui.folderPickers.size(), 1u);
        const RomFolderRequest& picker = ui.folderPickers[0];
        EXPECT_EQ(picker.tag, "MAMESETTINGS");
        EXPECT_EQ(picker.caption, std::string("Search Rom for ") + c.game + " (" + c.zips + ")");
        EXPECT_EQ(picker.pattern, c.zips);
        EXPECT_EQ(picker.folder, c.folder);
    }
    EXPECT_EQ(ui.pages, std::vector<LaunchPage>(4, LaunchPage::GameSettings));

    // A clone's original parent is offered beside it; an empty folder is not a start folder.
    fs::remove_all(gameFolder);
    fs::create_directories(gameFolder);
    ui.folderPickers.clear();
    Launch("Ms. Pac-Man");
    ASSERT_EQ(ui.folderPickers.size(), 1u);
    EXPECT_EQ(ui.folderPickers[0].caption, "Search Rom for Ms. Pac-Man (mspacman.zip;pacman.zip)");
    EXPECT_EQ(ui.folderPickers[0].pattern, "mspacman.zip;pacman.zip");
    EXPECT_EQ(ui.folderPickers[0].folder, "");

    EXPECT_FALSE(emu.run().ran);
    EXPECT_FALSE(fs::exists(roms));
    EXPECT_EQ(Files(emuDir), Names{"emu"});
}

TEST_F(MameLaunch, AMissingProgramOrEmulatorDirectoryStopsBeforeAnythingIsWritten) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    for (bool emptyDir : {false, true}) {
        ui.in.programPath = emptyDir ? emu.program() : emuDir + "/gone";
        ui.in.emulatorDir = emptyDir ? "" : emuDir;
        Launch("Pac-Man");
    }
    ASSERT_EQ(asked.asked.size(), 2u);
    EXPECT_EQ(asked.asked[1].text, texts::testoEmuNotFound);
    EXPECT_EQ(asked.asked[1].style, MsgStyle::Warning);
    EXPECT_EQ(ui.pages, std::vector<LaunchPage>(2, LaunchPage::Configuration));
    EXPECT_EQ(ui.programPickers, (std::vector<std::pair<std::string, bool>>(2, {"MAME", false})));
    EXPECT_TRUE(ui.lookups.empty());
    EXPECT_FALSE(emu.run().ran);
    EXPECT_EQ(Files(emuDir), Names{"emu"});
    EXPECT_FALSE(fs::exists(roms));
}

TEST_F(MameLaunch, NoGameOrAGameUnknownToTheDataFileStartsNothing) {
    Launch("");
    EXPECT_EQ(ui.saves, 0);

    WriteBytes(gameFolder + "/pacman.zip", "set");
    Launch("Pac-Man II");
    ASSERT_EQ(asked.asked.size(), 1u);
    EXPECT_EQ(asked.asked[0].text, texts::testoNoRomInDataFile);
    EXPECT_EQ(ui.lookups, Names{"Pac-Man II: missing"});
    EXPECT_FALSE(emu.run().ran);
    EXPECT_FALSE(fs::exists(roms));
}

TEST_F(MameLaunch, AProgramThatCannotStartIsReportedAndItsCopyRemoved) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    WriteBytes(emuDir + "/mame.exe", "not a program here");
    ui.in.programPath = emuDir + "/mame.exe";

    Launch("Pac-Man");

    ASSERT_EQ(asked.asked.size(), 1u);
    EXPECT_EQ(asked.asked[0].text.rfind("The emulator could not be started:\r", 0), 0u);
    EXPECT_EQ(Files(roms), Names{});
    EXPECT_EQ(Files(emuDir), (Names{"emu", "mame.exe"}));
}

} // namespace
} // namespace arvok
