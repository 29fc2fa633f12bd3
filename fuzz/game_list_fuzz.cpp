// The game lists of every section from a fuzzed data file and scan file, under a fuzzed choice
// of the four combos (a category position the combo may lack; genre, manufacturer and year from
// the combo, from a record or fuzzed). The scan file is fuzzed, made from the data file's names,
// missing, or written by the ROM scan over small folders of empty zips.
//
// A list holds, sorted without regard to case, the names of the records of its category that
// carry the chosen values; "Available" and "Missing" hold the scan file's names flagged "Y" or
// "N", a filter matching the n-th line of a name to the n-th record of that name; a spoilt or
// missing scan file gives the "All Supported" list, said once. "All Supported" unfiltered lists
// every record, a filtered list is part of the unfiltered one, and "Available" and "Missing"
// share out the scan file's names. The scan writes one line per scanned record in data-file
// order, "Y" exactly for a zip present in a searched folder, and counts the "Y" lines. A data
// file that is not text (UTF-16, a NUL byte) holds no record; such a scan file is a spoilt one.
#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <optional>

#include "catalogue/data_file.h"
#include "catalogue/filter_items.h"
#include "catalogue/game_list.h"
#include "catalogue/rom_scan.h"
#include "fuzz_support.h"
#include "platform/path.h"

using namespace arvok;
using namespace arvok::fuzz;

namespace fs = std::filesystem;

namespace {

enum ScanSource { kNoScan, kMadeScan, kFuzzedScan, kScanned };

// Where the text of one filter combo comes from.
struct FilterPick {
    uint8_t source;
    uint16_t index;
    std::string fuzzed;

    explicit FilterPick(FuzzedDataProvider& input)
        : source(input.ConsumeIntegral<uint8_t>() % 4), index(input.ConsumeIntegral<uint16_t>()) {}

    std::string text(const std::vector<std::string>& combo,
                     const std::vector<std::string_view>& records, int field,
                     const std::string& neutral) const {
        if (source == 1 && !combo.empty())
            return combo[index % combo.size()];
        if (source == 2 && !records.empty())
            return std::string(Piece(records[index % records.size()], field));
        if (source == 3)
            return fuzzed;
        return combo.empty() ? neutral : combo.front();
    }
};

struct ScanLine {
    std::string name;
    char flag;
};

// The scan file as its format describes it: each line loses its first and last characters, the
// name is what stands before the first ";" of the rest and the flag its last character. A line
// too short for that, or without ";", spoils the file.
std::optional<std::vector<ScanLine>> ReadScan(const std::string& rel) {
    if (!fs::exists(Root() + "/" + rel) || !IsTextFile(Get(rel)))
        return std::nullopt;
    std::vector<ScanLine> scan;
    for (const std::string& line : TextLines(Get(rel))) {
        if (line.size() < 2)
            return std::nullopt;
        std::string inner = line.substr(1, line.size() - 2);
        size_t semi = inner.find(';');
        if (semi == std::string::npos)
            return std::nullopt;
        scan.push_back({inner.substr(0, semi), inner.back()});
    }
    return scan;
}

bool InCategory(std::string_view record, int category) {
    std::string_view type = Piece(record, kType);
    bool neoGeo = Piece(record, kParent).substr(0, 6) == "neogeo";
    switch (category) {
    case 1:
        return type.substr(0, 1) == "O";
    case 2:
        return type.substr(0, 1) == "C" && !neoGeo;
    case 5:
        return !neoGeo;
    case 6:
        return neoGeo;
    default:
        return true;
    }
}

std::vector<std::pair<int, std::string>> Filters(const FilterItems& items,
                                                 const ListChoice& choice) {
    std::vector<std::pair<int, std::string>> filters;
    if (!items.genre.empty() && choice.genre != items.genre.front())
        filters.emplace_back(kGenre, choice.genre);
    if (!items.manufacturer.empty() && choice.manufacturer != items.manufacturer.front())
        filters.emplace_back(kManufacturer, choice.manufacturer);
    if (!items.year.empty() && choice.year != items.year.front())
        filters.emplace_back(kYear, choice.year);
    return filters;
}

bool Passes(std::string_view record, const std::vector<std::pair<int, std::string>>& filters) {
    for (const auto& [field, value] : filters)
        if (Piece(record, field) != value)
            return false;
    return true;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCase(a, b) < 0;
    });
    return names;
}

// The names of a list, copied out of what it keeps.
std::vector<std::string> Names(const GameList& list) {
    return {list.names.begin(), list.names.end()};
}

std::string Describe(const std::vector<std::string>& names) {
    std::string text = std::to_string(names.size()) + ":";
    for (const std::string& name : names)
        text += "[" + name + "]";
    return text;
}

