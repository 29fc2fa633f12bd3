// The information page of a section window: 22 value labels, each showing one fact of the
// game's data-file record.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/section.h"

namespace arvok {

enum InfoItem {
    kInfoName,
    kInfoMadeBy,
    kInfoYear,
    kInfoGenre,
    kInfoRomFile,
    kInfoOC,
    kInfoSamples,
    kInfoCloneOf,
    kInfoDriver,
    kInfoPlayable,
    kInfoColors,
    kInfoSound,
    kInfoHiScore,
    kInfoCocktail,
    kInfoCpu1,
    kInfoCpu2,
    kInfoCpu3,
    kInfoCpu4,
    kInfoSound1,
    kInfoSound2,
    kInfoSound3,
    kInfoSound4,
    kInfoItems
};

// The object names of the value labels, by InfoItem; the same in every section window.
inline constexpr std::array<const char*, kInfoItems> kInfoLabels{
    "lblInfoName",   "lblInfoMadeBy",  "lblInfoYear",    "lblInfoGenre",    "lblInfoRomFile",
    "lblInfoOC",     "lblInfoSamples", "lblInfoCloneOf", "lblInfoDriver",   "lblInfoPlayable",
    "lblInfoColors", "lblInfoSound",   "lblInfoHiScore", "lblInfoCocktail", "lblInfoCpu1",
    "lblInfoCpu2",   "lblInfoCpu3",    "lblInfoCpu4",    "lblInfoSound1",   "lblInfoSound2",
    "lblInfoSound3", "lblInfoSound4"};

struct GameInfo {
    bool found = false;
    std::array<std::string, kInfoItems> text; // by InfoItem; all empty when not found
};

// The texts of the page for "game" (its first record, name compared exactly): fields as written,
// the ROM set followed by ".zip", "YES"/"NO" for the type marks "O"/"C" (empty for any other),
// samples "Available" when the sound field is exactly "Yes(1)", else "Not needed". A game
// without a record, an empty name included, gives empty texts.
class DataFiles;

GameInfo ReadGameInfo(DataFiles& files, Emu emu, std::string_view game);

} // namespace arvok
