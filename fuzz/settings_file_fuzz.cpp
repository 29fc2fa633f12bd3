// The settings file of every section. Every value read from a file as a user may have left it
// (or as another editor saved it, with other line ends and a byte-order mark) is written back by
// a save, or the save is refused and the file left as it was; a second save writes the same
// bytes. Values the program writes read back as they were written, favourites whole whatever
// quotes and commas they hold, and a path holding a line break is refused, the file kept.
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

// Saves "cfg" over the file "rel": written and read back the same, or refused with the file
// left as it was.
void SaveReadBack(Emu emu, const std::string& rel, const EmulatorCfg& cfg) {
    const std::string before = Get(rel);
    if (!SaveEmulatorCfg(emu, cfg)) {
        FUZZ_CHECK(Get(rel) == before, before);
        return;
    }
    std::string saved = Get(rel);
    EmulatorCfg again = AsWritten(LoadEmulatorCfg(emu));
    FUZZ_CHECK(Describe(cfg) == Describe(again), Describe(cfg) + " / " + Describe(again));
    FUZZ_CHECK(SaveEmulatorCfg(emu, again), rel);
    FUZZ_CHECK(Get(rel) == saved, saved);
}

void ReadSaveRead(Emu emu, std::string_view bytes) {
    std::string rel = std::string("Cfg/") + EmulatorCfgLayoutOf(emu).fileName;
    Put(rel, bytes);
    SaveReadBack(emu, rel, AsWritten(LoadEmulatorCfg(emu)));
}

void WriteRead(Emu emu, FuzzedDataProvider& input) {
    EmulatorCfg written;
    written.read = true;
    std::vector<std::string EmulatorCfg::*> paths{&EmulatorCfg::exePath, &EmulatorCfg::emuDir,
                                                  &EmulatorCfg::romPath, &EmulatorCfg::snapPath};
    if (Section(emu).hasAltRomPath)
        paths.push_back(&EmulatorCfg::altRomPath);
    for (auto path : paths)
        written.*path = OneLine(input);
    written.favSize = OneLine(input);
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
    // Over an empty file, read first, as an earlier run may have left one that is not read.
    const std::string rel = std::string("Cfg/") + EmulatorCfgLayoutOf(emu).fileName;
    Put(rel, "");
    LoadEmulatorCfg(emu);
    FUZZ_CHECK(SaveEmulatorCfg(emu, written), rel);

    // A path chosen with a line break in it is never stored.
    if (input.ConsumeIntegralInRange(0, 3) == 0) {
        EmulatorCfg broken = written;
        std::string& path =
            broken.*paths[input.ConsumeIntegralInRange<size_t>(0, paths.size() - 1)];
        path.insert(input.ConsumeIntegralInRange<size_t>(0, path.size()),
                    input.PickValueInArray({"\r", "\n", "\r\n"}));
        const std::string before = Get(rel);
        TakeMessages();
        FUZZ_CHECK(!SaveEmulatorCfg(emu, broken) && TakeMessages() == 1, path);
        FUZZ_CHECK(Get(rel) == before, before);
    }
    // The file as another editor saved it again.
    if (input.ConsumeBool())
        Put(rel, WithLineEnds(input.ConsumeIntegral<uint32_t>(), TextLines(Get(rel))));
    EmulatorCfg read = AsWritten(LoadEmulatorCfg(emu));
    FUZZ_CHECK(Describe(read) == Describe(written), Describe(written) + " / " + Describe(read));
    SaveReadBack(emu, rel, read);
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
