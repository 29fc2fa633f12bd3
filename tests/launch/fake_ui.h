// A section window as the launch sees it: prepared inputs, and a note of every call; and the
// installation and emulator around a launch.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "launch/launch_ui.h"
#include "launch/stand_in.h"
#include "platform/dialogs.h"
#include "shell/installation.h"

namespace arvok::test {

class FakeUi : public LaunchUi {
public:
    LaunchInputs in;

    int saves = 0;
    std::vector<std::string> lookups; // "<game>" or "<game>: missing"
    std::vector<LaunchPage> pages;
    std::vector<std::pair<std::string, bool>> programPickers; // tag, modal
    std::vector<RomFolderRequest> folderPickers;
    FolderListings folders;

    void saveSettingsFile() override { ++saves; }
    // What the launch tells and asks goes to the user as the window puts it.
    void tell(const LaunchProblem& problem) override { notices.tell(problem); }
    bool useSetThere(const std::string& set) override { return notices.useSetThere(set); }
    LaunchInputs inputs() override { return in; }
    FolderListings& romFolders() override { return folders; }
    void gameLookedUp(const std::string& game, const RomLookup& result) override {
        lookups.push_back(result.found ? game : game + ": missing");
    }
    void showPage(LaunchPage page) override { pages.push_back(page); }
    void openProgramPicker(const std::string& tag, bool modal) override {
        programPickers.emplace_back(tag, modal);
    }
    void openFolderPicker(const RomFolderRequest& request) override {
        folderPickers.push_back(request);
    }

private:
    Notices notices;
};

// An installation whose data file for "emuKind" holds "records", the stand-in emulator in
// "<root>/<emuFolder>" listing its ROM folder "romFolder" ("" for its directory), a game folder
// "<root>/mine", and the window's inputs pointing at them with the game's settings at their
// defaults.
class LaunchScene {
public:
    LaunchScene(Emu emuKind, const std::string& emuFolder, const std::string& romFolder,
                const std::vector<std::string>& records)
        : emuDir(root / emuFolder), target(romFolder.empty() ? emuDir : emuDir + "/" + romFolder) {
        WriteLines(root / ("inst/Data/" + std::string(Section(emuKind).baseName) + ".dat"),
                   records);
        std::filesystem::create_directories(gameFolder);
        ui.in.programPath = emu.program();
        ui.in.emulatorDir = emuDir;
        ui.in.options.fields = BuiltInDefaults(installation.settings, emuKind);
        ui.in.options.fields[kRomPathSlot] = gameFolder;
    }

    TempDir root;
    Installation installation{root / "inst"};
    ScriptedDialogs& asked = InstallScriptedDialogs();
    const std::string emuDir;
    const std::string target; // the emulator's ROM folder
    const std::string gameFolder = root / "mine";
    StandIn emu{emuDir, target, root / "notes"};
    FakeUi ui;
};

// Expects the one message of a launch that found "zip" in "found" but could not copy it into
// "folder" for "problem", with no picker opened and no page turned, then forgets the message.
inline void ExpectNotCopied(ScriptedDialogs& asked, const FakeUi& ui, const std::string& zip,
                            const std::string& found, const std::string& folder,
                            const std::string& problem) {
    ASSERT_EQ(asked.asked.size(), 1u) << problem;
    EXPECT_EQ(asked.asked[0].text, zip + " was found in\r" + found +
                                       "\rbut could not be copied into the emulator's ROM "
                                       "folder\r" +
                                       folder + "\r" + problem + ".");
    EXPECT_EQ(asked.asked[0].style, MsgStyle::Warning);
    EXPECT_TRUE(ui.folderPickers.empty());
    EXPECT_TRUE(ui.pages.empty());
    asked.asked.clear();
}

} // namespace arvok::test
