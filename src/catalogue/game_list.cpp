#include "catalogue/game_list.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "catalogue/data_file.h"
#include "catalogue/filter_items.h"
#include "catalogue/rom_scan.h"
#include "platform/path.h"
#include "platform/text_file.h"

namespace arvok {

namespace {

// One active filter: the record field and the value it must hold exactly.
struct Filter {
    int field;
    std::string_view value;
};

bool InCategory(std::string_view record, Category category) {
    std::string_view type = RecordField(record, kType);
    bool neoGeoParent = RecordField(record, kParent).substr(0, kNeoGeoSet.size()) == kNeoGeoSet;
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

// The entry of a line of the scan file; nothing when the line is too short to hold its quotes or
// has no ";" between them.
std::optional<ScanEntry> ScanLineEntry(std::string_view line) {
    if (line.size() < 2)
        return std::nullopt;
    std::string_view inner = line.substr(1, line.size() - 2);
    size_t semi = inner.find(';');
    if (semi == std::string_view::npos)
        return std::nullopt;
    return ScanEntry{inner.substr(0, semi), inner.back()};
}

// The entries of the scan file, or nothing when it cannot be read or a line cannot be taken
// apart (too short to hold its quotes, or without ";").
std::optional<std::vector<ScanEntry>> ReadScanFile(const DataFiles& files, Emu emu,
                                                   std::string& bytes) {
    if (!ReadTextFile(ScanFilePath(files, emu), bytes))
        return std::nullopt;
    std::vector<ScanEntry> entries;
    bool broken = false;
    ForEachLine(bytes, [&](std::string_view line) {
        std::optional<ScanEntry> entry = ScanLineEntry(line);
        if (entry)
            entries.push_back(*entry);
        broken = !entry;
        return broken;
    });
    if (broken)
        return std::nullopt;
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

GameList BuildGameList(DataFiles& files, Emu emu, const ListChoice& choice) {
    GameList list;
    const FilterItems& items = FilterComboItems(emu);
    bool known =
        choice.category >= 0 && static_cast<size_t>(choice.category) < items.category.size();
    Category category = known ? static_cast<Category>(choice.category) : Category::AllSupported;
    std::vector<Filter> filters = ActiveFilters(items, choice);

    std::string scanBytes;
    std::optional<std::vector<ScanEntry>> scan;
    if (category == Category::Available || category == Category::Missing) {
        scan = ReadScanFile(files, emu, scanBytes);
        if (!scan) {
            list.scanFileMissing = true;
            category = Category::AllSupported;
        }
    }

    // The names are views into the scan file's or the data file's bytes, kept to the end.
    std::shared_ptr<const RecordLines> records;
    if (!scan || !filters.empty())
        records = files.records(files.dataFilePath(emu));
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
