#include <QApplication>

#include "platform/path.h"
#include "program/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return arvok::RunProgram(arvok::CurrentDirectory());
}
