#include "catalogue/game_list.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "catalogue/data_file.h"
#include "catalogue/rom_scan.h"
#include "platform/path.h"
#include "platform/text_file.h"

namespace arvok {

namespace {

const std::vector<std::string> kMameCategories{
    "All Supported", "Originals Only",   "Clones Only",  "Available Roms",
    "Missing Roms",  "No Neo-Geo Games", "Neo-Geo Games"};
const std::vector<std::string> kCategories(kMameCategories.begin(), kMameCategories.begin() + 5);

const FilterItems kMameItems{
    kMameCategories,
    {"- Genre", "n/a", "Action", "Arcade", "Breakout", "Fighting", "Gambling", "Labyrinth",
     "Pinball", "Platform", "Pool", "Puzzle", "Racing", "Shooter", "Shooter 3D", "Space", "Sports"},
    {"- Manufactor",
     "?????",
     "[Jaleco] (Williams license)",
     "[Konami] (Sega license)",
     "[Konami] (Stern license)",
     "[Kural] (Williams license)",
     "[Namco] (Atari license)",
     "[Namco] (Bally Midway license)",
     "[Namco] (Midway license)",
     "[Namco] (Rock-ola license)",
     "[Orca] Thunderbolt",
     "[SNK] (Taito America license)",
     "[Stern] (Tago license)",
     "[Sun Electronics] (Atari license)",
     "[Taito] World Games",
     "[Technos] Taito (Memetron license)",
     "[Toaplan] (Taito license)",
     "<unknown>",
     "ADK",
     "ADK / SNK",
     "Aicom",
     "Alpha Denshi Co",
     "Alpha Denshi Co.",
     "Amenip",
     "Amenip/Centuri",
     "Amstar",
     "Armenia",
     "Atari",
     "Atari + Gencomp",
     "Atari Games",
     "Bally Midway",
     "bootleg",
     "bootleg?",
     "Capcom",
     "Capcom (Compile license)",
     "Capcom (Data East USA license)",
     "Capcom (Memetron license)",
     "Capcom (Romstar license)",
     "Capcom (Taito America license)",
     "Centuri",
     "Chu Co. Ltd",
     "Cinematronics",
     "Cinematronics + Advanced Microcompute",
     "Comad",
     "Comsoft",
     "Coreland / Sega",
     "D. R. Korea",
     "Data Amusement",
     "Data East",
     "Data East (Bally Midway license)",
     "Data East (Technos license)",
     "Data East Corporation",
     "Data East Corporation (I-Vics license",
     "Data East Corporation (licensed from",
     "Data East USA",
     "Data East USA (Bally Midway license)",
     "Denki Onkyo",
     "Digitrex Techstar (Rock-ola license)",
     "Dooyong",
     "Eastern Micro Electronics, Inc.",
     "Eighting / Hudson",
     "Epos Corporation",
     "Exidy",
     "Face",
     "Falcon",
     "Game Plan, Inc. (Taito)",
     "GamePlan",
     "GamePlan (Centuri license)",
     "GDI + Irem",
     "Gottlieb",
     "Gottlieb (Konami license)",
     "Gottlieb / Premier Technology",
     "Gremlin",
     "H.A.R. Management",
     "hack",
     "Hara Industries",
     "Hara Industries??",
     "Hudson",
     "Incredible Technologies",
     "Irem",
     "Irem (Data East license)",
     "Irem (Data East USA license)",
     "Irem (licensed from Broderbund)",
     "Irem (licensed from Tokuma Shoten)",
     "Irem (Williams license)",
     "Jaleco",
     "Jaleco (Cinematronics license)",
     "Jaleco (Kitkorp license)",
     "Jaleco (Taito America license)",
     "Kaneko",
     "Kaneko (Namco license)",
     "Karateco",
     "KH Video",
     "KKI",
     "Konami",
     "Konami (Centuri license)",
     "Konami (Olympia license)",
     "Konami (Stern license)",
     "Konami / Interlogic + Kosuka",
     "Konami + Kosuka",
     "Kural Electric",
     "Kural Esco Electric",
     "Kural Samno Electric",
     "LAX",
     "Leijac Corporation",
     "Meadows",
     "Meadows Games, Inc.",
     "Midway",
     "Mitchell",
     "Mitchell + Capcom",
     "Monolith Corp.",
     "Mylstar",
     "Namco",
     "Namco (Atari license)",
     "Nazca",
     "Nichibutsu",
     "Nichibutsu + Alice",
     "Nichibutsu USA",
     "Nintendo",
     "Nintendo / Fortrek",
     "Nintendo of America",
     "Nippon Amuse Co-Ltd",
     "NMK",
     "Nova Games Ltd.",
     "Olympia",
     "Olympia (Centuri license)",
     "Orca",
     "Orca (Eastern Commerce Inc. license)",
     "Orca (Esco Trading Co license)",
     "Orca (Esco Trading Co, Inc)",
     "Orca Corporation",
     "P & P Marketing",
     "Pacific Novelty",
     "Philko",
     "Ramtek",
     "Rock-ola",
     "Rock-Ola",
     "Sammy",
     "Saurus",
     "Sega",
     "Sega (Escape license)",
     "Sega / Alpha Denshi",
     "Sega / Coreland",
     "Sega / Vic Tokai",
     "Seibu Denshi",
     "Seibu Denshi [Cinematronics license]",
     "Seibu Kaihatsu",
     "Sesame Japan",
     "Shoei",
     "Sigma Ent. Inc.",
     "SNK",
     "SNK (Centuri license)",
     "SNK / Pallas",
     "SNK Corp.",
     "SNK Corp. of America",
     "Stern",
     "Sun a Electronics",
     "Sun Electronics",
     "Sunsoft",
     "Tad",
     "Tad (Fabtek license)",
     "Taito",
     "Taito (Fox Video Games license)",
     "Taito (Universal license?)",
     "Taito (Visco license)",
     "Taito America",
     "Taito America (Romstar license)",
     "Taito America Corp (Romstar license)",
     "Taito Corp Japan",
     "Taito Japan",
     "Taito of America",
     "Taito of America (Romstar license)",
     "Takara",
     "Tamtex",
     "Tecfri",
     "Technos",
     "Technos (Taito America license)",
     "Technos (Taito license)",
     "Technos + California Dreams",
     "Technos Japan + Roller Tron",
     "Techstar (Sunn license)",
     "Tecmo",
     "Tehkan",
     "Tehkan (Centuri license)",
     "Tehkan (Video Ware license)",
     "Telko",
     "Toaplan",
     "Toaplan (Romstar license)",
     "Toaplan (Taito license)",
     "Tong Electronic",
     "Universal",
     "Universal (ADP Automaten license)",
     "Universal (Taito license)",
     "Universal USA",
     "UPL",
     "UPL (Kawakus license)",
     "UPL (World Games license)",
     "Valadon Automation",
     "Valadon Automation (Stern license)",
     "Vectorbeam",
     "Video System Co.",
     "Visco",
     "Vision / Artic",
     "Williams",
     "Woodplace Inc.",
     "Yumekobo",
     "Zaccaria",
     "Zenitone Microsec",
     "Zenitone Microsec (Dutchford license)",
     "Zilec Games",
     "Zilec-Zenitone"},
    {"- Year", "????", "1975", "1976", "1977", "1978", "1979", "1980", "1981",
     "1982",   "1983", "1984", "1985", "1986", "1987", "1988", "1989", "1990",
     "1991",   "1992", "1993", "1994", "1995", "1996", "1997", "1998", "1999"},
};

const FilterItems kCallusItems{
    kCategories,
    {"- Genre", "Action", "Fighting", "Puzzle", "Shooter", "Trivia"},
    {"- Manufactor", "Capcom"},
    {"- Year", "1988", "1989", "1990", "1991", "1992", "1993", "1994", "1995"},
};

const FilterItems kRaineItems{
    kCategories,
    {"- Genre", "Action", "Fighting", "Maze", "Platform", "Puzzle", "Racing", "Shooter", "Sports"},
    {"- Manufactor", "Bear", "Comad", "Datsu", "Jaleco", "Nichibutsu", "NMK", "Red Corp", "Ryoutou",
     "Sakowa", "Seyetu", "Tad Corp", "Taito", "Taito/Bally", "Taito+Sega", "Technos", "Tecmo"},
    {"- Year", "1985", "1986", "1987", "1988", "1989", "1990", "1991", "1992", "1993", "1994",
     "1995", "1996", "1997"},
};

const FilterItems kNoItems{};

// One active filter: the record field and the value it must hold exactly.
struct Filter {
    int field;
    std::string_view value;
};

bool InCategory(std::string_view record, Category category) {
    std::string_view type = RecordField(record, kType);
    bool neoGeoParent = RecordField(record, kParent).substr(0, 6) == "neogeo";
    switch (category) {
    case Category::Originals:
        return !type.empty() && type[0] == 'O';
    case Category::Clones:
        return !type.empty() && type[0] == 'C' && !neoGeoParent;
    case Category::NoNeoGeo:
        return !neoGeoParent;
    case Category::NeoGeo:
        return neoGeoParent;
    default:
        return true;
    }
}

bool Passes(std::string_view record, const std::vector<Filter>& filters) {
    return std::all_of(filters.begin(), filters.end(), [record](const Filter& f) {
        return RecordField(record, f.field) == f.value;
    });
}

std::vector<Filter> ActiveFilters(const FilterItems& items, const ListChoice& choice) {
    std::vector<Filter> filters;
    auto add = [&](int field, const std::vector<std::string>& combo, const std::string& value) {
        if (!combo.empty() && value != combo.front())
            filters.push_back({field, value});
    };
    add(kGenre, items.genre, choice.genre);
    add(kManufacturer, items.manufacturer, choice.manufacturer);
    add(kYear, items.year, choice.year);
    return filters;
}

struct ScanEntry {
    std::string_view name;
    char flag;
};

// The entries of the scan file, or nothing when it cannot be read or a line cannot be taken
// apart (too short to hold its quotes, or without ";").
std::optional<std::vector<ScanEntry>> ReadScanFile(Emu emu, std::string& bytes) {
    if (!ReadFileBytes(ScanFilePath(emu), bytes))
        return std::nullopt;
    std::vector<ScanEntry> entries;
    for (size_t pos = TextStart(bytes); pos < bytes.size();) {
        std::string_view line = NextLine(bytes, pos);
        if (line.size() < 2)
            return std::nullopt;
        std::string_view inner = line.substr(1, line.size() - 2);
        size_t semi = inner.find(';');
        if (semi == std::string_view::npos)
            return std::nullopt;
        entries.push_back({inner.substr(0, semi), inner.back()});
    }
    return entries;
}

// The records of each name, in file order, handed out one after the other. A scan file lists
// its games in the data file's order, so the record after the last one handed out is tried
// first; only a name out of that order builds the index of names, in which each name leads to
// its first record and each record to the next of the same name.
class RecordsByName {
public:
    explicit RecordsByName(const std::vector<std::string_view>& records)
        : records_(records), used_(records.size(), false) {}

