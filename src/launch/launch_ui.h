// What a launch needs of its section window, which implements it: what it reads from the window,
// what it tells the user and asks them, and where it turns the window.
#pragma once

#include <string>

#include "catalogue/rom_lookup.h"
#include "launch/command_line.h"
#include "platform/folder_listing.h"

namespace arvok {

// What the launch reads from the window when it starts.
struct LaunchInputs {
    std::string programPath; // txtOpt<Emu>ExePath
    std::string emulatorDir; // lblOpt<Emu>Hide
    std::string romPath;     // MAME only: txtOptMameRomPath
    std::string romPathAlt;  // MAME only: txtOptMameRomPathAlt
    std::string settingsKey; // lbl<Emu>RomSettings: the game whose settings the page shows
    // The per-game settings page; fields[kRomPathSlot] is the game's ROM folder.
    GameOptions options;
};

// The page a failed launch turns its window to.
enum class LaunchPage {
    Configuration, // the program is missing
    GameSettings,  // the ROM set is missing
};

// The folder picker (frmSelDir), shown modal, for the game's own ROM folder.
struct RomFolderRequest {
    std::string tag;     // "<TAG>SETTINGS": the chosen folder becomes txt<Emu>RomPath
    std::string caption; // "Search Rom for <game> (<set>.zip)"
    std::string pattern; // "<set>.zip", for MAME possibly "<set>.zip;<parent>.zip"
    std::string folder;  // start folder; empty leaves the choice to the picker
};

// What stopped a launch, for the user to be told.
struct LaunchProblem {
    enum class Kind {
        GameMissing,    // the data file does not carry the game (or the set) looked up
        NoDataFile,     // the data file of the game looked up could not be read
        ProgramMissing, // no program or no emulator directory; "title" is the box's title
        CannotStart,    // "program" cannot be started from the launch line, for "why"
        SetMissing,     // the game's zip is not where it is looked for; "title" as above
        NotCopied,      // "zip" found in "from" could not be put in "to", for "why"
        NotRun,         // the launch line did not run: "why" is what to tell
    };
    Kind kind;
    std::string title = {};
    std::string program = {};
    std::string zip = {};
    std::string from = {};
    std::string to = {};
    std::string why = {};
};

// What a lookup that found nothing is to tell: a game missing from a data file that was read, or
// the data file that could not be.
inline LaunchProblem NotFound(const RomLookup& lookup) {
    return {lookup.dataFileRead ? LaunchProblem::Kind::GameMissing
                                : LaunchProblem::Kind::NoDataFile};
}

class LaunchUi {
public:
    virtual ~LaunchUi() = default;

    // Writes the section's settings file from the window (the first step of every launch).
    virtual void saveSettingsFile() = 0;
    virtual void tell(const LaunchProblem& problem) = 0;
    // The set's zip is in the emulator's ROM folder already: whether to start with it there.
    virtual bool useSetThere(const std::string& set) = 0;
    virtual LaunchInputs inputs() = 0;
    // The listings of the folders MAME's sets are looked for in, kept from one launch to the next.
    virtual FolderListings& romFolders() = 0;
    // Told after each data-file lookup of a game that the launch makes: when found, the window
    // keeps romSel and cloneOf as its <Emu>RomSel and <Emu>CloneOf; when not (the user has been
    // told already), it drops "game" from its favourites if that is the selected one and the
    // data file holds records (FavouriteToRemove).
    virtual void gameLookedUp(const std::string& game, const RomLookup& result) = 0;
    virtual void showPage(LaunchPage page) = 0;
    // The program picker (frmSelExe) with the section's tag; modal or modeless as asked.
    virtual void openProgramPicker(const std::string& tag, bool modal) = 0;
    virtual void openFolderPicker(const RomFolderRequest& request) = 0;
};

} // namespace arvok
