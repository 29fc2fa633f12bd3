// The fixed items of the sections' filter combos.
#pragma once

#include <string>
#include <vector>

#include "core/section.h"

namespace arvok {

// The fixed items of a section's four filter combos, in combo order; the first item of each is
// the neutral one ("All Supported", "- Genre", "- Manufactor", "- Year"). Sections without
// filters have none.
struct FilterItems {
    std::vector<std::string> category;     // cboFilter<Emu>Misc
    std::vector<std::string> genre;        // cboFilter<Emu>Genre, compared with field 5
    std::vector<std::string> manufacturer; // cboFilter<Emu>Manufactor, field 6
    std::vector<std::string> year;         // cboFilter<Emu>Year, field 7
};
const FilterItems& FilterComboItems(Emu emu);

} // namespace arvok
