#include <QApplication>
#include <memory>

#include "core/texts.h"
#include "layouts/qt/layout_manager.h"
#include "platform/path.h"
#include "platform/qt/qt_dialogs.h"
#include "sections/open_section.h"
#include "shell/forms.h"
#include "shell/instance.h"
#include "shell/pickers.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    arvok::SetDialogs(std::make_unique<arvok::QtDialogs>(arvok::texts::Title()));
    arvok::SetPickers(std::make_unique<arvok::QtPickers>());
    const std::string dirInst = arvok::CurrentDirectory();
    if (!arvok::ClaimInstallation(dirInst))
        return 1;
    arvok::Installation installation(dirInst);
    // The windows live until main returns, while the display is still there.
    arvok::Forms forms(installation);
    // The section windows and the layout manager install their hooks here, before start-up.
    arvok::InstallSectionWindows(forms);
    arvok::InstallLayoutManager(forms);

    arvok::Forms::main().show();
    arvok::QuitOnEndingSignals();
    arvok::EndWhenTheDisplayIsLost();
    return app.exec();
}
