#include "sections/section_launch.h"

#include "launch/launch.h"
#include "sections/conf_page.h"
#include "sections/section_window.h"
#include "sections/settings_page.h"

namespace arvok {

namespace {

// The window as the launch sees it.
class SectionLaunchUi : public LaunchUi {
public:
    explicit SectionLaunchUi(SectionWindow& window) : w_(window) {}

    void saveSettingsFile() override { w_.SaveCfg(); }

    LaunchInputs inputs() override {
        const ConfPage& conf = w_.confPage();
        LaunchInputs in;
        in.programPath = conf.exePath();
        in.emulatorDir = conf.emulatorDir();
        in.romPath = conf.romPath();
        in.romPathAlt = conf.altRomPath();
        in.settingsKey = w_.romSettingsKey();
        w_.settingsPage().launchOptions(in.options);
        return in;
    }

    void gameLookedUp(const std::string& game, const RomLookup& result) override {
        w_.takeLookup(game, result);
    }

    void showPage(LaunchPage page) override {
        w_.showPage(page == LaunchPage::Configuration ? Page::Conf : Page::Settings);
    }

    void openProgramPicker(const std::string&, bool modal) override {
        w_.confPage().openProgramPicker(modal);
    }

    void openFolderPicker(const RomFolderRequest& request) override {
        w_.settingsPage().openRomFolderPicker(request);
    }

private:
    SectionWindow& w_;
};

} // namespace

void RunSection(SectionWindow& window, const std::string& game) {
    SectionLaunchUi ui(window);
    RunGame(window.emu(), game, ui);
}

} // namespace arvok
