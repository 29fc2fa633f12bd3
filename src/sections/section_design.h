// What tells the five section windows apart: the names of the controls that differ between them,
// which parts a window has, and the fixed texts and positions of its design. One generic window
// is built over these rows; a page that is truly different is built by a page builder of the
// section's own (see SectionDesign::buildHelpPage).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/section.h"

class QWidget;

namespace arvok {

// What the window's load does when the data file's header gives no game total.
enum class TotalFallback {
    KeepCaption, // the total label keeps its design caption
    Empty,       // the total label is emptied
    NoTotal,     // the window shows no total at all
};

// When the favourites count shows the favourites' share of the total as its tooltip.
enum class FavShare {
    None,        // never
    OnMouseMove, // on every mouse movement over the count
    OnClick,     // when the count is clicked
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
    int labelLeft, labelWidth; // the label's place on the control's row
};

// A fixed text of a page (the settings page's note, the help page's keys).
struct PageLabel {
    const char* name; // object name; empty for none
    const char* text;
    int left, top, width, height;
};

// The control "target" is enabled exactly while the check box "check" is checked, whether the
// user or the program changed the box.
struct EnableRule {
    const char* check;
    const char* target;
};

// One row of the information page: a heading (with an optional second heading on the right
// half), or one or two captions each beside the value label of an information item.
struct InfoCell {
    const char* caption;
    int item; // InfoItem of catalogue/game_info.h
};
struct InfoRow {
    const char* heading; // nullptr for a row of cells
    const char* rightHeading;
    std::vector<InfoCell> cells; // left, then right; one cell spans the whole row
};

// A column of the help page's key table: a heading over rows of a key and its action.
struct HelpKey {
    const char* key;
    const char* action;
};
struct HelpBlock {
    const char* heading; // nullptr for none
    int left, top;       // twips on the help page
    int keyWidth, actionWidth;
    std::vector<HelpKey> keys;
};

// Fills a page that a section builds with a class of its own; "page" is the page's widget.
using PageBuilder = void (*)(QWidget* page);

// The configuration page's captions and design texts.
struct ConfDesign {
    const char* exeCaptionName = "lblOptMamePath"; // label over the program path
    const char* exeCaption = "";
    const char* romCaption = "Default Roms Directory"; // Label22
    const char* snapCaption = "ScreenShots Directory"; // Label20
    const char* romButtonCaption = "Browse";           // cmdSelDir
    const char* scanFrameCaption = "Roms Scan:";       // Frame2
    // Design texts of the program path, the hidden emulator directory, the ROM and snapshot
    // directories (what a window without a settings file shows).
    const char* exePath = "";
    const char* emuDir = "";
    const char* romPath = "";
    const char* snapPath = "";
};

// The count labels below the favourites and beside the filters (twips on the window).
struct CountDesign {
    int left = 5850; // left edge of the total and of the list count
    int totalTop = 4650, romCountTop = 4800;
    int captionLeft = 5310;                // "Total:" and "Filtered:" end where the counts begin
    const char* totalDesign = "9999";      // lbl<Emu>Total before the load
    const char* romCountDesign = "";       // lbl<Emu>RomCount before the first count
    const char* totalCaption = nullptr;    // Label3 "Total:"; nullptr: no caption label
    const char* romCountCaption = nullptr; // Label1 "Filtered:"
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
    bool showsGameInHand = true;     // lbl<Emu>RomSettings is seen (hidden for System16, M72)
    bool prefMenuWhenEmpty = false;  // the right button on the favourites pops the game menu
                                     // with no entry selected (M72, whose only list it is)
    bool shiftResetsFilters = false; // Shift in a filter combo resets all four (MAME)
    bool menuResetsFilters = false;  // the popup menu's filter reset acts on this window (MAME)
    // The snapshot page starts its show afresh: a click on the picture chooses the interval again
    // (the animation's or the slide-show delay) and an animation's display starts its counter at
    // "-". Otherwise a click restarts the show with the interval it last had and an animation
    // goes on from its counter.
    bool snapShowRestarts = false;
    FavShare favShare = FavShare::None;
    bool romDirFallback = false; // the load's per-game ROM path falls back to the fixed path
    TotalFallback total = TotalFallback::KeepCaption;
    CountDesign counts;
    int genreUpLeft = 1660; // genre combo's left edge in the "up" layout
    std::array<int, 4> filterLeft{120, 1680, 3000, 4620}; // misc, genre, manufacturer, year
    std::array<int, 4> filterWidth{1485, 1245, 1545, 795};
    int romListTop = 5010, romListHeight = 2175; // the game list as designed
    int romListColumns = 2;
    // What the favourites list holds before a settings file fills it (M72's twelve games).
    std::vector<const char*> designFavourites;

    ConfDesign conf;
    // A folder of the emulator's directory where the default-ROM picker opens when the ROM
    // directory is no folder (M72's "ziproms"); none: the picker's own fallback.
    const char* romPickerFallback = nullptr;
    // The game's ROM-folder picker also lists the zip of the game's parent when the data file
    // marks that parent as an original (MAME).
    bool romPickerOffersParent = false;

    // The per-game settings page below the ROM path: every control of the settings table has its
    // row here, which places it and gives its caption and tooltips.
    std::vector<SettingControl> settings;
    std::vector<PageLabel> settingsLabels; // fixed texts of the page
    std::vector<EnableRule> enableRules;
    // The combo whose switch a launch passes on only while the combo is enabled (MAME's screen
    // resolution, M72's vertical resolution); none: every switch counts.
    const char* gatedCombo = nullptr;
    const char* settingsPageTip = ""; // tooltip of the page itself
    const char* applyAllTip = " Apply current settings to All Games ";

    std::vector<InfoRow> infoRows;

    // Help page: the history list (when the section has a history text) under its heading, or a
    // list of fixed items, with the key table beside it; or a page built by a class of its own.
    const char* helpListHeading = "Game Details";     // nullptr: the list has no heading
    std::array<int, 4> helpList{60, 255, 3735, 3570}; // left, top, width, height
    std::vector<std::string> helpListItems;           // fixed items (no history text)
    std::vector<HelpBlock> helpBlocks;
    PageBuilder buildHelpPage = nullptr;
};

const SectionDesign& Design(Emu emu);

// The items of every window's slide-show delay combo cboSlideShowTimer, in stored order.
inline constexpr std::array<const char*, 8> kSlideDelayItems{
    "0,5 Second",  "1,0 Second",  "1,5 Second",  "2,0 Seconds",
    "2,5 Seconds", "3,0 Seconds", "4,0 Seconds", "5,0 Seconds"};

} // namespace arvok
