#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "launch/fake_ui.h"
#include "launch/launch.h"
#include "support/shown_texts.h"

namespace arvok {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;
using Names = std::vector<std::string>;

// What differs between the four launches that share one flow.
struct Family {
    Emu emu;
    const char* romFolder; // below the emulator's directory; "" for the directory itself
    const char* exeTitle;  // "" for the program's own title
    const char* romTitle;
    const char* tag;
    bool exePickerModal;
    bool lookupFirst;
};

std::ostream& operator<<(std::ostream& out, const Family& f) {
    return out << f.tag;
}

const Family kFamilies[] = {
    {Emu::Callus, "", "", "", "CALLUS", false, true},
    {Emu::Raine, "ZipRoms", "Warning! - No EXE found!", "Warning! - No Rom found!", "RAINE", false,
     true},
    {Emu::System16, "ziproms", "", "", "SYSTEM16", true, false},
    {Emu::M72, "Ziproms", "", "", "M72", false, true},
};

class FamilyLaunch : public ::testing::TestWithParam<Family>, protected test::LaunchScene {
protected:
    FamilyLaunch()
        : LaunchScene(GetParam().emu, "emu", GetParam().romFolder,
                      {"Abc Game;abc;O;-;", "Other Game;other;O;-;"}) {
        fs::create_directories(target);
        ui.in.settingsKey = "Abc Game";
        atRest = test::Entries(emuDir);
    }

    void Launch(const std::string& game = "Abc Game") {
        RunGame(installation.data, family.emu, game, ui);
    }

    // The emulator's ROM folder written in upper case, or its directory with a closing "/".
    std::string TargetSpelledOtherwise() const {
        if (!*family.romFolder)
            return emuDir + "/";
        std::string upper = family.romFolder;
        std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
        return emuDir + "/" + upper;
    }

