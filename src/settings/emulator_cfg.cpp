#include "settings/emulator_cfg.h"

#include <array>

#include "core/shared_state.h"
#include "core/texts.h"
#include "platform/path.h"
#include "platform/text_file.h"
#include "settings/settings_io.h"

namespace arvok {

namespace {

const std::array<EmulatorCfgLayout, 5> kLayouts{{
    {Emu::Mame, "Mame.cfg", "Mame", true},
    {Emu::Callus, "Callus.cfg", "Callus", false},
    {Emu::Raine, "Raine.cfg", "Raine", false},
    {Emu::System16, "System16.cfg", "System16", false},
    {Emu::M72, "M72.cfg", "M-72", false},
}};

const char* const kPaths = "[Paths]";
const char* const kSnapShots = "[SnapShots]";
const char* const kGui = "[Gui]";
const char* const kFavourites = "[Favorties]";

const char* const kHomePage = "arvok.example.org";

bool IsHeader(const std::string& line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Blanks around a number are no part of it.
std::string_view TrimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The values of a settings file by section and key.
class Sections {
public:
    explicit Sections(const std::vector<std::string>& lines) : lines_(lines) {}

    // The index of the first line after "header"; nothing when the header is missing.
    std::optional<size_t> start(const char* header) const {
        for (size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i] == header)
                return i + 1;
        return std::nullopt;
    }

    // The value of "key" in the section "header", or nothing.
    std::optional<std::string> value(const char* header, std::string_view key) const {
        auto first = start(header);
        for (size_t i = first.value_or(lines_.size()); i < lines_.size() && !IsHeader(lines_[i]);
             ++i) {
            size_t equals = lines_[i].find('=');
            if (equals != std::string::npos &&
                EqualsNoCase(std::string_view(lines_[i]).substr(0, equals), key))
                return lines_[i].substr(equals + 1);
        }
        return std::nullopt;
    }

    std::optional<int> number(const char* header, std::string_view key, int lowest,
                              int highest) const {
        auto text = value(header, key);
        auto number = text ? settings_io::ParseNumber(TrimBlanks(*text)) : std::nullopt;
        if (!number || *number < lowest || *number > highest)
            return std::nullopt;
        return number;
    }

    void flag(const char* header, std::string_view key, bool& target) const {
        if (auto number = this->number(header, key, 0, 1))
            target = *number == 1;
    }

    void text(const char* header, std::string_view key, std::string& target) const {
        if (auto found = value(header, key))
            target = *found;
    }

    std::optional<std::vector<std::string>> favourites() const {
        auto first = start(kFavourites);
        if (!first)
            return std::nullopt;
        std::vector<std::string> names;
        for (size_t i = *first; i < lines_.size(); ++i)
            for (auto& item : settings_io::SplitItems(lines_[i]))
                if (!item.empty())
                    names.push_back(std::move(item));
        return names;
    }

private:
    const std::vector<std::string>& lines_;
};

} // namespace

const EmulatorCfgLayout& EmulatorCfgLayoutOf(Emu emu) {
    return kLayouts[Index(emu)];
}

std::optional<int> SlideDelayMs(int index) {
    static const std::array<int, 8> kDelays{500, 1000, 1500, 2000, 2500, 3000, 4000, 5000};
    if (index < 0 || index >= static_cast<int>(kDelays.size()))
        return std::nullopt;
    return kDelays[index];
}

std::string EmulatorCfgPath(Emu emu) {
    return InstallPath("Cfg", EmulatorCfgLayoutOf(emu).fileName);
}

std::string EncodeEmulatorCfg(Emu emu, const EmulatorCfg& cfg) {
    const auto& layout = EmulatorCfgLayoutOf(emu);
    const std::string rule = ";" + std::string(53, '-');
    std::vector<std::string> lines{
        rule,
        "; " + texts::MESSAGE + " - " + kHomePage,
        "; Configuration File for " + layout.nameInTitle + " - Please do not modify",
        rule,
        "",
        kPaths,
        "ExePath=" + cfg.exePath,
        "EmuDir=" + cfg.emuDir,
        "RomPath=" + cfg.romPath,
    };
    if (layout.hasAltRomPath)
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
    return JoinCrLf(lines);
}

EmulatorCfg DecodeEmulatorCfg(Emu emu, const std::vector<std::string>& lines) {
    Sections file(lines);
    EmulatorCfg cfg;
    cfg.read = true;
    file.text(kPaths, "ExePath", cfg.exePath);
    file.text(kPaths, "EmuDir", cfg.emuDir);
    file.text(kPaths, "RomPath", cfg.romPath);
    if (EmulatorCfgLayoutOf(emu).hasAltRomPath)
        file.text(kPaths, "AltRomPath", cfg.altRomPath);
    file.text(kSnapShots, "SnapPath", cfg.snapPath);
    auto format = file.value(kSnapShots, "SnapFormat");
    if (format && (*format == "GIF" || *format == "JPG" || *format == "BMP"))
        cfg.snapFormat = *format;
    file.flag(kSnapShots, "NoSlideShow", cfg.noSlide);
    file.flag(kSnapShots, "ShowCounter", cfg.showCounter);
    cfg.slideDelayIndex = file.number(kSnapShots, "SlideDelay", -1, 7).value_or(2);
    file.text(kGui, "FavSize", cfg.favSize);
    cfg.favourites = file.favourites();
    return cfg;
}

EmulatorCfg LoadEmulatorCfg(Emu emu) {
    std::vector<std::string> lines;
    if (!ReadLines(EmulatorCfgPath(emu), lines))
        return {};
    EmulatorCfg cfg = DecodeEmulatorCfg(emu, lines);
    Shared().RomDir[Index(emu)] = cfg.romPath;
    return cfg;
}

bool SaveEmulatorCfg(Emu emu, const EmulatorCfg& cfg) {
    Shared().RomDir[Index(emu)] = cfg.romPath;
    return settings_io::SaveFile(EmulatorCfgPath(emu), EncodeEmulatorCfg(emu, cfg));
}

} // namespace arvok
