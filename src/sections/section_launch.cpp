#include "sections/section_launch.h"

#include <QCoreApplication>
#include <QEvent>

#include "launch/launch.h"
#include "platform/ending_signals.h"
#include "sections/conf_page.h"
#include "sections/section_window.h"
#include "sections/settings_page.h"
#include "shell/installation.h"

namespace arvok {

namespace {

// The window as the launch sees it.
class SectionLaunchUi : public LaunchUi {
public:
    explicit SectionLaunchUi(SectionWindow& window) : w_(window) {}

    void saveSettingsFile() override { w_.SaveCfg(); }
    void tell(const LaunchProblem& problem) override { w_.installation().notices.tell(problem); }
    bool useSetThere(const std::string& set) override {
        return w_.installation().notices.useSetThere(set);
    }

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

    FolderListings& romFolders() override { return w_.romFolders(); }

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

// Eats every key, click and pointer move meant for a widget while it is installed; the windows
// still see them, so that they know which mouse buttons are up.
class InputDrop : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->isInputEvent() && watched->isWidgetType();
    }
};

// How long the events that waited while the emulator ran may take to be taken off the queue.
constexpr int kQueueMs = 100;

} // namespace

// The windows take no input while the emulator runs: what was typed or clicked on them meanwhile
// waited in the queue and is dropped here, so that an Enter given to the frozen window does not
// start the game a second time. A program that is ending leaves the queue to its event loop,
// which ends it.
void RunSection(SectionWindow& window, const std::string& game) {
    SectionLaunchUi ui(window);
    RunGame(window.installation().data, window.emu(), game, ui);
    if (Ending())
        return;
    InputDrop drop;
    QCoreApplication::instance()->installEventFilter(&drop);
    QCoreApplication::processEvents(QEventLoop::AllEvents, kQueueMs);
    QCoreApplication::instance()->removeEventFilter(&drop);
}

} // namespace arvok
