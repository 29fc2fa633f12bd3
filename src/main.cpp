#include <QApplication>
#include <memory>

#include "core/texts.h"
#include "layouts/qt/layout_manager.h"
#include "platform/qt/qt_dialogs.h"
#include "sections/open_section.h"
#include "shell/forms.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    arvok::SetDialogs(std::make_unique<arvok::QtDialogs>(arvok::texts::Title()));
    // The section windows and the layout manager install their hooks here, before start-up.
    arvok::InstallSectionWindows();
    arvok::InstallLayoutManager();

    arvok::Forms::main().show();
    return app.exec();
}
