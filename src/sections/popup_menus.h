// The hidden window frmMenu that carries the popup menus: one game menu per section, which tells
// the selected game's manufacturer, year, genre and whether it is an original or a clone, and
// the "Shortcut" menu with "ResetFilters" for the MAME window's filters.
#pragma once

#include <QWidget>
#include <string>

#include "core/section.h"

class QAction;
class QMenu;
class QPoint;

namespace arvok {

class DataFiles;

// frmMenu. Game menu mnu<Emu> (caption "Mame", "Callus" ...): mnu<Emu>Manufactor, mnu<Emu>Year,
// mnu<Emu>Genre, the separator mnuSep<Emu>1 and mnu<Emu>OC; choosing one does nothing. The
// menu mnuShortcut ("Shortcut") holds mnuResetFilters ("ResetFilters").
class MenuWindow : public QWidget {
    Q_OBJECT
public:
    explicit MenuWindow(DataFiles& files, QWidget* parent = nullptr);

    QMenu* gameMenu(Emu emu) const { return menus_[Index(emu)].menu; }

    // Set<Emu>MenuCaptions: the four entries of the section's menu get the facts of "game" from
    // the section's data file; a game the data file does not hold, or an empty name, leaves
    // them empty.
    void setGameCaptions(Emu emu, const std::string& game);
    // The right button in a game or favourites list: sets the captions for "game" and pops the
    // section's menu up at "globalPos" without waiting for it.
    void popupGameMenu(Emu emu, const std::string& game, const QPoint& globalPos);

signals:
    // mnuResetFilters chosen: the MAME window sets its four filter combos to their first items.
    void resetFiltersRequested();

private:
    struct GameMenu {
        QMenu* menu = nullptr;
        QAction* manufacturer = nullptr;
        QAction* year = nullptr;
        QAction* genre = nullptr;
        QAction* originalOrClone = nullptr;
    };
    DataFiles& files_;
    PerSection<GameMenu> menus_;
};

// The one frmMenu of the program, created hidden on first use and kept with the other windows
// (Forms).
MenuWindow& FrmMenu();

} // namespace arvok
