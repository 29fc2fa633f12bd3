// What tells the five section windows apart: the names of the controls that differ between them,
// which parts a window has, and the fixed texts and positions of its design. One generic window
// is built over these rows.
#pragma once

#include <array>
#include <vector>

#include "core/section.h"
#include "sections/help_pages.h"

namespace arvok {

// What the window's load does when the data file's header gives no game total.
enum class TotalFallback {
    KeepCaption, // the total label keeps its design caption
    Empty,       // the total label is emptied
    NoTotal,     // the window shows no total at all
};

// How a control of the per-game settings page looks and where it stands (twips on the page).
// What kind of control it is and a combo's items come from the settings table.
struct SettingControl {
    const char* name;
    const char* caption;   // a check box's caption, or the label beside a combo or text box
    const char* labelName; // object name of that label; empty: no label
    const char* tip;       // tooltip of the control
    const char* labelTip;  // tooltip of the label
    int left, top, width;
};

// A combo or check box of the per-game settings page that is enabled exactly while a check box
// is checked, whether the box changes by the user or by a game's settings being applied.
struct EnableRule {
    const char* check;
    const char* target;
};

struct SectionDesign {
    const char* pageButtonPrefix = ""; // "imgBut" (MAME) or "img<Base>But"
    const char* sizeButtonPrefix = ""; // "cmd" (MAME) or "cmd<Base>"
    const char* favHeadingName = "Label12";
    const char* favHeading = " Favorties:";
    const char* favCountName = "";   // object name of the favourites count
    const char* snapTip = "";        // how to grab a snapshot in the emulator
    bool hasLargeSize = true;        // the Large size exists (not for M72)
    bool hasFavLayout = true;        // the "up"/"down" favourites layout exists (not for M72)
    bool editableFavourites = true;  // drop, Delete and clear act (not for M72)
    bool prefMenuWhenEmpty = false;  // the right button on the favourites pops the game menu
                                     // with no entry selected (M72, whose only list it is)
    bool shiftResetsFilters = false; // Shift in a filter combo resets all four (MAME)
    bool romDirFallback = false;     // the load's per-game ROM path falls back to the fixed path
    bool hasAltRomPath = false;      // alternative ROM directory and "Roms are" options (MAME)
    TotalFallback total = TotalFallback::KeepCaption;
    int genreUpLeft = 1660; // genre combo's left edge in the "up" layout
    std::array<int, 4> filterLeft{120, 1680, 3000, 4620}; // misc, genre, manufacturer, year
    std::array<int, 4> filterWidth{1485, 1245, 1545, 795};
    int romListTop = 5010, romListHeight = 2175; // the game list as designed
    int romListColumns = 2;
    // What the favourites list holds before a settings file fills it (M72's twelve games).
    std::vector<const char*> designFavourites;
    // A fixed help page of the section's own; none: the help page shows the game's history.
    HelpPageMaker helpPage = nullptr;
    std::vector<EnableRule> enableRules;
    // The per-game settings page below the ROM path; controls of the settings table without a
    // row here are laid out in a grid after these.
    std::vector<SettingControl> settings;
};

const SectionDesign& Design(Emu emu);

// The items of every window's slide-show delay combo cboSlideShowTimer, in stored order.
inline constexpr std::array<const char*, 8> kSlideDelayItems{
    "0,5 Second",  "1,0 Second",  "1,5 Second",  "2,0 Seconds",
    "2,5 Seconds", "3,0 Seconds", "4,0 Seconds", "5,0 Seconds"};

} // namespace arvok