// The list a choice must give, and whether the scan file is reported missing.
std::pair<std::vector<std::string>, bool>
ExpectedList(Emu emu, const ListChoice& choice, const std::vector<std::string_view>& records,
             const std::optional<std::vector<ScanLine>>& scan) {
    const FilterItems& items = FilterComboItems(emu);
    int category =
        choice.category >= 0 && static_cast<size_t>(choice.category) < items.category.size()
            ? choice.category
            : 0;
    std::vector<std::pair<int, std::string>> filters = Filters(items, choice);
    std::vector<std::string> names;
    if (category == 3 || category == 4) {
        if (!scan)
            return {ExpectedList(emu, {0, choice.genre, choice.manufacturer, choice.year}, records,
                                 scan)
                        .first,
                    true};
        char wanted = category == 3 ? 'Y' : 'N';
        std::map<std::string, size_t> seen;
        for (const ScanLine& line : *scan) {
            size_t nth = seen[line.name]++;
            if (line.flag != wanted)
                continue;
            if (filters.empty()) {
                names.push_back(line.name);
                continue;
            }
            for (std::string_view record : records)
                if (Piece(record, kName) == line.name && nth-- == 0) {
                    if (Passes(record, filters))
                        names.push_back(line.name);
                    break;
                }
        }
    } else {
        for (std::string_view record : records)
            if (InCategory(record, category) && Passes(record, filters))
                names.emplace_back(Piece(record, kName));
    }
    return {Sorted(names), false};
}

// Whether "a" holds each name of "b" at least as often as "b" does.
bool Holds(std::vector<std::string> a, std::vector<std::string> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return std::includes(a.begin(), a.end(), b.begin(), b.end());
}

