#include "settings/layout_files.h"

#include <algorithm>

#include "core/texts.h"
#include "platform/path.h"
#include "platform/text_file.h"
#include "settings/settings_io.h"

namespace arvok {

namespace {

constexpr std::string_view kMainTag = "MAIN";
// What layouts.dat is rewritten through, beside it.
constexpr const char* kLayoutsTempName = "layouts.tmp";
constexpr std::string_view kAlwaysOnTopKey = "LayoutAlwaysOnTop =";
constexpr std::string_view kAutoloadKey = "AutoloadOnStartup =";
constexpr std::string_view kDefaultLayoutKey = "DefaultLayout =";

// A decimal whole number that fits 32 bits, blanks around it allowed.
std::optional<int> ParseNumber(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, last - first + 1);
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    return settings_io::ParseNumber(text, std::string_view::npos);
}

// The text up to the next comma of "rest", which then starts after that comma; false when there
// is no comma left.
bool TakeField(std::string_view& rest, std::string_view& field) {
    size_t comma = rest.find(',');
    if (comma == std::string_view::npos)
        return false;
    field = rest.substr(0, comma);
    rest.remove_prefix(comma + 1);
    return true;
}

// Tag, Top and Left, and for a window Width and the rest of the line as Height.
std::optional<Placement> ParseLine(std::string_view line, std::string_view& tag) {
    std::string_view rest = line, top, left, width;
    if (!TakeField(rest, tag) || !TakeField(rest, top))
        return std::nullopt;
    Placement p;
    bool isMain = tag == kMainTag;
    p.section = EmuFromTag(tag);
    std::string_view height;
    if (isMain) {
        size_t comma = rest.find(',');
        left = rest.substr(0, comma);
    } else {
        if (!TakeField(rest, left) || !TakeField(rest, width))
            return std::nullopt;
        height = rest;
    }
    auto t = ParseNumber(top), l = ParseNumber(left);
    if (!t || !l)
        return std::nullopt;
    p.top = *t;
    p.left = *l;
    if (!isMain) {
        auto w = ParseNumber(width), h = ParseNumber(height);
        if (!w || !h)
            return std::nullopt;
        p.width = *w;
        p.height = *h;
    }
    return p;
}

// The first line whose text up to and including its first "=" is "key" (exact, the blank
// before "=" included).
std::optional<std::string> FindIniLine(const std::vector<std::string>& lines,
                                       std::string_view key) {
    for (const std::string& line : lines) {
        size_t eq = line.find('=');
        if (eq != std::string::npos && std::string_view(line).substr(0, eq + 1) == key)
            return line;
    }
    return std::nullopt;
}

std::string Header(const std::string& name) {
    return "[" + name + "]";
}

bool IsHeader(const std::string& line) {
    return !line.empty() && line[0] == '[';
}

// The lines of layouts.dat; none when it does not exist. False when it exists but cannot be
// read, so that it is not written over.
bool ReadForChange(const std::string& path, std::vector<std::string>& lines) {
    if (IsMissing(path)) {
        lines.clear();
        return true;
    }
    return ReadLines(path, lines);
}

// Why a file cannot keep the layout name "name" so that it reads back as it was; nothing when it
// can.
std::optional<SaveResult> NameRefused(std::string_view name) {
    const char* holds = WhatBreaksLine(name);
    if (!holds)
        return std::nullopt;
    return SaveResult{false, std::string("The layout name holds ") + holds};
}

// Reads layouts.dat, lets "change" alter its lines and, when it says it changed them, writes
// them back through layouts.tmp. A change naming a layout that no header line can hold ("name")
// is refused, the file left as it was.
template <class Change>
SaveResult Rewrite(const std::string& path, std::string_view name, Change change) {
    if (std::optional<SaveResult> refused = NameRefused(name))
        return *refused;
    std::vector<std::string> lines;
    if (!ReadForChange(path, lines))
        return {false, "It could not be read"};
    if (!change(lines))
        return {true, {}};
    return WriteFileAtomically(path, JoinCrLf(lines), Durability::Synced, kLayoutsTempName);
}

// The lines of the layout named "name": from its header up to the next header or the end of
// the file. Empty (at the end) when the file has no such layout.
struct Extent {
    size_t begin, end;
    bool found() const { return begin != end; }
};

Extent FindLayout(const std::vector<std::string>& lines, const std::string& name) {
    const std::string header = Header(name);
    size_t begin = 0;
    while (begin < lines.size() && lines[begin] != header)
        ++begin;
    if (begin == lines.size())
        return {begin, begin};
    size_t end = begin + 1;
    while (end < lines.size() && !IsHeader(lines[end]))
        ++end;
    return {begin, end};
}

std::string PlacementLine(const Placement& p) {
    std::string line = p.section ? Section(*p.section).tag : std::string(kMainTag);
    line += "," + std::to_string(p.top) + "," + std::to_string(p.left);
    if (p.section)
        line += "," + std::to_string(p.width) + "," + std::to_string(p.height);
    return line;
}

} // namespace

std::string LayoutsDatPath(const std::string& dirInst) {
    return ResolveName(dirInst, "layouts.dat");
}

std::string ArvokIniPath(const std::string& dirInst) {
    return ResolveName(dirInst, "arvok.ini");
}

