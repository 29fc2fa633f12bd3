#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>

#include <filesystem>

#include "launch/fake_ui.h"
#include "launch/launch.h"
#include "support/shown_texts.h"

namespace arvok {
namespace {

namespace fs = std::filesystem;
using test::Entries;
using test::ReadBytes;
using test::StandIn;
using test::WriteBytes;

class MameLaunch : public ::testing::Test, protected test::LaunchScene {
protected:
    MameLaunch()
        : LaunchScene(Emu::Mame, "mame", "roms",
                      {"# name;set;type;parent;", "Pac-Man;pacman;O;-;",
                       "Ms. Pac-Man;mspacman;C;pacman;", "Metal Slug;mslug;C;neogeo;",
                       "Hack;hack;C;mspacman;", "Bootleg;bootleg;C;board;"}) {}

    void Launch(const std::string& game) {
        ui.in.settingsKey = game;
        RunMame(installation.data, game, ui);
    }

    const std::string& roms = target;
};

using Names = std::vector<std::string>;

TEST_F(MameLaunch, CopiesTheSetIntoRomsForTheRunOnlyAndLeavesNoBatchFile) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    WriteBytes(emuDir + "/lancia.bat", "stale\r\n");

    const auto pipe = std::signal(SIGPIPE, SIG_IGN); // as the program has it
    Launch("Pac-Man");
    std::signal(SIGPIPE, pipe);