// Lays out the two ROM folders with up to six empty zips (and a folder named like a zip, which
// does not count) named after records' sets or parents in mixed letter case, scans, and checks
// the scan file and the count against the names present.
void Scan(Emu emu, const std::vector<std::string_view>& records, uint64_t bits) {
    const std::array<std::string, 2> folders{Root() + "/roms", Root() + "/alt"};
    for (const std::string& folder : folders) {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    for (int i = 0; i < 6 && !records.empty(); ++i, bits = bits >> 7 | bits << 57) {
        if (bits & 1)
            continue;
        std::string zip(Piece(records[(bits >> 1) % records.size()], bits & 2 ? kParent : kSet));
        for (char& c : zip)
            if (bits & 4 && c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        zip += bits & 8 ? ".ZIP" : ".zip";
        if (zip.find('/') != std::string::npos || zip.find('\0') != std::string::npos)
            continue;
        std::string path = folders[bits >> 4 & 1] + "/" + zip;
        std::error_code ec;
        if (bits & 32)
            fs::create_directory(path, ec);
        else if (std::FILE* file = std::fopen(path.c_str(), "wb"))
            std::fclose(file);
    }
    // The ROM folder as a user may have typed it: as made, with a "/" at its end, empty (not
    // searched) or naming a folder that is not there; the alternative folder may be the same.
    ScanRequest request;
    const std::array<std::string, 4> romPaths{folders[0], folders[0] + "/", "",
                                              folders[0] + "/none"};
    request.romPath = romPaths[bits >> 6 & 3];
    request.altRomPath = bits & 512 ? request.romPath : folders[1];
    request.merged = bits & 256;

    bool mame = emu == Emu::Mame;
    std::vector<std::string> present;
    for (const std::string& folder : {request.romPath, mame ? request.altRomPath : ""}) {
        if (folder.empty() || !fs::is_directory(folder))
            continue;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                present.push_back(entry.path().filename().string());
    }
    std::string expected;
    size_t found = 0;
    for (std::string_view record : records) {
        std::string_view type = Piece(record, kType);
        std::string_view zip = Piece(record, kSet);
        if (mame && request.merged && type != "O" && Piece(record, kParent) != "neogeo") {
            if (type != "C")
                continue;
            zip = Piece(record, kParent);
        }
        std::string name = std::string(zip) + ".zip";
        bool has = std::any_of(present.begin(), present.end(),
                               [&](const std::string& p) { return EqualsNoCase(p, name); });
        found += has;
        expected += "\"" + std::string(Piece(record, kName)) + (has ? ";Y\"\r\n" : ";N\"\r\n");
    }

    ScanResult result = ScanRoms(Data(), emu, request);
    // A data file that is not text is none to scan from: that is said, and nothing written.
    if (!IsTextFile(Get(std::string("Data/") + Section(emu).baseName + ".dat"))) {
        FUZZ_CHECK(!result.written && result.dataFileUnreadable, result.notWritten);
        return;
    }
    FUZZ_CHECK(result.written && !result.dataFileUnreadable, result.notWritten);
    FUZZ_CHECK(result.found == found,
               std::to_string(result.found) + " / " + std::to_string(found) + " " + expected);
    std::string written = Get(std::string("Cfg/") + Section(emu).baseName + ".scn");
    FUZZ_CHECK(written == expected, written + " / " + expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Root();
    FuzzedDataProvider input(data, size);
    Emu emu = PickEmu(input);
    int category = input.ConsumeIntegralInRange(-1, 8);
    FilterPick genre(input), manufacturer(input), year(input);
    ScanSource source = static_cast<ScanSource>(input.ConsumeIntegral<uint8_t>() % 4);
    if (source == kScanned && !Section(emu).hasScan)
        source = kNoScan;
    uint64_t bits = input.ConsumeIntegral<uint64_t>();
    for (FilterPick* pick : {&genre, &manufacturer, &year})
        if (pick->source == 3)
            pick->fuzzed = OneLine(input, 16);
    std::string scanBytes = source == kFuzzedScan ? input.ConsumeRandomLengthString(512) : "";
    uint32_t ends = input.ConsumeIntegral<uint32_t>();
    std::string bytes = input.ConsumeRemainingBytesAsString();
    if (ends & 1u << 31)
        bytes = WithLineEnds(ends, TextLines(bytes));
    std::string base = Section(emu).baseName;
    std::string scanRel = "Cfg/" + base + ".scn";
    Put("Data/" + base + ".dat", bytes);

    std::vector<std::string> lines =
        IsTextFile(bytes) ? TextLines(bytes) : std::vector<std::string>();
    std::vector<std::string_view> records;
    for (const std::string& line : lines)
        if (IsRecordLine(line))
            records.push_back(line);

    switch (source) {
    case kNoScan:
        Remove(scanRel);
        break;
    case kMadeScan: {
        // The names in data-file order from a point on, then those before it.
        std::string made;
        size_t from = records.empty() || bits & 1 ? 0 : bits % records.size();
        for (size_t i = 0; i < records.size(); ++i) {
            size_t at = (from + i) % records.size();
            made += "\"" + std::string(Piece(records[at], kName)) +
                    (bits >> (at % 64) & 1 ? ";Y\"\r\n" : ";N\"\r\n");
        }
        Put(scanRel, WithLineEnds(bits >> 1, TextLines(made)));
        break;
    }
    case kFuzzedScan:
        Put(scanRel, scanBytes);
        break;
    case kScanned:
        Scan(emu, records, bits);
        break;
    }
    std::optional<std::vector<ScanLine>> scan = ReadScan(scanRel);

    const FilterItems& items = FilterComboItems(emu);
    ListChoice neutral;
    ListChoice choice{
        category, genre.text(items.genre, records, kGenre, neutral.genre),
        manufacturer.text(items.manufacturer, records, kManufacturer, neutral.manufacturer),
        year.text(items.year, records, kYear, neutral.year)};

    GameList list = BuildGameList(Data(), emu, choice);
    const std::vector<std::string> names = Names(list);
    auto [expected, missing] = ExpectedList(emu, choice, records, scan);
    FUZZ_CHECK(names == expected, Describe(names) + " / " + Describe(expected));
    FUZZ_CHECK(list.scanFileMissing == missing, std::to_string(list.scanFileMissing));
    FUZZ_CHECK(std::is_sorted(names.begin(), names.end(),
                              [](const std::string& a, const std::string& b) {
                                  return CompareNoCase(a, b) < 0;
                              }),
               Describe(names));

    std::vector<std::string> everyName;
    for (std::string_view record : records)
        everyName.emplace_back(Piece(record, kName));
    const std::vector<std::string> all = Names(BuildGameList(Data(), emu));
    FUZZ_CHECK(all.size() == records.size() && Holds(all, everyName),
               Describe(all) + " / " + Describe(everyName));

    ListChoice unfiltered = neutral;
    unfiltered.category = category;
    const std::vector<std::string> whole = Names(BuildGameList(Data(), emu, unfiltered));
    FUZZ_CHECK(Holds(whole, names), Describe(whole) + " / " + Describe(names));

    if (scan && items.category.size() > 4) {
        // "Available" and "Missing" share out the names flagged "Y" or "N".
        std::vector<std::string> flagged;
        for (const ScanLine& line : *scan)
            if (line.flag == 'Y' || line.flag == 'N')
                flagged.push_back(line.name);
        std::vector<std::string> shared = Names(BuildGameList(Data(), emu, {3}));
        std::vector<std::string> missingNames = Names(BuildGameList(Data(), emu, {4}));
        shared.insert(shared.end(), missingNames.begin(), missingNames.end());
        FUZZ_CHECK(shared.size() == flagged.size() && Holds(shared, flagged),
                   Describe(shared) + " / " + Describe(flagged));
    }
    return 0;
}