LayoutRead ReadLayout(const std::string& layoutsPath, const std::string& name) {
    LayoutRead result;
    LineReader reader(layoutsPath);
    if (!reader.ok() && !IsMissing(layoutsPath)) {
        result.stop = LayoutStop::Unreadable;
        return result;
    }
    const std::string header = Header(name);
    std::string line;
    bool found = false;
    while (!found && reader.next(line))
        found = line == header;
    if (!found || !reader.next(line)) {
        result.stop = found ? LayoutStop::EndOfFile : LayoutStop::NotFound;
        return result;
    }
    for (;;) {
        if (IsHeader(line)) {
            result.stop = LayoutStop::NextLayout;
            return result;
        }
        if (!line.empty() && line[0] == '-') {
            result.stop = LayoutStop::Complete;
            return result;
        }
        if (reader.atEnd()) {
            result.stop = LayoutStop::EndOfFile;
            return result;
        }
        std::string_view tag;
        std::optional<Placement> placement = ParseLine(line, tag);
        if (!placement) {
            result.stop = LayoutStop::BadLine;
            return result;
        }
        const bool isMain = tag == kMainTag;
        if (!isMain)
            result.windows.push_back({std::string(tag), placement->width, placement->height});
        if (isMain || placement->section)
            result.placements.push_back(*placement);
        reader.next(line);
    }
}

std::vector<std::string> LayoutNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const std::string& line : lines)
        if (IsHeader(line))
            names.push_back(line.substr(1, line.size() < 2 ? 0 : line.size() - 2));
    return names;
}

std::string SizeClassName(int width, int height) {
    if (width == 2400 && height == 4620)
        return "Small";
    if (width == 6345 && height == 4620)
        return "Medium";
    if (width == 6345 && height == 7260)
        return "Large";
    return {};
}

SaveResult AppendLayout(const std::string& layoutsPath, const std::string& name) {
    return Rewrite(layoutsPath, name, [&](std::vector<std::string>& lines) {
        lines.push_back(Header(name));
        lines.push_back("-");
        return true;
    });
}

SaveResult StoreLayout(const std::string& layoutsPath, const std::string& name,
                       const std::vector<Placement>& placements) {
    return Rewrite(layoutsPath, name, [&](std::vector<std::string>& lines) {
        std::vector<std::string> section{Header(name)};
        for (const Placement& p : placements)
            section.push_back(PlacementLine(p));
        section.push_back("-");
        Extent old = FindLayout(lines, name);
        lines.erase(lines.begin() + old.begin, lines.begin() + old.end);
        lines.insert(lines.begin() + old.begin, section.begin(), section.end());
        return true;
    });
}

SaveResult RemoveLayout(const std::string& layoutsPath, const std::string& name) {
    return Rewrite(layoutsPath, name, [&](std::vector<std::string>& lines) {
        Extent old = FindLayout(lines, name);
        lines.erase(lines.begin() + old.begin, lines.begin() + old.end);
        return old.found();
    });
}

SaveResult RenameLayout(const std::string& layoutsPath, const std::string& oldName,
                        const std::string& newName) {
    return Rewrite(layoutsPath, newName, [&](std::vector<std::string>& lines) {
        Extent old = FindLayout(lines, oldName);
        if (old.found())
            lines[old.begin] = Header(newName);
        return old.found();
    });
}

bool IsStorableLayoutName(std::string_view name) {
    return !NameRefused(name);
}

LayoutOptionsRead ReadLayoutOptions(const std::string& iniPath) {
    LayoutOptionsRead read;
    std::vector<std::string> lines;
    read.file = settings_io::ReadSettingsLines(iniPath, lines);
    auto flag = [&](std::string_view key) -> std::optional<bool> {
        std::optional<std::string> line = FindIniLine(lines, key);
        return line ? std::optional<bool>(line->back() == '1') : std::nullopt;
    };
    read.alwaysOnTop = flag(kAlwaysOnTopKey);
    read.autoload = flag(kAutoloadKey);
    if (std::optional<std::string> line = FindIniLine(lines, kDefaultLayoutKey))
        read.defaultLayout = line->substr(std::min(line->find('=') + 2, line->size()));
    return read;
}

std::string LayoutOptionsText(const LayoutOptions& options) {
    const std::string rule(62, '-');
    return JoinCrLf({
        rule,
        " Arvok - The definitive Multifrontend (" + texts::VERSION + ")",
        " Written by the Arvok team",
        " Initialization File generated by Arvok - Please do not modify",
        rule,
        " ",
        "[Layouts]",
        std::string(kAlwaysOnTopKey) + " " + (options.alwaysOnTop ? "1" : "0"),
        std::string(kAutoloadKey) + " " + (options.autoload ? "1" : "0"),
        std::string(kDefaultLayoutKey) + " " + options.defaultLayout,
        " ",
        rule,
        " End of file",
        rule,
    });
}

SaveResult WriteLayoutOptions(const std::string& iniPath, const LayoutOptions& options) {
    if (std::optional<SaveResult> refused = NameRefused(options.defaultLayout))
        return *refused;
    return WriteFileAtomically(iniPath, LayoutOptionsText(options));
}

LayoutRead ReadStartupLayout(const std::string& dirInst) {
    LayoutRead result;
    LayoutOptionsRead options = ReadLayoutOptions(ArvokIniPath(dirInst));
    if (!options.autoload.value_or(false)) {
        result.stop = LayoutStop::AutoloadOff;
        result.optionsFile = options.file;
        return result;
    }
    if (options.defaultLayout.value_or("").empty()) {
        result.stop = LayoutStop::NoDefaultName;
        return result;
    }
    return ReadLayout(LayoutsDatPath(dirInst), *options.defaultLayout);
}

} // namespace arvok
