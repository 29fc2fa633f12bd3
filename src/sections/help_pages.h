// The help pages that hold a fixed key reference instead of a game's history: System16's list
// of each game's keys beside the emulator's other keys, and M72's table of controls. Nothing in
// the program changes them after they are built.
#pragma once

#include <QWidget>

namespace arvok {

class System16HelpPage : public QWidget {
    Q_OBJECT
public:
    explicit System16HelpPage(QWidget* parent);
};

class M72HelpPage : public QWidget {
    Q_OBJECT
public:
    explicit M72HelpPage(QWidget* parent);
};

// Makes a section's fixed help page as a child of "window" (the design row's choice).
using HelpPageMaker = QWidget* (*)(QWidget* window);
template <class Page> QWidget* MakeHelpPage(QWidget* window) {
    return new Page(window);
}

} // namespace arvok
