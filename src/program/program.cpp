#include "program/program.h"

#include <QApplication>
#include <memory>

#include "core/texts.h"
#include "layouts/qt/layout_manager.h"
#include "platform/qt/qt_dialogs.h"
#include "sections/open_section.h"
#include "shell/forms.h"
#include "shell/instance.h"
#include "shell/pickers.h"

namespace arvok {

int RunProgram(const std::string& dirInst) {
    SetDialogs(std::make_unique<QtDialogs>(texts::Title()));
    SetPickers(std::make_unique<QtPickers>());
    if (!ClaimInstallation(dirInst))
        return 1;
    Installation installation(dirInst);
    // The windows live until the program returns, while the display is still there.
    Forms forms(installation);
    // The section windows and the layout manager install their hooks here, before start-up.
    InstallSectionWindows(forms);
    InstallLayoutManager(forms);

    Forms::main().show();
    QuitOnEndingSignals();
    EndWhenTheDisplayIsLost();
    return QApplication::exec();
}

} // namespace arvok
