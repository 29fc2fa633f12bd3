// A section window as the launch sees it: prepared inputs, and a note of every call.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "launch/launch_ui.h"

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

} // namespace arvok::test
