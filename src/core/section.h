// The five emulator sections, always in this order, and what tells them apart.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace arvok {

enum class Emu { Mame, Callus, Raine, System16, M72 };

// How many sections there are: every table with a row per section has this many rows.
inline constexpr std::size_t kSectionCount = 5;

// A table with one row per section, at the place Index(emu) gives.
template <class Row> using PerSection = std::array<Row, kSectionCount>;

inline constexpr PerSection<Emu> kAllEmus{Emu::Mame, Emu::Callus, Emu::Raine, Emu::System16,
                                          Emu::M72};

constexpr std::size_t Index(Emu emu) {
    return static_cast<std::size_t>(emu);
}

// Whether each row of a table whose rows name their section stands at that section's place;
// such a table is checked by a static_assert where it is written.
template <class Row> constexpr bool EachRowAtItsPlace(const PerSection<Row>& rows) {
    for (std::size_t i = 0; i < kSectionCount; ++i)
        if (Index(rows[i].emu) != i)
            return false;
    return true;
}

struct SectionInfo {
    Emu emu;
    const char* tag;         // "MAME", "CALLUS" ...: stored in layouts and picker tags
    const char* baseName;    // "Mame", "Callus" ...: file names and control names
    bool hasFilters;         // genre, manufacturer, year and category combos
    bool hasScan;            // ROM scan into <Emu>.scn
    bool hasHistory;         // gamelist.txt on the help page
    bool hasGameList;        // lst<Emu>Rom (M72 lists only its favourites)
    bool editableFavourites; // drop, Delete and clear act on the favourites (not for M72)
    bool hasAltRomPath;      // a second ROM folder, searched after the first, and sets stored
                             // merged or split (MAME)
};

const SectionInfo& Section(Emu emu);
std::optional<Emu> EmuFromTag(std::string_view tag);

// "<base><suffix>", e.g. ObjectName(Emu::Mame, "lst", "Rom") == "lstMameRom".
std::string ObjectName(Emu emu, std::string_view prefix, std::string_view suffix);

} // namespace arvok
