// A section window as the launch sees it: prepared inputs, and a note of every call.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "launch/launch_ui.h"
#include "platform/dialogs.h"

namespace arvok::test {

class FakeUi : public LaunchUi {
public:
    LaunchInputs in;

    int saves = 0;
    std::vector<std::string> lookups; // "<game>" or "<game>: missing"
    std::vector<LaunchPage> pages;
    std::vector<std::pair<std::string, bool>> programPickers; // tag, modal
    std::vector<RomFolderRequest> folderPickers;

    void saveSettingsFile() override { ++saves; }
    LaunchInputs inputs() override { return in; }
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
