// The game list of the MAME, Callus and Raine windows: the games of a category, narrowed by
// genre, manufacturer and year, in the list's order (letter case ignored).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/section.h"

namespace arvok {

// By the position of the item in the category combo.
enum class Category { AllSupported, Originals, Clones, Available, Missing, NoNeoGeo, NeoGeo };

// What the four combos show: the category combo's position and the texts of the other three.
// A neutral text filters nothing.
struct ListChoice {
    int category = 0;
    std::string genre = "- Genre";
    std::string manufacturer = "- Manufactor";
    std::string year = "- Year";
};

struct GameList {
    // Sorted with ListOrder, equal names in file order: views into the data file's kept records
    // or into the scan file's bytes, which "source" keeps while the list is kept.
    std::vector<std::string_view> names;
    std::shared_ptr<const void> source;
    // The scan file needed for "Available" or "Missing" is missing or spoilt: the list is that
    // of "All Supported" under the same filters. The window tells the user (testoNoScanFile),
    // puts its category combo back on its first item and shows its configuration page.
    bool scanFileMissing = false;
    size_t count() const { return names.size(); }
};

// Rebuilds the list from the data file (and for "Available"/"Missing" the scan file), as
// DataFiles keeps them: the games of the category at "choice.category" (a position the section's
// combo lacks counts as "All Supported") that carry exactly the chosen genre, manufacturer and
// year. Filters match list entries to records in memory and by name, whatever the file order; the
// same name twice stands for its records in file order. With the default choice this is the
// list of every game, for any section.
class DataFiles;

GameList BuildGameList(DataFiles& files, Emu emu, const ListChoice& choice = {});

} // namespace arvok
