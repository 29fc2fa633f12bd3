// The settings file of every section. Every value read from a file as a user may have left it
// (or as another editor saved it, with other line ends and a byte-order mark, its headers typed
// in other case and with blanks around them) and every section the program does not know is
// written back by a save, or the save is refused and the file left as it was; a second save
// writes the same bytes. A file that is not text (UTF-16, a NUL byte) is not read and is left.
// Values the program writes read back as they were written, favourites whole whatever quotes and
// commas they hold, and a value holding a line break or a NUL is refused, the file kept, while
// one holding another control byte is written and read back. Lines above the first header stay
// where they were.
#include <algorithm>
#include <cctype>
#include <vector>

#include "fuzz_support.h"
#include "platform/text_file.h"
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

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

bool IsHeaderLine(std::string_view line) {
    line = Trimmed(line);
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool IsOwnHeader(std::string_view line) {
    std::string lower(Trimmed(line));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    for (const char* own : {"[paths]", "[snapshots]", "[gui]", "[favorties]"})
        if (lower == own)
            return true;
    return false;
}

// The lines of the sections of "lines" whose headers are not the program's, headers included.
std::vector<std::string> OtherSections(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    bool other = false;
    for (const std::string& line : lines) {
        if (IsHeaderLine(line))
            other = !IsOwnHeader(line);
        if (other)
            kept.push_back(line);
    }
    return kept;
}

// Saves "cfg" over the file "rel": written and read back the same, the lines above the first
// header kept in place of the program's title and the sections of other headers after the
// program's own, or refused with the file left as it was.
void SaveReadBack(Emu emu, const std::string& rel, const EmulatorCfg& cfg) {
    const std::string before = Get(rel);
    if (!SaveEmulatorCfg(Settings(), emu, cfg).saved()) {
        FUZZ_CHECK(Get(rel) == before, before);
        return;
    }
    std::string saved = Get(rel);
    FUZZ_CHECK(IsTextFile(before), before);
    const std::vector<std::string> old = TextLines(before);
    const auto header = std::find_if(old.begin(), old.end(), IsHeaderLine);
    std::string expected = EncodeEmulatorCfg(emu, cfg);
    std::vector<std::string> above(old.begin(), header);
    // The program writes no byte-order mark, so marks left at the first line's start go.
    while (!above.empty() && above.front().rfind("\xEF\xBB\xBF", 0) == 0)
        above.front().erase(0, 3);
    if (!above.empty())
        expected = JoinCrLf(above) + expected.substr(expected.find("[Paths]"));
    for (const std::string& line : OtherSections(old))
        expected += line + "\r\n";
    FUZZ_CHECK(saved == expected, before + " / " + saved);
    EmulatorCfg again = AsWritten(LoadEmulatorCfg(Settings(), emu));
    FUZZ_CHECK(Describe(cfg) == Describe(again), Describe(cfg) + " / " + Describe(again));
    FUZZ_CHECK(SaveEmulatorCfg(Settings(), emu, again).saved(), rel);
    FUZZ_CHECK(Get(rel) == saved, saved);
}

void ReadSaveRead(Emu emu, std::string_view bytes) {
    std::string rel = std::string("Cfg/") + EmulatorCfgLayoutOf(emu).fileName;
    Put(rel, bytes);
    EmulatorCfg cfg = LoadEmulatorCfg(Settings(), emu);
    FUZZ_CHECK(IsTextFile(bytes) || !cfg.read, "a file that is not text was read");
    SaveReadBack(emu, rel, AsWritten(cfg));
}

// "lines" as a person may have typed them: the headers in other case and with blanks around them,
// and sections of the person's own put before them and at the end. Their lines are never headers.
std::vector<std::string> AsTyped(FuzzedDataProvider& input, const std::vector<std::string>& lines) {
    std::vector<std::string> typed;
    auto note = [&input] {
        std::string line = OneLine(input, 24);
        return IsHeaderLine(line) ? ";" + line : line;
    };
    for (int n = input.ConsumeIntegralInRange(0, 2); n > 0; --n)
        typed.push_back(note());
    auto blanks = [&input] {
        return std::string(input.PickValueInArray({"", "", " ", "\t", " \t"}));
    };
    auto addOwnSection = [&] {
        typed.push_back(blanks() + "[My " + OneLine(input, 12) + "]" + blanks());
        for (int n = input.ConsumeIntegralInRange(0, 3); n > 0; --n)
            typed.push_back(note());
    };
    for (const std::string& line : lines) {
        if (!IsHeaderLine(line)) {
            typed.push_back(line);
            continue;
        }
        if (input.ConsumeIntegralInRange(0, 3) == 0)
            addOwnSection();
        std::string header = line;
        for (char& c : header)
            if (input.ConsumeBool())
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            else if (input.ConsumeBool())
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        typed.push_back(blanks() + header + blanks());
    }
    if (input.ConsumeBool())
        addOwnSection();
    return typed;
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
    LoadEmulatorCfg(Settings(), emu);
    FUZZ_CHECK(SaveEmulatorCfg(Settings(), emu, written).saved(), rel);

    // A path, the list's size or a favourite pasted with a control byte in it: never stored
    // when it would end the line or make the file one that is not read, else read back.
    if (input.ConsumeIntegralInRange(0, 3) == 0) {
        EmulatorCfg pasted = written;
        std::vector<std::string*> values{&pasted.favSize};
        for (auto path : paths)
            values.push_back(&(pasted.*path));
        for (std::string& name : *pasted.favourites)
            values.push_back(&name);
        std::string& value = *values[input.ConsumeIntegralInRange<size_t>(0, values.size() - 1)];
        value = WithControlByte(input, value);
        const std::string before = Get(rel);
        if (FitsOneLine(value)) {
            SaveReadBack(emu, rel, pasted);
            written = pasted;
        } else {
            FUZZ_CHECK(SaveEmulatorCfg(Settings(), emu, pasted).refused.has_value(), value);
            FUZZ_CHECK(Get(rel) == before, before);
        }
    }
    // The file as a person typed it, or as another editor saved it again.
    std::vector<std::string> lines = TextLines(Get(rel));
    if (input.ConsumeBool())
        lines = AsTyped(input, lines);
    if (input.ConsumeBool()) {
        const uint32_t ends = input.ConsumeIntegral<uint32_t>();
        Put(rel, MaybeNotText(input.ConsumeIntegral<uint32_t>(), WithLineEnds(ends, lines)));
    } else {
        Put(rel, JoinCrLf(lines));
    }
    if (!IsTextFile(Get(rel))) {
        const std::string before = Get(rel);
        FUZZ_CHECK(!LoadEmulatorCfg(Settings(), emu).read &&
                       !SaveEmulatorCfg(Settings(), emu, written).saved(),
                   before);
        FUZZ_CHECK(Get(rel) == before, before);
        return;
    }
    EmulatorCfg read = AsWritten(LoadEmulatorCfg(Settings(), emu));
    FUZZ_CHECK(Describe(read) == Describe(written), Describe(written) + " / " + Describe(read));
    SaveReadBack(emu, rel, read);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Root();
    FuzzedDataProvider input(data, size);
    Emu emu = PickEmu(input);
    if (input.ConsumeBool()) {
        WriteRead(emu, input);
    } else {
        const uint32_t choice = input.ConsumeIntegral<uint32_t>();
        ReadSaveRead(emu, MaybeNotText(choice, input.ConsumeRemainingBytesAsString()));
    }
    return 0;
}
