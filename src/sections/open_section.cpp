#include "sections/open_section.h"

#include "core/texts.h"
#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/qt/geometry.h"
#include "platform/text_file.h"
#include "sections/launcher_link.h"
#include "sections/section_window.h"
#include "settings/emulator_cfg.h"
#include "shell/forms.h"

namespace arvok {

SectionWindow* ExistingSectionWindow(Emu emu) {
    return static_cast<SectionWindow*>(Forms::current().sectionWindows[Index(emu)].data());
}

SectionWindow& SectionWindowOf(Emu emu) {
    Forms& forms = Forms::current();
    QPointer<QWidget>& window = forms.sectionWindows[Index(emu)];
    if (!window)
        window = new SectionWindow(emu, forms.installation);
    return *static_cast<SectionWindow*>(window.data());
}

void ForgetSectionWindow(const SectionWindow* window) {
    for (QPointer<QWidget>& slot : Forms::current().sectionWindows)
        if (slot == window)
            slot.clear();
}

void OpenSectionWindow(Emu emu) {
    Installation& installation = Forms::current().installation;
    if (!IsPresentFile(installation.data.dataFilePath(emu))) {
        dialogs().message(texts::testoNoDataFile, MsgStyle::Warning);
        return;
    }
    SetCurrentSection(emu);
    SectionWindow& window = SectionWindowOf(emu);
    window.fillGameList();
    window.selectFirstGame();
    // A file that is there but could not be read has been named already: it is no first visit.
    if (IsMissing(EmulatorCfgPath(installation.settings, emu))) {
        dialogs().message(texts::testoNoConfiguration, MsgStyle::Information);
        window.showConfigurationPage();
    }
    SetSectionOpen(emu, true);
    window.show();
    window.raise();
}

void InstallSectionWindows(Forms& forms) {
    SectionHooks& hooks = forms.hooks;
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
