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

uint64_t Head(std::string_view text) {
    uint64_t head = 0;
    for (size_t i = 0; i < 8; ++i)
        head = head << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
    return head;
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

HistoryText::HistoryText(const std::string& path) : ok_(ReadTextFile(path, bytes_)) {
    // Each line, cut, is moved to the end of those before it, so that a line far longer than any
    // entry's costs no memory once read. A line never lands past where it began.
    std::vector<std::pair<size_t, size_t>> cut;
    size_t end = 0;
    ForEachLine(bytes_, [this, &cut, &end](std::string_view line) {
        const std::string_view shown = ShownLine(line);
        std::memmove(bytes_.data() + end, shown.data(), shown.size());
        cut.emplace_back(end, shown.size());
        end += shown.size();
        return false;
    });
    bytes_.resize(end);
    if (bytes_.capacity() > 2 * end)
        bytes_.shrink_to_fit();
    lines_.reserve(cut.size());
    for (const auto& [start, length] : cut)
        lines_.emplace_back(bytes_.data() + start, length);
    byHead_.reserve(lines_.size());
    for (uint32_t line = 0; line < lines_.size(); ++line)
        byHead_.emplace_back(Head(lines_[line]), line);
    std::sort(byHead_.begin(), byHead_.end());
}

size_t HistoryText::firstBeginningWith(std::string_view key) const {
    auto begins = [key](std::string_view line) { return line.substr(0, key.size()) == key; };
    const uint64_t low = Head(key);
    auto at =
        std::lower_bound(byHead_.begin(), byHead_.end(), std::pair<uint64_t, uint32_t>(low, 0));
    if (key.size() >= 8) {
        for (; at != byHead_.end() && at->first == low; ++at)
            if (begins(lines_[at->second]))
                return at->second;
        return lines_.size();
    }
    // The heads of the lines that begin with a shorter key lie between the key's own and the key
    // followed by bytes of the highest value, in the order of those bytes. Where many lines lie
    // there, the file's first that begins with the key is soon found from its start.
    const uint64_t high = low | (~uint64_t{0} >> (8 * key.size()));
    constexpr ptrdiff_t kFewest = 64;
    size_t first = lines_.size();
    for (auto from = at; at != byHead_.end() && at->first <= high; ++at) {
        if (at - from == kFewest)
            return static_cast<size_t>(std::find_if(lines_.begin(), lines_.end(), begins) -
                                       lines_.begin());
        if (begins(lines_[at->second]))
            first = std::min<size_t>(first, at->second);
    }
    return first;
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
    const std::vector<std::string_view>& lines = text->lines();
    const std::string_view key = Key(*rules, title);
    auto line = rules->matchAnywhere
                    ? std::find_if(lines.begin(), lines.end(),
                                   [key](std::string_view l) {
                                       return !l.empty() && l.find(key) != std::string_view::npos;
                                   })
                    : lines.begin() + static_cast<ptrdiff_t>(text->firstBeginningWith(key));
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
