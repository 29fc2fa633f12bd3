// Starting an emulator on a game: the program checked, the ROM set found and put where the
// emulator looks for it, the command line run through the batch file until the emulator exits,
// then whatever the launch copied deleted again.
#pragma once

#include <string>

#include "core/section.h"
#include "launch/launch_ui.h"

namespace arvok {

class DataFiles;

// MAME: the set (or its parent's zip) is looked for in the game's ROM folder, the ROM folder
// and the alternative ROM folder, and copied into "roms" below the emulator's directory.
void RunMame(DataFiles& files, const std::string& game, LaunchUi& ui);

// The parent whose zip the picker of a MAME game's own ROM folder offers beside the game's: a
// clone's parent that MAME's data file carries as an original game, never the Neo-Geo set; empty
// for none. "parentMissing", when given, says whether the data file lacks the parent.
std::string MameParentToOffer(DataFiles& files, const std::string& cloneOf,
                              bool* parentMissing = nullptr);

// The picker of the game's own ROM folder: it lists "<set>.zip", and "<parent>.zip" beside it
// when "offeredParent" is not empty, under the caption "Search Rom for <game> (<those zips>)".
// "folder" is where it starts.
RomFolderRequest GameRomFolderRequest(Emu emu, const std::string& game, const std::string& set,
                                      const std::string& offeredParent, const std::string& folder);

// Any section: MAME goes to RunMame, the four others share one flow over their profiles (the
// game's zip copied from its ROM folder into the emulator's ROM folder). An empty game name
// does nothing.
void RunGame(DataFiles& files, Emu emu, const std::string& game, LaunchUi& ui);

} // namespace arvok
