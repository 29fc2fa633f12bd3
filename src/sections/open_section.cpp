#include "sections/open_section.h"

#include <QPointer>

#include "catalogue/data_file.h"
#include "core/texts.h"
#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/qt/geometry.h"
#include "platform/text_file.h"
#include "sections/launcher_link.h"
#include "sections/section_window.h"
#include "settings/emulator_cfg.h"
#include "shell/section_hooks.h"

namespace arvok {

namespace {

PerSection<QPointer<SectionWindow>>& Windows() {
    static PerSection<QPointer<SectionWindow>> windows;
    return windows;
}

} // namespace

SectionWindow* ExistingSectionWindow(Emu emu) {
    return Windows()[Index(emu)].data();
}

SectionWindow& SectionWindowOf(Emu emu) {
    QPointer<SectionWindow>& window = Windows()[Index(emu)];
    if (!window)
        window = new SectionWindow(emu);
    return *window;
}

void ForgetSectionWindow(const SectionWindow* window) {
    for (QPointer<SectionWindow>& slot : Windows())
        if (slot == window)
            slot.clear();
}

void OpenSectionWindow(Emu emu) {
    if (!IsPresentFile(DataFilePath(emu))) {
        dialogs().message(texts::testoNoDataFile, MsgStyle::Warning);
        return;
    }
    SetCurrentSection(emu);
    SectionWindow& window = SectionWindowOf(emu);
    window.fillGameList();
    window.selectFirstGame();
    // A file that is there but could not be read has been named already: it is no first visit.
    if (IsMissing(EmulatorCfgPath(emu))) {
        dialogs().message(texts::testoNoConfiguration, MsgStyle::Information);
        window.showConfigurationPage();
    }
    SetSectionOpen(emu, true);
    window.show();
    window.raise();
}

void InstallSectionWindows() {
    SectionHooks& hooks = Hooks();
    hooks.open = OpenSectionWindow;
    hooks.place = [](Emu emu, int top, int left, int width, int height) {
        SectionWindow& window = SectionWindowOf(emu);
        SetTwipsPos(&window, top, left);
        SetTwipsSize(&window, width, height);
    };
    hooks.saveForQuit = [](Emu emu) {
        if (SectionWindow* window = ExistingSectionWindow(emu))
            window->saveAll();
    };
}

} // namespace arvok
