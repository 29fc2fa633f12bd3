// Starting the emulator on a game from a section window.
#pragma once

#include <string>

namespace arvok {

class SectionWindow;

// The section's launch with the window's configuration and per-game settings pages; what the
// launch reports back (the game's ROM set, a page to show, a picker to open) goes to the window.
void RunSection(SectionWindow& window, const std::string& game);

} // namespace arvok
