// The help page of the MAME and Callus windows: the game's entry in the emulator's own
// "gamelist.txt", one list item per shown line. An entry ends at two empty lines in a row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/section.h"

namespace arvok {

// The items of the help list for "title", read from "gamelist.txt" (any letter case) in the
// emulator's directory. When the file or the entry is missing the items say so (MAME), or the
// list stays empty for a missing entry (Callus). Sections without such a text give no items.
//
// MAME takes the first line that begins with the title cut before the blank that precedes its
// first "(", shows that line and then the entry, lines over 52 characters as two items.
// Callus takes the first non-empty line that holds the whole title, shows the lines after it
// whole, and doubles each empty line.
std::vector<std::string> ReadHistory(Emu emu, const std::string& emulatorDir,
                                     std::string_view title);

} // namespace arvok