    const Family& family = GetParam();
    Names atRest; // the emulator's directory between launches: the program and its ROM folder
};

TEST_P(FamilyLaunch, CopiesTheZipForTheRunAndDeletesItAfterwards) {
    WriteBytes(gameFolder + "/abc.zip", "set");
    WriteBytes(emuDir + "/lancia.bat", "stale\r\n");

    Launch();

    // The batch file's one line is what the emulator was started with.
    test::StandInRun run = emu.run();
    ASSERT_TRUE(run.ran);
    std::string line = emu.program();
    for (const std::string& arg : run.args)
        line += " " + arg;
    EXPECT_EQ(run.batch, line + "\r\n");
    EXPECT_FALSE(IsPresentFile(target + "/abc.zip"));
    EXPECT_EQ(test::Entries(emuDir), atRest);
    EXPECT_EQ(ReadBytes(gameFolder + "/abc.zip"), "set");
    EXPECT_TRUE(asked.asked.empty());
    EXPECT_EQ(ui.saves, 1);
    EXPECT_EQ(ui.lookups, Names{"Abc Game"});
}

TEST_P(FamilyLaunch, NeverReplacesNorDeletesAZipAlreadyInTheEmulatorsFolder) {
    WriteBytes(gameFolder + "/abc.zip", "other");
    WriteBytes(target + "/abc.zip", "users");
    Launch();
    EXPECT_TRUE(emu.run().ran);
    EXPECT_EQ(ReadBytes(target + "/abc.zip"), "users");
    EXPECT_TRUE(asked.asked.empty());
}

TEST_P(FamilyLaunch, AGameFolderThatIsTheEmulatorsFolderIsUsedWithoutACopy) {
    ui.in.options.fields[kRomPathSlot] = TargetSpelledOtherwise();
    WriteBytes(target + "/abc.zip", "users");
    Launch();
    EXPECT_TRUE(emu.run().ran);
    EXPECT_EQ(ReadBytes(target + "/abc.zip"), "users");

    // Without the zip only M72 stops; the others leave it to the emulator to complain.
    emu.reset();
    fs::remove(target + "/abc.zip");
    Launch();
    EXPECT_EQ(emu.run().ran, family.emu != Emu::M72);
    EXPECT_EQ(ui.folderPickers.size(), family.emu == Emu::M72 ? 1u : 0u);
    EXPECT_FALSE(fs::exists(emuDir + "/lancia.bat"));
}

TEST_P(FamilyLaunch, AMissingProgramStopsBeforeAnythingIsWritten) {
    WriteBytes(gameFolder + "/abc.zip", "set");
    WriteBytes(emuDir + "/lancia.bat", "stale\r\n");
    ui.in.programPath = emuDir + "/gone";
    Launch();
    ui.in.programPath = emu.program();
    ui.in.emulatorDir = "";
    Launch();

    ASSERT_EQ(asked.asked.size(), 2u);
    for (const auto& message : asked.asked) {
        EXPECT_EQ(message.text, test::shown::kEmuNotFound);
        EXPECT_EQ(message.title, family.exeTitle);
    }
    EXPECT_EQ(test::MessageDifferences(asked), Names{});
    EXPECT_EQ(ui.pages, std::vector<LaunchPage>(2, LaunchPage::Configuration));
    EXPECT_EQ(ui.programPickers,
              (std::vector<std::pair<std::string, bool>>(2, {family.tag, family.exePickerModal})));
    EXPECT_FALSE(emu.run().ran);
    EXPECT_EQ(ReadBytes(emuDir + "/lancia.bat"), "stale\r\n");
    EXPECT_FALSE(IsPresentFile(target + "/abc.zip"));

    // A game the data file does not know: only the launches that look it up first say so.
    asked.asked.clear();
    ui.programPickers.clear();
    Launch("Nobody");
    EXPECT_EQ(test::AskedTexts(asked), Names{family.lookupFirst ? test::shown::kNoRomInDataFile
                                                                : test::shown::kEmuNotFound});
    EXPECT_EQ(ui.programPickers.size(), family.lookupFirst ? 0u : 1u);
}

TEST_P(FamilyLaunch, AMissingZipOpensTheFolderPickerOnTheSettingsPage) {
    WriteBytes(gameFolder + "/readme.txt", "no sets here");
    Launch();

    ASSERT_EQ(test::AskedTexts(asked), Names{test::shown::kRomNotFound});
    EXPECT_EQ(asked.asked[0].title, family.romTitle);
    EXPECT_EQ(test::MessageDifferences(asked), Names{});
    ASSERT_EQ(ui.folderPickers.size(), 1u);
    const RomFolderRequest& picker = ui.folderPickers[0];
    EXPECT_EQ((Names{picker.tag, picker.caption, picker.pattern, picker.folder}),
              (Names{std::string(family.tag) + "SETTINGS", "Search Rom for Abc Game (abc.zip)",
                     "abc.zip", gameFolder}));
    EXPECT_EQ(ui.pages, std::vector<LaunchPage>{LaunchPage::GameSettings});
    EXPECT_FALSE(emu.run().ran);
    EXPECT_EQ(test::Entries(emuDir), atRest);

    // The caption names the launched game; the zip is that of the game the settings page
    // shows.
    ui.in.settingsKey = "Other Game";
    Launch();
    ASSERT_EQ(ui.folderPickers.size(), 2u);
    EXPECT_EQ(ui.folderPickers[1].caption, "Search Rom for Abc Game (other.zip)");
}

TEST_P(FamilyLaunch, AZipThatCannotBeCopiedIsReportedAndNothingStarts) {
    WriteBytes(gameFolder + "/abc.zip", "set");
    const Names before = test::Entries(target);
    auto expectReported = [&](const std::string& problem) {
        test::ExpectNotCopied(asked, ui, "abc.zip", gameFolder, target, problem);
        EXPECT_FALSE(emu.run().ran);
    };
    {
        test::PermissionBitsHold hold;
        chmod(target.c_str(), 0555);
        Launch();
        chmod(target.c_str(), 0755);
    }
    expectReported("Permission denied");
    EXPECT_EQ(test::Entries(target), before);

    fs::create_directories(target + "/abc.zip");
    Launch();
    expectReported("Something other than a file is named abc.zip there");
    EXPECT_EQ(test::Entries(target + "/abc.zip"), Names{});
    fs::remove(target + "/abc.zip");

    // The emulator's ROM folder is not made.
    if (*family.romFolder) {
        fs::remove_all(target);
        Launch();
        expectReported("There is no such folder");
        EXPECT_FALSE(fs::exists(target));
    }
}

INSTANTIATE_TEST_SUITE_P(AllFour, FamilyLaunch, ::testing::ValuesIn(kFamilies),
                         [](const auto& row) { return std::string(row.param.tag); });

} // namespace
} // namespace arvok
