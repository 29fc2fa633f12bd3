#include <QApplication>
#include <memory>

#include "platform/qt/qt_dialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    arvok::SetDialogs(std::make_unique<arvok::QtDialogs>());
    return 0;
}
