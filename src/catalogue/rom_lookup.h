// The ROM set of a game: its record in the section's data file gives the set (the zip's base
// name) and the parent set. A game the data file no longer carries is to be told to the user, and
// the caller then drops it from the favourites when it is the selected favourite.
#pragma once

#include <string>
#include <string_view>

#include "core/section.h"

namespace arvok {

struct RomLookup {
    bool found = false;
    std::string romSel;  // field 2, the ROM set: "<set>.zip", snapshots named after it
    std::string cloneOf; // field 4, the parent set: "-" for none, kNeoGeoSet for Neo-Geo games
    // The data file could be read: a game missing from a file that could not be read is not
    // to be told as missing from the file.
    bool dataFileRead = false;
    // The data file was read and holds records, so that a game it lacks is truly gone; a miss
    // in a file that is empty or could not be read drops no favourite.
    bool dataFileHasRecords = false;
};

class DataFiles;

// Finds the game's record (first one in file order, name compared exactly). On a miss, an empty
// name included, returns found == false with empty texts: the user is to be told, and the caller
// keeps the members it had and does not go on with the game.
RomLookup LookupRom(DataFiles& files, Emu emu, std::string_view game);

struct NeoGeoLookup {
    bool found = false;
    bool neoGeo = false; // the set's type mark is anything but "O"
};

// Finds the MAME record whose ROM set (field 2) is "set"; a miss is told as by LookupRom.
NeoGeoLookup LookupMameNeoGeo(DataFiles& files, std::string_view set);

// Which favourite leaves the list after a lookup of "missing" failed: the selected entry, only
// when its text is the missing name; -1 for none. Sections whose favourites cannot be edited
// never remove one. The window then selects the entry that takes its place (or the new
// last one), as after the Delete key.
int FavouriteToRemove(Emu emu, int selected, std::string_view selectedText, int count,
                      std::string_view missing);

} // namespace arvok
