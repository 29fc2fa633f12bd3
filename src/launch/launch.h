// Starting an emulator on a game: the program checked, the ROM set found and put where the
// emulator looks for it, the command line run through the batch file until the emulator exits,
// then whatever the launch copied deleted again.
#pragma once

#include <string>

#include "core/section.h"
#include "launch/launch_ui.h"

namespace arvok {

// MAME: the set (or its parent's zip) is looked for in the game's ROM folder, the ROM folder
// and the alternative ROM folder, and copied into "roms" below the emulator's directory.
void RunMame(const std::string& game, LaunchUi& ui);

// Any section: MAME goes to RunMame, the four others share one flow over their profiles (the
// game's zip copied from its ROM folder into the emulator's ROM folder). An empty game name
// does nothing.
void RunGame(Emu emu, const std::string& game, LaunchUi& ui);

} // namespace arvok
