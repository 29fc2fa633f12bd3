#include "settings/emulator_cfg.h"

#include <algorithm>
#include <array>

#include "core/texts.h"
#include "platform/path.h"
#include "platform/text_file.h"
#include "settings/settings_io.h"

namespace arvok {

namespace {

constexpr PerSection<EmulatorCfgLayout> kLayouts{{
    {Emu::Mame, "Mame.cfg", "Mame"},
    {Emu::Callus, "Callus.cfg", "Callus"},
    {Emu::Raine, "Raine.cfg", "Raine"},
    {Emu::System16, "System16.cfg", "System16"},
    {Emu::M72, "M72.cfg", "M-72"},
}};
static_assert(EachRowAtItsPlace(kLayouts));

const char* const kPaths = "[Paths]";
const char* const kSnapShots = "[SnapShots]";
const char* const kGui = "[Gui]";
const char* const kFavourites = "[Favorties]";
const char* const kOwnHeaders[] = {kPaths, kSnapShots, kGui, kFavourites};

const char* const kHomePage = "arvok.example.org";

// Blanks before an item, or around a number, are no part of it.
std::string_view TrimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view LeadingBlanksOff(std::string_view line) {
    size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

// Whether a line heads a section, the program's own or another: its text between the blanks
// around it begins with "[" and ends with "]".
bool IsHeader(std::string_view line) {
    std::string_view text = TrimBlanks(line);
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

// Whether a line is the program's header "header", as a person may have typed it: in other
// case, with blanks around it.
bool IsOwnHeader(std::string_view line, const char* header) {
    return EqualsNoCase(TrimBlanks(line), header);
}

bool IsOwnHeader(std::string_view line) {
    return std::any_of(std::begin(kOwnHeaders), std::end(kOwnHeaders),
                       [line](const char* header) { return IsOwnHeader(line, header); });
}

// Whether a file's lines are a settings file: one of them is a section header of the program's.
bool HoldsHeader(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [](const std::string& line) { return IsOwnHeader(line); });
}

// The lines of a file above its first section header, as they stand.
std::vector<std::string> LinesAboveHeaders(const std::vector<std::string>& lines) {
    return {lines.begin(), std::find_if(lines.begin(), lines.end(),
                                        [](const std::string& line) { return IsHeader(line); })};
}

// The sections of a file whose headers are not the program's own, each its header and its lines
// up to the next header, in file order and as they stand.
std::vector<std::string> OtherSections(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    bool keeping = false;
    for (const std::string& line : lines) {
        if (IsHeader(line))
            keeping = !IsOwnHeader(line);
        if (keeping)
            kept.push_back(line);
    }
    return kept;
}

// The file read as the writer lays it out: a section is found by its header wherever it stands,
// and its values are its lines up to the next header, taken by their place under the header: a
// value is the rest of its line after the first "=" (the whole line without one), the key in
// front is not looked at. Empty lines are passed over.
class CfgLines {
public:
    explicit CfgLines(const std::vector<std::string>& lines) : lines_(lines) {}

    // The values of the section "header"; none when the file does not hold it.
    std::vector<std::string> section(const char* header) const {
        std::vector<std::string> values;
        for (std::string_view line : lines(header).value_or(Lines())) {
            size_t equals = line.find('=');
            values.emplace_back(equals == std::string_view::npos ? line : line.substr(equals + 1));
        }
        return values;
    }

    // The favourites under "[Favorties]"; nothing when the header is missing. A line that
    // begins and ends with a double quote is one name, the text between them, as the writer
    // puts it, quotes and commas and all; any other line is read as items, so that a line
    // written by hand may list several names. Empty names are passed over.
    std::optional<std::vector<std::string>> favourites() const {
        auto found = lines(kFavourites);
        if (!found)
            return std::nullopt;
        std::vector<std::string> names;
        for (std::string_view line : *found) {
            if (line.size() >= 2 && line.front() == '"' && line.back() == '"') {
                if (line.size() > 2)
                    names.emplace_back(line.substr(1, line.size() - 2));
                continue;
            }
            for (auto& item : settings_io::SplitItems(line))
                if (!item.empty())
                    names.push_back(std::move(item));
        }
        return names;
    }

private:
    using Lines = std::vector<std::string_view>;

    // The lines of the section "header" that are not empty, leading blanks removed; nothing
    // when the file does not hold the header.
    std::optional<Lines> lines(const char* header) const {
        auto at = std::find_if(lines_.begin(), lines_.end(), [header](const std::string& line) {
            return IsOwnHeader(line, header);
        });
        if (at == lines_.end())
            return std::nullopt;
        Lines found;
        for (++at; at != lines_.end(); ++at) {
            std::string_view line = LeadingBlanksOff(*at);
            if (IsHeader(line))
                break;
            if (!line.empty())
                found.push_back(line);
        }
        return found;
    }

    const std::vector<std::string>& lines_;
};

// Puts the value at "place" into "target"; a missing value leaves it as it was.
void TakeText(const std::vector<std::string>& values, size_t place, std::string& target) {
    if (place < values.size())
        target = values[place];
}

// The number at "place" when it lies within lowest..highest.
std::optional<int> TakeNumber(const std::vector<std::string>& values, size_t place, int lowest,
                              int highest) {
    auto number =
        place < values.size() ? settings_io::ParseNumber(TrimBlanks(values[place])) : std::nullopt;
    if (!number || *number < lowest || *number > highest)
        return std::nullopt;
    return number;
}

void TakeFlag(const std::vector<std::string>& values, size_t place, bool& target) {
    if (auto number = TakeNumber(values, place, 0, 1))
        target = *number == 1;
}

} // namespace

const EmulatorCfgLayout& EmulatorCfgLayoutOf(Emu emu) {
    return kLayouts[Index(emu)];
}

std::optional<int> SlideDelayMs(int index) {
    if (index < 0 || index >= static_cast<int>(kSlideDelaysMs.size()))
        return std::nullopt;
    return kSlideDelaysMs[index];
}

std::string EmulatorCfgPath(const SettingsFiles& files, Emu emu) {
    return files.path("Cfg", EmulatorCfgLayoutOf(emu).fileName);
}

namespace {

// The file's bytes for "cfg" written over the lines of the old file ("old", none when there is
// none): the old file's lines above its first header kept in their place, else the program's
// title; the program's own sections; the old file's other sections.
std::string ComposeEmulatorCfg(Emu emu, const EmulatorCfg& cfg,
                               const std::vector<std::string>& old) {
    std::vector<std::string> lines = LinesAboveHeaders(old);
    // What the program writes begins with no byte-order mark, and a reader skips one: the marks a
    // first line still begins with after the reader skipped its own would be lost one by one at the
    // next reads, so they go now.
    while (!lines.empty() && TextStart(lines.front()) > 0)
        lines.front().erase(0, TextStart(lines.front()));
    if (lines.empty()) {
        const std::string rule = ";" + std::string(53, '-');
        lines = {rule, "; " + texts::MESSAGE + " - " + kHomePage,
                 "; Configuration File for " + std::string(EmulatorCfgLayoutOf(emu).nameInTitle) +
                     " - Please do not modify",
                 rule, ""};
    }
    for (std::string line : {std::string(kPaths), "ExePath=" + cfg.exePath, "EmuDir=" + cfg.emuDir,
                             "RomPath=" + cfg.romPath})
        lines.push_back(std::move(line));
    if (Section(emu).hasAltRomPath)
        lines.push_back("AltRomPath=" + cfg.altRomPath);
    for (std::string line :
         {std::string(), std::string(kSnapShots), "SnapPath=" + cfg.snapPath,
          "SnapFormat=" + cfg.snapFormat, "NoSlideShow=" + std::to_string(cfg.noSlide ? 1 : 0),
          "ShowCounter=" + std::to_string(cfg.showCounter ? 1 : 0),
          "SlideDelay=" + std::to_string(cfg.slideDelayIndex), std::string(), std::string(kGui),
          "FavSize=" + cfg.favSize, std::string(), std::string(kFavourites)})
        lines.push_back(std::move(line));
    if (cfg.favourites)
        for (auto it = cfg.favourites->rbegin(); it != cfg.favourites->rend(); ++it)
            lines.push_back("\"" + *it + "\"");
    std::vector<std::string> others = OtherSections(old);
    lines.insert(lines.end(), others.begin(), others.end());
    return JoinCrLf(lines);
}

// Why a value of "cfg" cannot be stored and read back as it was; nothing when each can.
std::optional<settings_io::CannotKeep> CfgProblem(const EmulatorCfg& cfg) {
    for (auto [which, value] : {std::pair{StoredPath::Program, &cfg.exePath},
                                {StoredPath::EmulatorFolder, &cfg.emuDir},
                                {StoredPath::RomFolder, &cfg.romPath},
                                {StoredPath::AltRomFolder, &cfg.altRomPath},
                                {StoredPath::SnapFolder, &cfg.snapPath}})
        if (auto problem = PathProblem(which, *value))
            return problem;
    if (auto problem = settings_io::OneLineProblem("The favourites list's size", cfg.favSize))
        return problem;
    if (cfg.favourites)
        for (const std::string& name : *cfg.favourites)
            if (auto problem = settings_io::OneLineProblem("The favourite", name))
                return problem;
    return std::nullopt;
}

} // namespace

std::string EncodeEmulatorCfg(Emu emu, const EmulatorCfg& cfg) {
    return ComposeEmulatorCfg(emu, cfg, {});
}

EmulatorCfg DecodeEmulatorCfg(Emu emu, const std::vector<std::string>& lines) {
    CfgLines file(lines);
    EmulatorCfg cfg;
    cfg.read = true;
    auto paths = file.section(kPaths);
    TakeText(paths, 0, cfg.exePath);
    TakeText(paths, 1, cfg.emuDir);
    TakeText(paths, 2, cfg.romPath);
    if (Section(emu).hasAltRomPath)
        TakeText(paths, 3, cfg.altRomPath);
    auto snapShots = file.section(kSnapShots);
    TakeText(snapShots, 0, cfg.snapPath);
    std::string format;
    TakeText(snapShots, 1, format);
    if (format == "GIF" || format == "JPG" || format == "BMP")
        cfg.snapFormat = format;
    TakeFlag(snapShots, 2, cfg.noSlide);
    TakeFlag(snapShots, 3, cfg.showCounter);
    cfg.slideDelayIndex = TakeNumber(snapShots, 4, -1, 7).value_or(kDefaultSlideDelayIndex);
    TakeText(file.section(kGui), 0, cfg.favSize);
    cfg.favourites = file.favourites();
    return cfg;
}

std::optional<settings_io::CannotKeep> PathProblem(StoredPath which, const std::string& value) {
    static const std::array<const char*, 5> kNames{"The program", "The emulator folder",
                                                   "The ROM folder", "The alternative ROM folder",
                                                   "The snapshot folder"};
    return settings_io::OneLineProblem(kNames[static_cast<size_t>(which)], value);
}

EmulatorCfg LoadEmulatorCfg(SettingsFiles& files, Emu emu) {
    std::vector<std::string> lines;
    const settings_io::FileState state =
        files.read(EmulatorCfgPath(files, emu), lines, HoldsHeader);
    if (state != settings_io::FileState::Read) {
        EmulatorCfg cfg;
        cfg.file = state;
        return cfg;
    }
    EmulatorCfg cfg = DecodeEmulatorCfg(emu, lines);
    cfg.file = state;
    files.RomDir[Index(emu)] = cfg.romPath;
    return cfg;
}

settings_io::SettingsSave SaveEmulatorCfg(SettingsFiles& files, Emu emu, const EmulatorCfg& cfg) {
    files.RomDir[Index(emu)] = cfg.romPath;
    const std::string path = EmulatorCfgPath(files, emu);
    if (auto problem = CfgProblem(cfg))
        return {path, settings_io::SaveStop::CannotKeep, {}, problem};
    return files.save(
        path,
        [&](const std::vector<std::string>& old) { return ComposeEmulatorCfg(emu, cfg, old); },
        HoldsHeader);
}

} // namespace arvok