    test::StandInRun run = emu.run();
    ASSERT_TRUE(run.ran);
    EXPECT_EQ(run.batch, emu.program() + " pacman -ignorecfg -soundcard 1\r\n");
    EXPECT_EQ(run.mask, "0000000000000000") << "it starts with signals blocked";
    auto bit = [](int signal) { return 1ull << (signal - 1); };
    EXPECT_EQ(std::stoull(run.ignored, nullptr, 16) & (bit(SIGPIPE) | bit(SIGTTIN) | bit(SIGTTOU)),
              bit(SIGTTIN) | bit(SIGTTOU))
        << "SIGPIPE at its default, the terminal's stops ignored";
    EXPECT_EQ(Entries(emuDir), (Names{"emu", "roms"}));
    EXPECT_EQ(Entries(roms), Names{});
    EXPECT_EQ(ReadBytes(gameFolder + "/pacman.zip"), "set");
    EXPECT_TRUE(asked.asked.empty());
    EXPECT_EQ(ui.saves, 1);
}

TEST_F(MameLaunch, LooksInTheGameFolderThenTheRomFolderThenTheAlternativeOne) {
    WriteBytes(gameFolder + "/pacman.zip", "game's");
    WriteBytes(root / "rom/pacman.zip", "rom folder's");
    WriteBytes(root / "alt/pacman.zip", "alternative");
    ui.in.romPath = root / "rom";
    ui.in.romPathAlt = root / "alt";
    // Each folder's zip is taken away after its launch.
    for (const std::string& folder : {gameFolder, root / "rom", root / "alt"}) {
        emu.reset();
        Launch("Pac-Man");
        EXPECT_EQ(emu.run().zips, ReadBytes(folder + "/pacman.zip"));
        fs::rename(folder + "/pacman.zip", folder + "/pacman.old");
    }
    // An empty game folder is passed over.
    fs::rename(root / "alt/pacman.old", root / "alt/pacman.zip");
    ui.in.options.fields[kRomPathSlot] = "";
    emu.reset();
    Launch("Pac-Man");
    EXPECT_EQ(emu.run().zips, "alternative");

    // The first folder holding the set wins, though it holds only the parent's zip.
    WriteBytes(gameFolder + "/pacman.zip", "parent");
    WriteBytes(root / "rom/mspacman.zip", "own");
    ui.in.options.fields[kRomPathSlot] = gameFolder;
    ui.in.romPath = root / "rom";
    Launch("Ms. Pac-Man");
    EXPECT_EQ(emu.run().romFolder, Names{"pacman.zip"});
    EXPECT_EQ(emu.run().zips, "parent");
    EXPECT_TRUE(asked.asked.empty());
    EXPECT_EQ(Entries(roms), Names{});
    EXPECT_EQ(Entries(root / "alt"), Names{"pacman.zip"});
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
        EXPECT_EQ(Entries(emuDir + "/ROMS"), Names{"pacman.zip"});
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
    ASSERT_EQ(test::AskedTexts(asked), Names{"mspacman: " + test::shown::kRomAlreadyExist});
    EXPECT_EQ(test::MessageDifferences(asked), Names{});
    EXPECT_FALSE(emu.run().ran);
    EXPECT_EQ(Entries(roms), Names{"mspacman.zip"});
    EXPECT_EQ(Entries(emuDir), (Names{"emu", "roms"}));

    asked.answers = {Answer::Yes};
    Launch("Ms. Pac-Man");
    EXPECT_EQ(emu.run().romFolder, (Names{"mspacman.zip", "pacman.zip"}));
    EXPECT_EQ(Entries(roms), Names{"mspacman.zip"});
    EXPECT_EQ(ReadBytes(roms + "/mspacman.zip"), "users");

    // A game without a parent starts on the user's zip after Yes, and the zip stays.
    WriteBytes(roms + "/pacman.zip", "mine");
    asked.answers = {Answer::Yes};
    Launch("Pac-Man");
    EXPECT_EQ(emu.run().zips, "usersmine");

    // After Yes a Neo-Geo game whose found folder holds the Neo-Geo set is not started.
    WriteBytes(gameFolder + "/mslug.zip", "found");
    WriteBytes(gameFolder + "/neogeo.zip", "bios");
    WriteBytes(roms + "/mslug.zip", "users");
    emu.reset();
    asked.asked.clear();
    asked.answers = {Answer::Yes};
    Launch("Metal Slug");
    EXPECT_EQ(test::AskedTexts(asked),
              (Names{"mslug: " + test::shown::kRomAlreadyExist, test::shown::kRomNotFound}));
    ASSERT_EQ(ui.folderPickers.size(), 1u);
    EXPECT_EQ(ui.folderPickers[0].caption, "Search Rom for Metal Slug (mslug.zip)");
    EXPECT_FALSE(emu.run().ran);
    EXPECT_EQ(Entries(roms), (Names{"mslug.zip", "mspacman.zip", "pacman.zip"}));
}

TEST_F(MameLaunch, ACloneTakesItsOwnZipOrElseItsParentsWhenThatIsAllThereIs) {
    WriteBytes(gameFolder + "/mspacman.zip", "own");
    WriteBytes(gameFolder + "/pacman.zip", "parent");
    Launch("Ms. Pac-Man");
    EXPECT_EQ(emu.run().romFolder, Names{"mspacman.zip"});
    EXPECT_EQ(Entries(roms), Names{});

    // Without its own zip, a parent's zip the user keeps in roms is used and stays.
    fs::remove(gameFolder + "/mspacman.zip");
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

    for (const auto& [game, zip] : {std::pair{"Metal Slug", "mslug.zip"},
                                    {"Hack", "hack.zip"},
                                    {"Bootleg", "bootleg.zip"},
                                    {"Pac-Man", "pacman.zip"}}) {
        asked.asked.clear();
        ui.folderPickers.clear();
        Launch(game);
        ASSERT_EQ(test::AskedTexts(asked), Names{test::shown::kRomNotFound}) << game;
        EXPECT_EQ(asked.asked[0].title, "");
        ASSERT_EQ(ui.folderPickers.size(), 1u);
        const RomFolderRequest& picker = ui.folderPickers[0];
        EXPECT_EQ((Names{picker.tag, picker.caption, picker.pattern, picker.folder}),
                  (Names{"MAMESETTINGS", std::string("Search Rom for ") + game + " (" + zip + ")",
                         zip, gameFolder}));
    }
    EXPECT_EQ(ui.pages, std::vector<LaunchPage>(4, LaunchPage::GameSettings));

    // A clone's original parent is offered beside it; an empty folder is not a start folder.
    // The picker is for the game whose settings the page shows, whichever game was launched.
    fs::remove_all(gameFolder);
    fs::create_directories(gameFolder);
    ui.folderPickers.clear();
    ui.in.settingsKey = "Ms. Pac-Man";
    RunMame(installation.data, "Pac-Man", ui);
    ASSERT_EQ(ui.folderPickers.size(), 1u);
    EXPECT_EQ(ui.folderPickers[0].caption, "Search Rom for Ms. Pac-Man (mspacman.zip;pacman.zip)");
    EXPECT_EQ(ui.folderPickers[0].pattern, "mspacman.zip;pacman.zip");
    EXPECT_EQ(ui.folderPickers[0].folder, "");

    EXPECT_FALSE(emu.run().ran);
    EXPECT_FALSE(fs::exists(roms));
    EXPECT_EQ(Entries(emuDir), Names{"emu"});
}

TEST_F(MameLaunch, AMissingProgramOrEmulatorDirectoryStopsBeforeAnythingIsWritten) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    for (bool emptyDir : {false, true}) {
        ui.in.programPath = emptyDir ? emu.program() : emuDir + "/gone";
        ui.in.emulatorDir = emptyDir ? "" : emuDir;
        Launch("Pac-Man");
    }
    EXPECT_EQ(test::AskedTexts(asked), (Names(2, test::shown::kEmuNotFound)));
    EXPECT_EQ(ui.programPickers, (std::vector<std::pair<std::string, bool>>(2, {"MAME", false})));
    EXPECT_TRUE(ui.lookups.empty());
    EXPECT_FALSE(emu.run().ran);
    EXPECT_EQ(Entries(emuDir), Names{"emu"});
    EXPECT_FALSE(fs::exists(roms));
}

