#include "layouts/startup_layout.h"

#include <charconv>

#include "platform/path.h"
#include "platform/text_file.h"

namespace arvok {

namespace {

constexpr std::string_view kMainTag = "MAIN";

// A decimal whole number that fits 32 bits, blanks around it allowed.
std::optional<int> ParseNumber(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, last - first + 1);
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
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

// Tag, Top and Left, and for a section window Width and the rest of the line as Height.
std::optional<Placement> ParseLine(std::string_view line, bool& known) {
    std::string_view rest = line, tag, top, left, width;
    if (!TakeField(rest, tag) || !TakeField(rest, top))
        return std::nullopt;
    Placement p;
    bool isMain = tag == kMainTag;
    p.section = EmuFromTag(tag);
    known = isMain || p.section.has_value();
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

} // namespace

std::optional<std::string> FindIniLine(const std::string& iniPath, std::string_view key) {
    LineReader reader(iniPath);
    std::string line;
    while (reader.next(line)) {
        size_t eq = line.find('=');
        if (eq != std::string::npos && std::string_view(line).substr(0, eq + 1) == key)
            return line;
    }
    return std::nullopt;
}

LayoutRead ReadLayout(const std::string& layoutsPath, const std::string& name) {
    LayoutRead result;
    LineReader reader(layoutsPath);
    const std::string header = "[" + name + "]";
    std::string line;
    bool found = false;
    while (!found && reader.next(line))
        found = line == header;
    if (!found || !reader.next(line)) {
        result.stop = found ? LayoutStop::EndOfFile : LayoutStop::NotFound;
        return result;
    }
    for (;;) {
        if (!line.empty() && line[0] == '[') {
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
        bool known = false;
        std::optional<Placement> placement = ParseLine(line, known);
        if (!placement) {
            result.stop = LayoutStop::BadLine;
            return result;
        }
        if (known)
            result.placements.push_back(*placement);
        reader.next(line);
    }
}

LayoutRead ReadStartupLayout(const std::string& dirInst) {
    LayoutRead result;
    const std::string ini = ResolveName(dirInst, "arvok.ini");
    std::optional<std::string> autoload = FindIniLine(ini, kAutoloadKey);
    if (!autoload || autoload->back() != '1') {
        result.stop = LayoutStop::AutoloadOff;
        return result;
    }
    std::optional<std::string> layout = FindIniLine(ini, kDefaultLayoutKey);
    size_t start = layout ? layout->find('=') + 2 : std::string::npos;
    if (!layout || start > layout->size()) {
        result.stop = LayoutStop::NoDefaultName;
        return result;
    }
    std::string name = layout->substr(start);
    if (name.empty()) {
        result.stop = LayoutStop::NoDefaultName;
        return result;
    }
    return ReadLayout(ResolveName(dirInst, "layouts.dat"), name);
}

} // namespace arvok
