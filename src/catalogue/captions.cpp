#include "catalogue/captions.h"

#include "catalogue/data_file.h"

namespace arvok {

MenuCaptions ReadMenuCaptions(DataFiles& files, Emu emu, std::string_view game) {
    MenuCaptions captions;
    std::optional<GameRecord> record = files.findGame(emu, game);
    if (!record)
        return captions;
    captions.manufacturer = record->field(kManufacturer);
    captions.year = record->field(kYear);
    captions.genre = record->field(kGenre);
    const std::string& type = record->field(kType);
    captions.originalOrClone = type == "O" ? "Original" : type == "C" ? "Clone" : "";
    return captions;
}

} // namespace arvok
