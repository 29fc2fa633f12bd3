#include "sections/section_launch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "launch/launch.h"
#include "platform/qt/ansi.h"
#include "sections/section_design.h"
#include "sections/section_window.h"

namespace arvok {

// The window as the launch sees it.
class SectionLaunchUi : public LaunchUi {
public:
    explicit SectionLaunchUi(SectionWindow& window) : w_(window) {}

    void saveSettingsFile() override { w_.SaveCfg(); }

    LaunchInputs inputs() override {
        LaunchInputs in;
        in.programPath = ToPath(w_.exePath_->text());
        in.emulatorDir = ToPath(w_.emuDir_->text());
        in.romPath = ToPath(w_.romPath_->text());
        if (w_.romPathAlt_)
            in.romPathAlt = ToPath(w_.romPathAlt_->text());
        in.settingsKey = w_.romSettingsKey();
        in.options.fields = w_.readFields();
        if (QWidget* resolution = resolutionControl())
            in.options.resolutionEnabled = resolution->isEnabled();
        if (w_.playback_) {
            in.options.playback = w_.playback_->isChecked();
            in.options.inpName = ToPath(w_.hideInp_->text());
        }
        return in;
    }

    void gameLookedUp(const std::string& game, const RomLookup& result) override {
        w_.takeLookup(game, result);
    }

    void showPage(LaunchPage page) override {
        w_.showPage(page == LaunchPage::Configuration ? Page::Conf : Page::Settings);
    }

    void openProgramPicker(const std::string&, bool modal) override { w_.openProgramPicker(modal); }

    void openFolderPicker(const RomFolderRequest& request) override {
        w_.openGameRomPicker(request);
    }

private:
    // The combo whose being disabled silences its switch (the design row names it).
    QWidget* resolutionControl() const {
        const char* name = Design(w_.emu()).gatedCombo;
        return name ? w_.findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
    }

    SectionWindow& w_;
};

void RunSection(SectionWindow& window, const std::string& game) {
    SectionLaunchUi ui(window);
    RunGame(window.emu(), game, ui);
}

} // namespace arvok
