#include "catalogue/rom_lookup.h"

#include "catalogue/data_file.h"

namespace arvok {

RomLookup LookupRom(DataFiles& files, Emu emu, std::string_view game) {
    RomLookup result;
    std::optional<GameRecord> record = files.findGame(emu, game);
    if (!record) {
        std::shared_ptr<const RecordLines> records = files.records(files.dataFilePath(emu));
        result.dataFileRead = records->ok();
        result.dataFileHasRecords = records->ok() && !records->lines().empty();
        return result;
    }
    result.found = true;
    result.dataFileRead = true;
    result.dataFileHasRecords = true;
    result.romSel = record->field(kSet);
    result.cloneOf = record->field(kParent);
    return result;
}

NeoGeoLookup LookupMameNeoGeo(DataFiles& files, std::string_view set) {
    NeoGeoLookup result;
    std::optional<GameRecord> record = files.findGame(Emu::Mame, set, kSet);
    if (!record)
        return result;
    result.found = true;
    result.neoGeo = record->field(kType) != "O";
    return result;
}

int FavouriteToRemove(Emu emu, int selected, std::string_view selectedText, int count,
                      std::string_view missing) {
    if (!Section(emu).editableFavourites || selected < 0 || selected >= count ||
        selectedText != missing)
        return -1;
    return selected;
}

} // namespace arvok