TEST_F(MameLaunch, NoGameOrAGameUnknownToTheDataFileStartsNothing) {
    Launch("");
    EXPECT_EQ(ui.saves, 0);

    WriteBytes(gameFolder + "/pacman.zip", "set");
    Launch("Pac-Man II");
    ASSERT_EQ(test::AskedTexts(asked), Names{test::shown::kNoRomInDataFile});
    EXPECT_EQ(ui.lookups, Names{"Pac-Man II: missing"});
    EXPECT_FALSE(emu.run().ran);
    EXPECT_FALSE(fs::exists(roms));
}

TEST_F(MameLaunch, ASetThatCannotBePlacedInRomsIsReportedAndNothingStarts) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    auto expectReported = [&](const std::string& problem) {
        test::ExpectNotCopied(asked, ui, "pacman.zip", gameFolder, roms, problem);
        EXPECT_FALSE(emu.run().ran);
    };
    {
        test::PermissionBitsHold hold;
        // "roms" cannot be made.
        chmod(emuDir.c_str(), 0555);
        Launch("Pac-Man");
        chmod(emuDir.c_str(), 0755);
        expectReported("It could not be made");
        EXPECT_EQ(Entries(emuDir), Names{"emu"});

        // The set cannot be read: the "roms" the launch made goes again.
        chmod((gameFolder + "/pacman.zip").c_str(), 0);
        Launch("Pac-Man");
        chmod((gameFolder + "/pacman.zip").c_str(), 0644);
        expectReported("Permission denied");
        EXPECT_EQ(Entries(emuDir), Names{"emu"});
    }
    // A folder of the zip's name stands in "roms": a "roms" that was there stays.
    fs::create_directories(roms + "/pacman.zip");
    Launch("Pac-Man");
    expectReported("Something other than a file is named pacman.zip there");
    EXPECT_EQ(Entries(roms), Names{"pacman.zip"});
    EXPECT_EQ(Entries(roms + "/pacman.zip"), Names{});
    EXPECT_EQ(Entries(emuDir), (Names{"emu", "roms"}));
}

TEST_F(MameLaunch, AnEmulatorEndingInFailureOrKilledStillLeavesNoBatchFileNorCopy) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    for (const char* ending : {"exit 3", "kill -KILL $$"}) {
        StandIn failing(emuDir, roms, root / "notes", ending);
        failing.reset();
        Launch("Pac-Man");
        EXPECT_EQ(failing.run().romFolder, Names{"pacman.zip"}) << ending;
        EXPECT_EQ(Entries(roms), Names{}) << ending;
        EXPECT_EQ(Entries(emuDir), (Names{"emu", "roms"})) << ending;
    }
    EXPECT_TRUE(asked.asked.empty());
}

TEST_F(MameLaunch, AnEmulatorThatForksAndExitsKeepsItsCopyAndBatchFileUntilItsChildEnds) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    const std::string late = root / "notes/late.txt";
    StandIn forking(emuDir, roms, root / "notes",
                    "(sleep 0.2; cat lancia.bat '" + roms + "/pacman.zip' > '" + late + "') &");
    Launch("Pac-Man");
    EXPECT_EQ(ReadBytes(late), forking.program() + " pacman -ignorecfg -soundcard 1\r\nset");
    EXPECT_EQ(Entries(roms), Names{});
    EXPECT_EQ(Entries(emuDir), (Names{"emu", "roms"}));
}

TEST_F(MameLaunch, AProgramThatCannotStartIsReportedAndItsCopyRemoved) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    WriteBytes(emuDir + "/mame.exe", "#!/no/such/interpreter\n");
    chmod((emuDir + "/mame.exe").c_str(), 0755);
    ui.in.programPath = emuDir + "/mame.exe";

    Launch("Pac-Man");

    ASSERT_EQ(asked.asked.size(), 1u);
    EXPECT_EQ(asked.asked[0].text.rfind("The emulator could not be started:\r", 0), 0u);
    EXPECT_EQ(Entries(roms), Names{});
    EXPECT_EQ(Entries(emuDir), (Names{"emu", "mame.exe", "roms"}));
}

TEST_F(MameLaunch, AProgramThatMayNotRunOrWhosePathHoldsABlankIsNamedWholeBeforeAnyCopy) {
    WriteBytes(gameFolder + "/pacman.zip", "set");
    WriteBytes(emuDir + "/mame", "no execute permission");
    // The folder's letters are UTF-8 on disk; the message names them in its own code page.
    const std::string folder = "my m\xC3\xA4me \xE6\x97\xA5";
    test::WriteScript(emuDir + "/" + folder + "/mame", "");
    for (const std::string& program : {emuDir + "/mame", emuDir + "/" + folder + "/mame"}) {
        ui.in.programPath = program;
        Launch("Pac-Man");
    }
    EXPECT_EQ(test::AskedTexts(asked),
              (Names{"The emulator could not be started:\r" + emuDir +
                         "/mame\rThe file may not be run: it lacks the permission to execute.",
                     "The emulator could not be started:\r" + emuDir +
                         "/my m\xE4me ?/mame\rIts path holds a blank: the launch line is split at "
                         "blanks, so the program's path must have none."}));
    EXPECT_EQ(Entries(emuDir), (Names{"emu", "mame", folder}));
}

} // namespace
} // namespace arvok
