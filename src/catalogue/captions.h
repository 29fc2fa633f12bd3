// The popup menu of a game list: the game's manufacturer, year, genre and whether it is an
// original or a clone, as the captions of the section's menu entries.
#pragma once

#include <string>
#include <string_view>

#include "core/section.h"

namespace arvok {

struct MenuCaptions {
    std::string manufacturer;    // mnu<Emu>Manufactor
    std::string year;            // mnu<Emu>Year
    std::string genre;           // mnu<Emu>Genre
    std::string originalOrClone; // mnu<Emu>OC: "Original", "Clone", or empty for another mark
};

// The captions for "game" (its first record, name compared exactly); a game without a record,
// an empty name included, gives four empty captions.
class DataFiles;

MenuCaptions ReadMenuCaptions(DataFiles& files, Emu emu, std::string_view game);

} // namespace arvok
