#include "catalogue/game_list.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "catalogue/data_file.h"
#include "catalogue/filter_items.h"
#include "catalogue/rom_scan.h"

namespace arvok {

namespace {

// One active filter: the record field and the value it must hold exactly.
struct Filter {
    int field;
    std::string_view value;
};

// The fields of a record, cut from its name on as far as they are asked for, so that a record is
// left as soon as a field rules it out; they are asked for in rising order. A field past the last
// ";" is empty, as RecordField has it. The line is looked at eight bytes at a time, each word
// once: the ";" it holds are marked all at once, and the fields before the one asked for are
// passed over by counting them.
class RecordCut {
public:
    RecordCut(std::string_view line, std::string_view name)
        : line_(line), start_(name.size() + 1), word_(start_), number_(kName), field_(name) {
        load();
    }
    // Field "number", not before the field asked for last.
    std::string_view field(int number) {
        if (number != number_) {
            const size_t begin = std::min(pass(number - number_ - 1), line_.size());
            const size_t end = nextSemicolon();
            field_ = line_.substr(begin, end - begin);
            start_ = end + 1;
            number_ = number;
        }
        return field_;
    }

private:
    static constexpr size_t kWord = sizeof(uint64_t);
    static constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;

    // Passes over "fields" fields from start_ on; where the field after them begins.
    size_t pass(int fields) {
        if (fields == 0)
            return start_;
        for (int here = Count(semicolons_); here < fields; here = Count(semicolons_)) {
            fields -= here;
            if (!nextWord())
                return line_.size();
        }
        for (; fields > 1; --fields)
            take();
        return take() + 1;
    }
    // Where the next ";" stands, or the line's end when it holds no more.
    size_t nextSemicolon() {
        while (semicolons_ == 0)
            if (!nextWord())
                return line_.size();
        return take();
    }
    // The place of the first ";" of the word not yet taken, which is taken.
    size_t take() {
        const size_t at = word_ + static_cast<size_t>(__builtin_ctzll(semicolons_)) / 8;
        semicolons_ &= semicolons_ - 1;
        return at;
    }
    // The number of ";" marked.
    static int Count(uint64_t marks) {
        return static_cast<int>(((marks >> 7) * 0x0101010101010101ull) >> 56);
    }
    bool nextWord() {
        if (word_ + kWord >= line_.size())
            return false;
        word_ += kWord;
        load();
        return true;
    }
    // Marks the ";" among the (up to) eight bytes from word_ on, each by the top bit of its byte,
    // the first byte lowest.
    void load() {
        uint64_t word = 0;
        const size_t left = line_.size() - word_;
        if (left >= kWord)
            std::memcpy(&word, line_.data() + word_, kWord);
        else
            std::memcpy(&word, line_.data() + word_, left);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        word = __builtin_bswap64(word);
#endif
        // A byte is ";" where it is zero once the ";" are taken out; exact for every byte.
        const uint64_t x = word ^ 0x3B3B3B3B3B3B3B3Bull;
        semicolons_ = ~(((x & kLow7) + kLow7) | x | kLow7);
    }

    std::string_view line_;
    size_t start_;        // where the field after field number_ begins
    size_t word_;         // where the word looked at begins
    uint64_t semicolons_; // the ";" of that word not yet taken
    int number_;          // the field asked for last, which field_ holds
    std::string_view field_;
};

bool InCategory(RecordCut& record, Category category) {
    auto neoGeoParent = [&record] {
        return record.field(kParent).substr(0, kNeoGeoSet.size()) == kNeoGeoSet;
    };
    auto typeIs = [&record](char mark) {
        std::string_view type = record.field(kType);
        return !type.empty() && type[0] == mark;
    };
    switch (category) {
    case Category::Originals:
        return typeIs('O');
    case Category::Clones:
        return typeIs('C') && !neoGeoParent();
    case Category::NoNeoGeo:
        return !neoGeoParent();
    case Category::NeoGeo:
        return neoGeoParent();
    default:
        return true;
    }
}

// Whether the record holds the value of every filter, each field cut when first asked for.
bool Passes(RecordCut& record, const std::vector<Filter>& filters) {
    return std::all_of(filters.begin(), filters.end(),
                       [&record](const Filter& f) { return record.field(f.field) == f.value; });
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

// The records of each name, in file order, handed out one after the other by their place among
// the records. A scan file lists its games in the data file's order, so the record after the
// last one handed out is tried first; only a name out of that order builds the index of names,
// in which each name leads to its first record and each record to the next of the same name.
class RecordsByName {
public:
    explicit RecordsByName(const std::vector<std::string_view>& names)
        : names_(names), used_(names.size(), false) {}

    std::optional<size_t> next(std::string_view name) {
        if (cursor_ < names_.size() && !used_[cursor_] && names_[cursor_] == name)
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

    size_t take(size_t i) {
        used_[i] = true;
        return i;
    }

    void index() {
        nextSame_.assign(names_.size(), kNone);
        first_.reserve(names_.size());
        for (size_t i = names_.size(); i-- > 0;) {
            auto [it, added] = first_.try_emplace(names_[i], i);
            if (!added) {
                nextSame_[i] = it->second;
                it->second = i;
            }
        }
    }

    const std::vector<std::string_view>& names_;
    std::vector<bool> used_;
    size_t cursor_ = 0;
    std::vector<size_t> nextSame_;
    std::unordered_map<std::string_view, size_t> first_;
};

} // namespace

GameList BuildGameList(DataFiles& files, Emu emu, const ListChoice& choice) {
    GameList list;
    const FilterItems& items = FilterComboItems(emu);
    bool known =
        choice.category >= 0 && static_cast<size_t>(choice.category) < items.category.size();
    Category category = known ? static_cast<Category>(choice.category) : Category::AllSupported;
    std::vector<Filter> filters = ActiveFilters(items, choice);

    std::shared_ptr<const ScanLines> scan;
    if (category == Category::Available || category == Category::Missing) {
        scan = files.scan(ScanFilePath(files, emu));
        if (!scan->ok()) {
            list.scanFileMissing = true;
            category = Category::AllSupported;
            scan.reset();
        }
    }

    std::shared_ptr<const RecordLines> records;
    if (!scan || !filters.empty())
        records = files.records(files.dataFilePath(emu));
    // Whether a record of the data file, by its place, belongs in the list.
    auto listed = [&](size_t i) {
        RecordCut record(records->lines()[i], records->names()[i]);
        return InCategory(record, category) && Passes(record, filters);
    };
    std::vector<std::string_view>& names = list.names;
    if (scan) {
        list.source = scan;
        char wanted = category == Category::Available ? 'Y' : 'N';
        std::optional<RecordsByName> byName;
        if (!filters.empty())
            byName.emplace(records->names());
        for (const ScanEntry& entry : scan->entries()) {
            std::optional<size_t> record = byName ? byName->next(entry.name) : std::nullopt;
            if (entry.flag == wanted && (!byName || (record && listed(*record))))
                names.push_back(entry.name);
        }
    } else {
        list.source = records;
        if (category == Category::AllSupported && filters.empty())
            names = records->names();
        else
            for (size_t i = 0; i < records->lines().size(); ++i)
                if (listed(i))
                    names.push_back(records->names()[i]);
    }

    // What is taken from the data file in its order is in list order when the file is.
    const bool sorted =
        scan ? std::is_sorted(names.begin(), names.end(), ListOrder) : records->sorted();
    if (!sorted)
        std::stable_sort(names.begin(), names.end(), ListOrder);
    return list;
}

} // namespace arvok