    std::optional<std::string_view> next(std::string_view name) {
        if (cursor_ < records_.size() && !used_[cursor_] &&
            RecordField(records_[cursor_], kName) == name)
            return take(cursor_++);
        if (first_.empty())
            index();
        auto it = first_.find(name);
        if (it == first_.end())
            return std::nullopt;
        size_t i = it->second;
        while (i != kNone && used_[i])
            i = nextSame_[i];
        it->second = i;
        if (i == kNone)
            return std::nullopt;
        return take(i);
    }

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    std::string_view take(size_t i) {
        used_[i] = true;
        return records_[i];
    }

    void index() {
        nextSame_.assign(records_.size(), kNone);
        first_.reserve(records_.size());
        for (size_t i = records_.size(); i-- > 0;) {
            auto [it, added] = first_.try_emplace(RecordField(records_[i], kName), i);
            if (!added) {
                nextSame_[i] = it->second;
                it->second = i;
            }
        }
    }

    const std::vector<std::string_view>& records_;
    std::vector<bool> used_;
    size_t cursor_ = 0;
    std::vector<size_t> nextSame_;
    std::unordered_map<std::string_view, size_t> first_;
};

bool ListOrder(std::string_view a, std::string_view b) {
    return CompareNoCase(a, b) < 0;
}

} // namespace

const FilterItems& FilterComboItems(Emu emu) {
    switch (emu) {
    case Emu::Mame:
        return kMameItems;
    case Emu::Callus:
        return kCallusItems;
    case Emu::Raine:
        return kRaineItems;
    default:
        return kNoItems;
    }
}

GameList BuildGameList(Emu emu, const ListChoice& choice) {
    GameList list;
    const FilterItems& items = FilterComboItems(emu);
    bool known =
        choice.category >= 0 && static_cast<size_t>(choice.category) < items.category.size();
    Category category = known ? static_cast<Category>(choice.category) : Category::AllSupported;
    std::vector<Filter> filters = ActiveFilters(items, choice);

    std::string scanBytes;
    std::optional<std::vector<ScanEntry>> scan;
    if (category == Category::Available || category == Category::Missing) {
        scan = ReadScanFile(emu, scanBytes);
        if (!scan) {
            list.scanFileMissing = true;
            category = Category::AllSupported;
        }
    }

    // The names are views into the scan file's or the data file's bytes, kept to the end.
    std::shared_ptr<const RecordLines> records;
    if (!scan || !filters.empty())
        records = DataFileRecords(DataFilePath(emu));
    std::vector<std::string_view> names;
    if (scan) {
        char wanted = category == Category::Available ? 'Y' : 'N';
        if (filters.empty()) {
            for (const ScanEntry& entry : *scan)
                if (entry.flag == wanted)
                    names.push_back(entry.name);
        } else {
            RecordsByName byName(records->lines());
            for (const ScanEntry& entry : *scan) {
                std::optional<std::string_view> record = byName.next(entry.name);
                if (entry.flag == wanted && record && Passes(*record, filters))
                    names.push_back(entry.name);
            }
        }
    } else {
        for (std::string_view record : records->lines())
            if (InCategory(record, category) && Passes(record, filters))
                names.push_back(RecordField(record, kName));
    }

    if (!std::is_sorted(names.begin(), names.end(), ListOrder))
        std::stable_sort(names.begin(), names.end(), ListOrder);
    list.names.assign(names.begin(), names.end());
    return list;
}

} // namespace arvok
