#include "catalogue/game_info.h"

#include "catalogue/data_file.h"

namespace arvok {

namespace {

// Items shown as the field stands, with the field number.
constexpr std::array<std::pair<InfoItem, int>, 19> kPlainFields{{
    {kInfoName, kName}, {kInfoCloneOf, kParent}, {kInfoGenre, kGenre}, {kInfoMadeBy, kManufacturer},
    {kInfoYear, kYear}, {kInfoPlayable, 8},      {kInfoColors, 9},     {kInfoSound, 10},
    {kInfoHiScore, 11}, {kInfoCocktail, 12},     {kInfoDriver, 13},    {kInfoCpu1, 14},
    {kInfoCpu2, 15},    {kInfoCpu3, 16},         {kInfoCpu4, 17},      {kInfoSound1, 18},
    {kInfoSound2, 19},  {kInfoSound3, 20},       {kInfoSound4, 21},
}};

} // namespace

GameInfo ReadGameInfo(DataFiles& files, Emu emu, std::string_view game) {
    GameInfo info;
    std::optional<GameRecord> record = files.findGame(emu, game);
    if (!record)
        return info;
    info.found = true;
    for (auto [item, field] : kPlainFields)
        info.text[item] = record->field(field);
    info.text[kInfoRomFile] = record->field(kSet) + ".zip";
    const std::string& type = record->field(kType);
    info.text[kInfoOC] = type == "O" ? "YES" : type == "C" ? "NO" : "";
    info.text[kInfoSamples] = record->field(10) == "Yes(1)" ? "Available" : "Not needed";
    return info;
}

} // namespace arvok
