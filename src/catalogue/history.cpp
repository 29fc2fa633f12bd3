#include "catalogue/history.h"

#include <algorithm>

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

bool Matches(const HistoryRules& rules, const std::string& line, std::string_view key) {
    if (rules.matchAnywhere)
        return !line.empty() && line.find(key) != std::string::npos;
    return std::string_view(line).substr(0, key.size()) == key;
}

void AddLine(const HistoryRules& rules, const std::string& line, std::vector<std::string>& items) {
    if (rules.splitAt == 0 || line.size() <= rules.splitAt) {
        items.push_back(line);
        return;
    }
    items.push_back(line.substr(0, rules.splitAt));
    items.push_back(line.substr(rules.splitAt));
}

} // namespace

std::vector<std::string> ReadHistory(Emu emu, const std::string& emulatorDir,
                                     std::string_view title) {
    std::vector<std::string> items;
    auto rules = std::find_if(Rules().begin(), Rules().end(),
                              [emu](const HistoryRules& r) { return r.emu == emu; });
    if (rules == Rules().end())
        return items;
    // An emulator directory not yet chosen holds no file, whatever the current directory holds.
    LineReader reader(emulatorDir.empty() ? std::string()
                                          : ResolveName(emulatorDir, "gamelist.txt"));
    if (!reader.ok()) {
        items.assign(rules->noFile.begin(), rules->noFile.end());
        return items;
    }
    std::string_view key = Key(*rules, title);
    std::string line;
    bool found = false;
    while (!found && reader.next(line))
        found = Matches(*rules, line, key);
    if (!found) {
        items.assign(rules->noEntry.begin(), rules->noEntry.end());
        return items;
    }
    if (rules->showMatchedLine)
        items.push_back(line);
    while (reader.next(line)) {
        if (line.empty()) {
            items.insert(items.end(), rules->itemsPerEmptyLine, std::string());
            if (!reader.next(line))
                break;
            if (line.empty()) {
                // The entry ends at a second empty line: two empty items in all.
                items.resize(items.size() + 2 - rules->itemsPerEmptyLine);
                break;
            }
        }
        AddLine(*rules, line, items);
    }
    return items;
}

} // namespace arvok
