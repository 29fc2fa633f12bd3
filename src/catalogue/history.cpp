#include "catalogue/history.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/path.h"
#include "platform/text_file.h"

namespace arvok {

namespace {

struct HistoryRules {
    Emu emu;
    bool keyBeforeParenthesis = false; // key: the title cut before the blank ahead of its first "("
    bool matchAnywhere = false; // the key may stand anywhere in a non-empty line (else: its start)
    bool showMatchedLine = false; // the matched line is the first item
    size_t splitAt = 0;           // a longer line gives two items: this many characters, the rest
    int itemsPerEmptyLine = 1;    // empty items for one empty line inside the entry
    std::vector<const char*> noFile;  // items when the file cannot be read
    std::vector<const char*> noEntry; // items when no line matches
};

const std::vector<HistoryRules>& Rules() {
    static const std::vector<HistoryRules> rules = [] {
        HistoryRules mame{};
        mame.emu = Emu::Mame;
        mame.keyBeforeParenthesis = true;
        mame.showMatchedLine = true;
        mame.splitAt = 52;
        mame.noFile = {"gamelist.txt not found in Mame directory!"};
        mame.noEntry = {"Game info not found in gamelist.txt!"};
        HistoryRules callus{};
        callus.emu = Emu::Callus;
        callus.matchAnywhere = true;
        callus.itemsPerEmptyLine = 2;
        callus.noFile = {"Gamelist.txt not found", "in Callus directory!"};
        return std::vector<HistoryRules>{mame, callus};
    }();
    return rules;
}

std::string_view Key(const HistoryRules& rules, std::string_view title) {
    if (!rules.keyBeforeParenthesis)
        return title;
    size_t paren = title.find('(');
    if (paren == std::string_view::npos)
        return title;
    // A title that begins with "(" (or whose second character is one) leaves an empty key.
    return title.substr(0, paren == 0 ? 0 : paren - 1);
}

// Whether "line" begins with "key", its first byte looked at first: most lines part from a key
// there.
bool Begins(std::string_view line, std::string_view key) {
    return key.empty() || (!line.empty() && line[0] == key[0] && line.substr(0, key.size()) == key);
}

// The first "count" bytes of "text" (all of it when shorter) as a number, the missing ones zero.
uint64_t RunBytes(std::string_view text, size_t count) {
    uint64_t bytes = 0;
    std::memcpy(&bytes, text.data(), std::min(count, text.size()));
    return bytes;
}

void AddLine(const HistoryRules& rules, std::string_view line, std::vector<std::string>& items) {
    if (rules.splitAt == 0 || line.size() <= rules.splitAt) {
        items.emplace_back(line);
        return;
    }
    items.emplace_back(line.substr(0, rules.splitAt));
    items.emplace_back(line.substr(rules.splitAt));
}

} // namespace

HistoryText::HistoryText(const std::string& path) : ok_(ReadTextFile(path, read_)) {}

const std::vector<std::string_view>& HistoryText::lines() const {
    if (!cut_)
        cut({});
    return lines_;
}

size_t HistoryText::firstBeginningWith(std::string_view key) const {
    if (!cut_)
        return cut(key);
    if (runs_.empty())
        gatherRuns();
    const Run& found = runs_[slotOf(RunBytes(key, 8))];
    // A key shorter than eight bytes has its first line at once, unless it holds a NUL: it then
    // reads as the run of its bytes before the NUL, and no line begins with it.
    if (key.size() < 8)
        return found.first != kNoLine && Begins(lines_[found.first], key) ? found.first
                                                                          : lines_.size();
    for (uint32_t line = found.first; line != kNoLine; line = sameEight_[line])
        if (Begins(lines_[line], key))
            return line;
    return lines_.size();
}

size_t HistoryText::firstHolding(std::string_view key) const {
    const std::vector<std::string_view>& all = lines();
    return static_cast<size_t>(std::find_if(all.begin(), all.end(),
                                            [key](std::string_view l) {
                                                return !l.empty() &&
                                                       l.find(key) != std::string_view::npos;
                                            }) -
                               all.begin());
}

size_t HistoryText::cut(std::string_view key) const {
    cut_ = true;
    // A history's lines run to some forty bytes on the whole, empty ones counted: room for a line
    // each 32 bytes is taken at once, so that the list is not moved as it grows. What room is
    // left over is never touched, and so takes no memory.
    constexpr size_t kFewestBytesPerLine = 32;
    lines_.reserve(read_.size() / kFewestBytesPerLine);
    size_t first = std::string_view::npos;
    size_t shownBytes = 0;
    bool shortened = false;
    ForEachLine(read_.view(), [&](std::string_view line) {
        const std::string_view shown = ShownLine(line);
        if (first == std::string_view::npos && Begins(shown, key))
            first = lines_.size();
        shownBytes += shown.size();
        shortened = shortened || shown.size() < line.size();
        lines_.emplace_back(shown.data(), shown.size());
        return false;
    });
    // A line far longer than any entry's costs no memory once read: where one was cut, the shown
    // lines are kept on their own and the bytes read are let go.
    if (shortened) {
        kept_.reserve(shownBytes);
        for (std::string_view& line : lines_) {
            const size_t start = kept_.size();
            kept_ += line;
            line = std::string_view(kept_).substr(start);
        }
        read_ = FileBytes();
        lines_.shrink_to_fit();
    }
    return std::min(first, lines_.size());
}

size_t HistoryText::slotOf(uint64_t bytes) const {
    const size_t mask = runs_.size() - 1;
    // Runs that differ in one byte land far apart.
    uint64_t hash = (bytes ^ bytes >> 33) * 0xFF51AFD7ED558CCDu;
    hash = (hash ^ hash >> 33) * 0xC4CEB9FE1A85EC53u;
    size_t slot = static_cast<size_t>(hash ^ hash >> 33) & mask;
    while (runs_[slot].first != kNoLine && runs_[slot].bytes != bytes)
        slot = (slot + 1) & mask;
    return slot;
}

void HistoryText::gatherRuns() const {
    // A line adds at most nine runs: its own and the eight shorter.
    constexpr size_t kMostAdded = 9;
    size_t count = 0;
    runs_.assign(1024, Run{});
    sameEight_.assign(lines_.size(), kNoLine);
    for (uint32_t line = 0; line < lines_.size(); ++line) {
        if (2 * (count + kMostAdded) > runs_.size()) {
            std::vector<Run> old(2 * runs_.size());
            old.swap(runs_);
            for (const Run& kept : old)
                if (kept.first != kNoLine)
                    runs_[slotOf(kept.bytes)] = kept;
        }
        const std::string_view text = lines_[line];
        size_t length = std::min<size_t>(text.size(), 8);
        Run& own = runs_[slotOf(RunBytes(text, length))];
        if (own.first != kNoLine) {
            if (length == 8) {
                sameEight_[own.last] = line;
                own.last = line;
            }
            continue;
        }
        own = {RunBytes(text, length), line, line};
        ++count;
        // The shorter runs go in down to the first that an earlier line began with, whose own
        // shorter runs are in already.
        while (length-- > 0) {
            Run& shorter = runs_[slotOf(RunBytes(text, length))];
            if (shorter.first != kNoLine)
                break;
            shorter = {RunBytes(text, length), line, line};
            ++count;
        }
    }
}

std::vector<std::string> HistoryFiles::entry(Emu emu, const std::string& emulatorDir,
                                             std::string_view title) {
    std::vector<std::string> items;
    auto rules = std::find_if(Rules().begin(), Rules().end(),
                              [emu](const HistoryRules& r) { return r.emu == emu; });
    if (rules == Rules().end())
        return items;
    // An emulator directory not yet chosen holds no file, whatever the current directory holds.
    std::shared_ptr<const HistoryText> text =
        kept_.get(emulatorDir.empty() ? std::string() : ResolveName(emulatorDir, "gamelist.txt"));
    if (!text->ok()) {
        items.assign(rules->noFile.begin(), rules->noFile.end());
        return items;
    }
    const std::string_view key = Key(*rules, title);
    const size_t found =
        rules->matchAnywhere ? text->firstHolding(key) : text->firstBeginningWith(key);
    const std::vector<std::string_view>& lines = text->lines();
    auto line = lines.begin() + static_cast<ptrdiff_t>(found);
    if (line == lines.end()) {
        items.assign(rules->noEntry.begin(), rules->noEntry.end());
        return items;
    }
    if (rules->showMatchedLine)
        items.emplace_back(*line);
    while (++line != lines.end()) {
        if (line->empty()) {
            items.insert(items.end(), rules->itemsPerEmptyLine, std::string());
            if (++line == lines.end())
                break;
            if (line->empty()) {
                // The entry ends at a second empty line: two empty items in all.
                items.resize(items.size() + 2 - rules->itemsPerEmptyLine);
                break;
            }
        }
        AddLine(*rules, *line, items);
    }
    return items;
}

} // namespace arvok
