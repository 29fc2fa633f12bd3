// The help page of a section window (pic<Emu>Help): the key tables of the section's design row
// and, in a section with a history file, lst<Emu>Help with the game's history; M72 has a page of
// its own (m72_help_page.h).
#pragma once

#include <QWidget>
#include <string>

#include "catalogue/history.h"
#include "core/section.h"

class QListWidget;

namespace arvok {

class HelpPage : public QWidget {
public:
    HelpPage(Emu emu, QWidget* window);
    // Shows the history of "game" read below the emulator directory "emulatorDir", in a section
    // with a history file; nothing changes in another.
    void showGame(const std::string& game, const std::string& emulatorDir);

private:
    Emu emu_;
    QListWidget* list_ = nullptr;
    HistoryFiles history_;
};

} // namespace arvok
