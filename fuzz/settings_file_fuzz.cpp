// The settings file of every section. A file as a user may have left it reads, saves and reads
// again to the same values, and a second save writes the same bytes; values the program writes
// read back as they were written, favourites whole whatever quotes and commas they hold.
#include <vector>

#include "fuzz_support.h"
#include "settings/emulator_cfg.h"

using namespace arvok;
using namespace arvok::fuzz;

namespace {

std::string Describe(const EmulatorCfg& cfg) {
    std::string text = cfg.exePath + "|" + cfg.emuDir + "|" + cfg.romPath + "|" + cfg.altRomPath +
                       "|" + cfg.snapPath + "|" + cfg.snapFormat + "|" +
                       std::to_string(cfg.noSlide) + std::to_string(cfg.showCounter) + "|" +
                       std::to_string(cfg.slideDelayIndex) + "|" + cfg.favSize + "|";
    if (!cfg.favourites)
        return text + "no favourites";
    for (const std::string& name : *cfg.favourites)
        text += "\"" + name + "\"";
    return text;
}

// The values of a file as its reader gives them, handed back to the writer as a fresh window
// would: the reader gives the favourites in file order, the writer takes them in list order,
// and a file without favourites leaves the list empty.
EmulatorCfg AsWritten(EmulatorCfg cfg) {
    std::vector<std::string> names = cfg.favourites.value_or(std::vector<std::string>());
    cfg.favourites.emplace(names.rbegin(), names.rend());
    return cfg;
}

void ReadSaveRead(Emu emu, std::string_view bytes) {
    std::string rel = "Cfg/" + EmulatorCfgLayoutOf(emu).fileName;
    Put(rel, bytes);
    EmulatorCfg first = AsWritten(LoadEmulatorCfg(emu));
    FUZZ_CHECK(first.read, rel);
    FUZZ_CHECK(SaveEmulatorCfg(emu, first), rel);
    std::string saved = Get(rel);
    EmulatorCfg second = AsWritten(LoadEmulatorCfg(emu));
    FUZZ_CHECK(Describe(first) == Describe(second), Describe(first) + " / " + Describe(second));
    FUZZ_CHECK(SaveEmulatorCfg(emu, second), rel);
    FUZZ_CHECK(Get(rel) == saved, saved);
}

void WriteRead(Emu emu, FuzzedDataProvider& input) {
    EmulatorCfg written;
    written.read = true;
    for (std::string* text :
         {&written.exePath, &written.emuDir, &written.romPath, &written.snapPath, &written.favSize})
        *text = OneLine(input);
    if (Section(emu).hasAltRomPath)
        written.altRomPath = OneLine(input);
    written.snapFormat = input.PickValueInArray({"GIF", "JPG", "BMP", ""});
    written.noSlide = input.ConsumeBool();
    written.showCounter = input.ConsumeBool();
    written.slideDelayIndex = input.ConsumeIntegralInRange(-1, 7);
    // A favourite is a game name: never empty, and often holding quotes and commas.
    std::vector<std::string> names;
    for (int n = input.ConsumeIntegralInRange(0, 4); n > 0; --n) {
        std::string name = OneLine(input, 16);
        if (input.ConsumeBool())
            name += input.PickValueInArray({"\",", "\", ", "\"", ","}) + OneLine(input, 12);
        if (!name.empty())
            names.push_back(name);
    }
    written.favourites = names;

    FUZZ_CHECK(SaveEmulatorCfg(emu, written), EmulatorCfgLayoutOf(emu).fileName);
    EmulatorCfg read = AsWritten(LoadEmulatorCfg(emu));
    FUZZ_CHECK(Describe(read) == Describe(written), Describe(written) + " / " + Describe(read));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Installation();
    FuzzedDataProvider input(data, size);
    Emu emu = PickEmu(input);
    if (input.ConsumeBool())
        WriteRead(emu, input);
    else
        ReadSaveRead(emu, input.ConsumeRemainingBytesAsString());
    TakeMessages();
    return 0;
}
