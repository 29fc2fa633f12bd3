// The help page of the MAME and Callus windows read from a fuzzed gamelist.txt (in one of its
// letter cases) for a fuzzed title or one taken from a line of the file. The items are those the
// reading rules give: MAME shows the first line that begins with the key and then the entry,
// a line over 52 characters as its first 52 and the rest; Callus shows the lines after the first
// non-empty line holding the title, each empty line twice; the entry ends at two empty lines in
// a row, which give two empty items, or at the end of the file. Nothing of the entry is lost:
// MAME's items after the first join into the entry's text. A gamelist.txt that is not text
// (UTF-16, a NUL byte) is taken for a missing one.
#include <array>
#include <filesystem>

#include "catalogue/history.h"
#include "fuzz_support.h"

using namespace arvok;
using namespace arvok::fuzz;

namespace {

constexpr size_t kMameWidth = 52;

const std::array<const char*, 3> kSpellings{"gamelist.txt", "GAMELIST.TXT", "Gamelist.txt"};

std::string Describe(const std::vector<std::string>& items) {
    std::string text = std::to_string(items.size()) + ":";
    for (const std::string& item : items)
        text += "[" + item + "]";
    return text;
}

// The lines after "opening" up to the first two empty lines in a row, and whether those ended
// the entry (else the file did).
struct Entry {
    std::vector<std::string> lines;
    bool closed = false;
};

Entry EntryAfter(const std::vector<std::string>& lines, size_t opening) {
    Entry entry;
    for (size_t i = opening + 1; i < lines.size(); ++i) {
        if (lines[i].empty() && i + 1 < lines.size() && lines[i + 1].empty()) {
            entry.closed = true;
            break;
        }
        entry.lines.push_back(lines[i]);
    }
    return entry;
}

std::vector<std::string> ExpectedMame(const std::vector<std::string>& lines,
                                      const std::string& title) {
    size_t paren = title.find('(');
    std::string key = paren == std::string::npos ? title : title.substr(0, paren ? paren - 1 : 0);
    size_t opening = 0;
    while (opening < lines.size() && lines[opening].compare(0, key.size(), key) != 0)
        ++opening;
    if (opening == lines.size())
        return {"Game info not found in gamelist.txt!"};
    std::vector<std::string> items{lines[opening]};
    Entry entry = EntryAfter(lines, opening);
    for (const std::string& line : entry.lines) {
        items.push_back(line.substr(0, kMameWidth));
        if (line.size() > kMameWidth)
            items.push_back(line.substr(kMameWidth));
    }
    if (entry.closed)
        items.insert(items.end(), 2, std::string());
    return items;
}

std::vector<std::string> ExpectedCallus(const std::vector<std::string>& lines,
                                        const std::string& title) {
    size_t opening = 0;
    while (opening < lines.size() &&
           (lines[opening].empty() || lines[opening].find(title) == std::string::npos))
        ++opening;
    if (opening == lines.size())
        return {};
    std::vector<std::string> items;
    Entry entry = EntryAfter(lines, opening);
    for (const std::string& line : entry.lines)
        items.insert(items.end(), line.empty() ? 2 : 1, line);
    if (entry.closed)
        items.insert(items.end(), 2, std::string());
    return items;
}

// A title that opens an entry of the file more often than a fuzzed one: a piece of one of its
// lines (the start of it for MAME), sometimes followed by a part in parentheses.
struct TitlePick {
    uint16_t line;
    uint8_t from;
    uint8_t length;
    bool parenthesis;
    uint8_t inside;

    explicit TitlePick(FuzzedDataProvider& input)
        : line(input.ConsumeIntegral<uint16_t>()), from(input.ConsumeIntegral<uint8_t>()),
          length(input.ConsumeIntegral<uint8_t>()), parenthesis(input.ConsumeBool()),
          inside(input.ConsumeIntegral<uint8_t>() % 8) {}

    std::string title(const std::vector<std::string>& lines, bool fromStart) const {
        if (lines.empty())
            return {};
        const std::string& text = lines[line % lines.size()];
        size_t start = fromStart || text.empty() ? 0 : from % text.size();
        std::string made = text.substr(start, length);
        if (parenthesis)
            made += " (" + text.substr(0, inside) + ")";
        return made;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string dir = [] {
        std::string made = Root() + "/emu";
        std::filesystem::create_directories(made);
        return made;
    }();
    Root();
    FuzzedDataProvider input(data, size);
    Emu emu = input.ConsumeBool() ? Emu::Mame : Emu::Callus;
    uint8_t mode = input.ConsumeIntegral<uint8_t>();
    const char* spelling = kSpellings[mode % kSpellings.size()];
    bool fuzzedTitle = (mode & 0x30) == 0;
    bool noFile = (mode & 0xc0) == 0xc0 && (mode & 0x08);
    bool noDir = noFile && (mode & 0x04);
    for (const char* name : kSpellings)
        if (name != spelling || noFile)
            Remove(std::string("emu/") + name);

    TitlePick pick(input);
    std::string title;
    if (fuzzedTitle)
        title = OneLine(input, 48);
    std::string bytes = input.ConsumeRemainingBytesAsString();
    std::vector<std::string> lines = TextLines(bytes);
    if (!fuzzedTitle)
        title = pick.title(lines, emu == Emu::Mame);
    if (!noFile)
        Put(std::string("emu/") + spelling, bytes);

    const bool unread = noFile || !IsTextFile(bytes);
    std::vector<std::string> items = HistoryFiles().entry(emu, noDir ? std::string() : dir, title);
    std::vector<std::string> expected;
    if (unread && emu == Emu::Mame)
        expected = {"gamelist.txt not found in Mame directory!"};
    else if (unread)
        expected = {"Gamelist.txt not found", "in Callus directory!"};
    else if (emu == Emu::Mame)
        expected = ExpectedMame(lines, title);
    else
        expected = ExpectedCallus(lines, title);
    FUZZ_CHECK(items == expected,
               "\"" + title + "\" " + Describe(items) + " / " + Describe(expected));

    if (emu == Emu::Mame && !unread && items.size() > 1) {
        // Nothing of the entry is lost by the split: its items join into its lines' text.
        std::string joined;
        for (size_t i = 1; i < items.size(); ++i)
            joined += items[i];
        size_t opening = 0;
        while (lines[opening] != items[0])
            ++opening;
        std::string text;
        for (const std::string& line : EntryAfter(lines, opening).lines)
            text += line;
        FUZZ_CHECK(joined == text, joined + " / " + text);
    }
    return 0;
}
