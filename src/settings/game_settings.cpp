#include "settings/game_settings.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/code_page.h"
#include "platform/file_stamp.h"
#include "platform/text_file.h"
#include "settings/settings_io.h"

namespace arvok {

const std::string kDefaultKey = "[DEFAULT]";

namespace {

GameOption Combo(std::string control, int builtIn, std::vector<std::string> items) {
    return {std::move(control), OptionKind::Combo, std::to_string(builtIn), std::move(items)};
}

GameOption Check(std::string control, int builtIn = 0) {
    return {std::move(control), OptionKind::Check, std::to_string(builtIn), {}};
}

GameOption Offset(std::string control) {
    return {std::move(control), OptionKind::Text, "0", {}};
}

// "<first>" then "<prefix><n><suffix>" for n from "from" to "to" by "step".
std::vector<std::string> Numbered(std::vector<std::string> first, int from, int to, int step,
                                  const std::string& prefix, const std::string& suffix) {
    for (int n = from; n <= to; n += step)
        first.push_back(prefix + std::to_string(n) + suffix);
    return first;
}

// Hundredths as "1.20", "16.00".
std::vector<std::string> Decimals(int from, int to, int step) {
    std::vector<std::string> items;
    for (int n = from; n <= to; n += step) {
        char text[16];
        std::snprintf(text, sizeof text, "%d.%02d", n / 100, n % 100);
        items.emplace_back(text);
    }
    return items;
}

std::vector<std::string> Devices(const char* keyboard) {
    std::vector<std::string> items;
    for (int n = 1; n <= 4; ++n)
        items.push_back(keyboard + std::to_string(n));
    for (const char* rest : {"Joystick 1 (2B)", "Joystick 2 (2B)", "4 Buttton Joy", "6 Button Joy",
                             "MS Sidewinder 1", "MS Sidewinder 2", "Grip 1 (8 Buttons)",
                             "Grip 2 (8 Buttons)", "Snes Pad 1 (LPT1)", "Snes Pad 2 (LPT1)"})
        items.emplace_back(rest);
    return items;
}

const std::vector<std::string> kSampleRates{"11.025 Khz", "22.050 Khz", "44.100 Khz"};

GameSettingsTable MameTable() {
    return {"Mame.set",
            "C:\\emu\\mame\\roms",
            "txtMameRomPath",
            {
                Combo("cboMameScreenRes", 0,
                      {"Auto", "320 x 240", "400 x 300", "512 x 384", "640 x 480", "800 x 600",
                       "1024 x 768"}),
                Combo("cboMameMonitor", 0,
                      {"PC Monitor", "NTSC Monitor", "PAL Monitor", "ARCADE Monitor"}),
                Combo("cboMameVesaMode", 0,
                      {"Auto", "Vesa 1.0", "Vesa 2.0 (B)", "Vesa 2.0 (L)", "Vesa 3.0"}),
                Combo("cboMameFrames", 0, Numbered({"Auto"}, 1, 11, 1, "", "/12")),
                Combo("cboMameSoundCard", 1,
                      {"No Sound", "Sound Blaster", "P.Audio Spectrum", "Ultrasound MAX",
                       "Ultrasound", "Windows S.System", "Ensoniq Soundscape"}),
                Combo("cboMameSampleRate", 1, kSampleRates),
                Combo("cboMameControls", 0,
                      {"Keyboard", "Joystick", "Dual Joystick", "Pad 4 Buttons", "Pad 6 Buttons",
                       "Pad 8 Buttons", "CH Flightstick", "Wingman Extr.", "MS Sidewinder",
                       "Gravis PadPro", "Snes Pad LPT1", "Snes Pad LPT2", "Snes Pad LPT3"}),
                Combo("cboMameVgaFreq", 0, {"0", "1", "2", "3"}),
                Combo("cboMameBeam", 0, Decimals(100, 1600, 100)),
                Combo("cboMameFlicker", 0, Numbered({"None"}, 5, 100, 5, "", " %")),
                Offset("txtMameSkipR"),
                Offset("txtMameSkipC"),
                Combo("cboMameGamma", 14, Decimals(50, 200, 5)),
                Check("chkMameScanlines"),
                Check("chkMameNTSC"),
                Check("chkMameDepth"),
                Check("chkMameAlwaysSync"),
                Check("chkMameTweaked"),
                Check("chkMameNoStretch"),
                Check("chkMameTripleBuffer"),
                Check("chkMameWaitInterlace"),
                Check("chkMameVsync"),
                Check("chkMameAntiA"),
                Check("chkMameNoTrans"),
                Check("chkMameR90"),
                Check("chkMameL90"),
                Check("chkMameFlipH"),
                Check("chkMameFlipV"),
                Check("chkMameNoRot"),
                Check("chkMameCheat"),
                Check("chkMameRecord"),
                Check("chkMameStereo"),
                Check("chkMame16Bit"),
                Check("chkMameYm3812"),
            },
            {"chkMamePlayback"}};
}

GameSettingsTable CallusTable() {
    const std::vector<std::string> resolutions{
        "320x200", "320x240", "384x224", "384x257", "400x300", "320x400", "320x480", "512x384",
        "640x350", "640x400", "640x480", "224x384", "254x384", "800x600", "1024x768"};
    return {"Callus.set",
            "C:\\emu\\callus",
            "txtCallusRomPath",
            {
                Combo("cboCallusHR", 10, resolutions),
                Combo("cboCallusVR", 10, resolutions),
                Combo("cboCallusFrameSkip", 0, Numbered({"Auto"}, 1, 8, 1, "", "")),
                Check("chkCallusVSync"),
                Check("chkCallusHiColor"),
                Check("chkCallusFPU"),
                Check("chkCallusNoVesa"),
                Check("chkCallusLinear"),
                Check("chkCallusBanked"),
                Check("chkCallusAltStart"),
                Check("chkCallus2To3"),
                Check("chkCallusMultiTask"),
                Combo("cboCallusSampleRate", 1, kSampleRates),
                Check("chkCallusNoSound"),
                Check("chkCallusStereo"),
                Combo("cboCallusDevice1", 0, Devices("Keyboard Lay. ")),
                Combo("cboCallusDevice2", 0, Devices("Keyboard L.")),
                Combo("cboCallusDevice3", 0, Devices("Keyboard L.")),
                Combo("cboCallusDevice4", 0, Devices("Keyboard L.")),
            },
            {}};
}

GameSettingsTable RaineTable() {
    return {"Raine.set",
            "C:\\emu\\raine\\ziproms",
            "txtRaineRomPath",
            {
                Combo("cboRaineScreenMode", 0,
                      {"Autodetect", "VGA", "Mode-X", "VESA 1.x", "VESA 2.0 (B)", "VESA 2.0 (L)",
                       "VESA 3.0", "VBE/AF", "Xtended Mode"}),
                Combo("cboRaineScreenRes", 0,
                      {"320 x 200", "320 x 240", "400 x 300", "512 x 384", "640 x 400", "640 x 480",
                       "800 x 600", "1024 x 768", "1280 x 1024", "1600 x 1200"}),
                Combo("cboRaineJoystick", 0,
                      {"Autodetect", "None", "Standard Joystick", "Joystick with 2 Pads",
                       "Joystick with 4 Buttons", "Joystick with 6 Buttons",
                       "Joystick with 8 Buttons", "FlightStick Pro", "Wing Extreme", "Sidewinder",
                       "Gamepad Pro", "SNES Pad (LPT1)", "SNES Pad (LPT2)", "SNES Pad (LPT3)",
                       "WingMan Warrior", "SEGA Isa", "Sidewinder Alt."}),
                Check("chkRaineLimitSpeed"),
                Check("chkRaineEnableGUI"),
            },
            {}};
}

GameSettingsTable System16Table() {
    return {
        "System16.set",
        "C:\\emu\\system16\\ziproms",
        "txtSystem16RomPath",
        {
            Combo("cboSystem16HR", 2,
                  {"224", "254", "320", "384", "400", "512", "640", "800", "1024"}),
            Combo("cboSystem16VR", 2,
                  {"200", "224", "240", "257", "300", "350", "384", "400", "480", "600", "768"}),
            Combo("cboSystem16FrameSkip", 0, Numbered({"1 (Def.)"}, 2, 8, 1, "", "")),
            Check("chkSystem16VSync"),
            Check("chkSystem16NoJoy"),
            Check("chkSystem16Scanlines", 1),
            Check("chkSystem16RDTSC"),
            Check("chkSystem16Eagle"),
            Check("chkSystem16Scanlines2"),
            Check("chkSystem16Old2151"),
            Check("chkSystem16ESC"),
            Check("chkSystem16RevX"),
            Check("chkSystem16NoLeds"),
            Check("chkSystem16NoTitle", 1),
            Check("chkSystem16RevY"),
            Check("chkSystem16AnalogJoy"),
            Combo("cboSystem16Soundcard", 0,
                  {"Disabled", "Soundblaster", "ProAudio Spectrum", "Ultrasound Max", "Ultrasound",
                   "Windows SoundSystem", "Ensoniq Soundscape"}),
            Combo("cboSystem16SampleRate", 1, kSampleRates),
            Combo("cboSystem16Controls", 0,
                  {"Normal Joystick", "MS SideWinder", "Gravis GamePadPro", "SNESPAD at LPT1",
                   "SNESPAD at LPT2", "SNESPAD at LPT3"}),
        },
        {}};
}

GameSettingsTable M72Table() {
    return {"M72.set",
            "C:\\emu\\m72\\ziproms",
            "txtM72RomPath",
            {
                Combo("cboM72VR", 0, {"400 x 300", "512 x 384"}),
                Combo("cboM72FrameSkip", 0, Numbered({"0 (Def.)"}, 1, 8, 1, "", "")),
                Check("chkM72VertDisplay"),
                Check("chkM72Scanlines"),
                Check("chkM72VSync"),
                Check("chkM72Performance"),
                Check("chkM72PPro"),
                Check("chkM72NoJoy"),
                Combo("cboM72SampleRate", 1, kSampleRates),
                Combo("cboM72QuickFire", 0, {"None", "But. 1", "But. 2", "But. 3", "But. 4"}),
            },
            {}};
}

} // namespace

const GameSettingsTable& GameSettingsTableOf(Emu emu) {
    static const PerSection<GameSettingsTable> tables{MameTable(), CallusTable(), RaineTable(),
                                                      System16Table(), M72Table()};
    return tables[Index(emu)];
}

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The slot text of a record item, or nothing when the item does not fit its option.
std::optional<std::string> SlotValue(const GameOption& option, const std::string& item) {
    if (option.kind == OptionKind::Text) {
        size_t digits = !item.empty() && item[0] == '-' ? 1 : 0;
        if (item.size() > digits &&
            item.find_first_not_of("0123456789", digits) == std::string::npos)
            return item;
        return std::nullopt;
    }
    auto number = settings_io::ParseNumber(item);
    bool fits = number && (option.kind == OptionKind::Check
                               ? *number == 0 || *number == 1
                               : *number >= -1 && *number < static_cast<int>(option.items.size()));
    if (!fits)
        return std::nullopt;
    return std::to_string(*number);
}

// Where "key" ends in "line" when the line is a record of "key": the place after the key's
// closing quote, where the line ends or a comma and the ROM folder follow; npos otherwise. A
// record begins with its key in double quotes (bare in a hand-made one). Only the key is read,
// and the item after it up to its first comma: where the name of another game goes on past a
// quote and a comma (the game Jerry against the record of `Jerry", the Mouse`), that item holds
// a quote without beginning with one, and the line is not Jerry's.
size_t KeyEnd(std::string_view line, std::string_view key) {
    constexpr size_t npos = std::string_view::npos;
    if (line.empty())
        return npos;
    const bool quoted = line[0] == '"';
    const size_t start = quoted ? 1 : 0;
    const size_t end = start + key.size() + start;
    if (line.size() < end || line.compare(start, key.size(), key) != 0 ||
        (quoted && line[end - 1] != '"'))
        return npos;
    if (end == line.size())
        return end;
    if (line[end] != ',')
        return npos;
    std::string_view next = line.substr(end + 1);
    size_t first = next.find_first_not_of(" \t");
    if (quoted && first != npos && next[first] != '"' &&
        next.substr(0, next.find(',')).find('"') != npos)
        return npos;
    return end;
}

// What follows the key in the first record of "key"; nothing when it has no record.
std::optional<std::string_view> FindRecord(const std::vector<std::string_view>& lines,
                                           const std::string& key) {
    for (std::string_view line : lines)
        if (size_t end = KeyEnd(line, key); end != std::string_view::npos)
            return line.substr(end);
    return std::nullopt;
}

// The settings of a record from what follows its key on the line: nothing, or a comma and the
// items.
SettingsFields DecodeRecord(const SettingsFiles& files, Emu emu, std::string_view afterKey) {
    const auto& table = GameSettingsTableOf(emu);
    SettingsFields fields = BuiltInDefaults(files, emu);
    if (afterKey.empty())
        return fields;
    std::vector<std::string> items =
        settings_io::SplitItems(afterKey.substr(1), table.options.size() + 1);
    fields[kRomPathSlot] = items[0];
    for (size_t slot = 1; slot <= table.options.size() && slot < items.size(); ++slot)
        if (auto value = SlotValue(table.option(slot), items[slot]))
            fields[slot] = *value;
    return fields;
}

// Why the record of "key" cannot hold its name and the ROM folder of "fields" so that they read
// back as they were; nothing when it can. Both are kept in double quotes without escaping: a line
// break would end the record and a NUL make the file one that is not read, and a quote followed
// by a comma would end the folder there and move every option after it one place on.
std::optional<settings_io::CannotKeep> RecordProblem(const std::string& key,
                                                     const SettingsFields& fields) {
    if (auto problem = settings_io::OneLineProblem("The game", key))
        return problem;
    const std::string& folder = fields[kRomPathSlot];
    const char* const what = "The ROM folder";
    if (auto problem = settings_io::OneLineProblem(what, folder))
        return problem;
    if (settings_io::SplitItems(Quoted(folder) + ",", 1).front() == folder)
        return std::nullopt;
    return settings_io::CannotKeep{what, folder, "a double quote followed by a comma"};
}

} // namespace

// A per-game file as it was read: its bytes cut into lines.
class SettingsText {
public:
    explicit SettingsText(const std::string& path)
        : state_(ReadTextFile(path, bytes_) ? settings_io::FileState::Read
                 : IsMissing(path)          ? settings_io::FileState::Missing
                                            : settings_io::FileState::Unreadable) {
        const std::string_view bytes = bytes_.view();
        asWritten_ = TextStart(bytes) == 0;
        ForEachLine(bytes, [this, bytes](std::string_view line) {
            lines_.push_back(line);
            const size_t end = static_cast<size_t>(line.data() - bytes.data()) + line.size();
            asWritten_ = asWritten_ && end + 1 < bytes.size() && bytes[end] == '\r' &&
                         bytes[end + 1] == '\n';
            return false;
        });
    }
    SettingsText(const SettingsText&) = delete;
    SettingsText& operator=(const SettingsText&) = delete;

    bool ok() const { return state_ == settings_io::FileState::Read; }
    settings_io::FileState state() const { return state_; }
    const std::vector<std::string_view>& lines() const { return lines_; }
    // Whether the file is its lines each followed by CR LF, as a save writes it.
    bool asWritten() const { return asWritten_; }

private:
    FileBytes bytes_;
    settings_io::FileState state_;
    std::vector<std::string_view> lines_;
    bool asWritten_ = false;
};

int Index(const SettingsFields& fields, std::size_t slot) {
    return settings_io::ParseNumber(fields[slot]).value_or(-1);
}

bool Checked(const SettingsFields& fields, std::size_t slot) {
    return fields[slot] == "1";
}

const std::string& Text(const SettingsFields& fields, std::size_t slot) {
    return fields[slot];
}

std::string DefaultRomFolder(const SettingsFiles& files, Emu emu) {
    const std::string& romDir = files.RomDir[Index(emu)];
    return romDir.empty() ? GameSettingsTableOf(emu).fixedRomFolder : romDir;
}

SettingsFields BuiltInDefaults(const SettingsFiles& files, Emu emu) {
    const auto& table = GameSettingsTableOf(emu);
    SettingsFields fields;
    fields[kRomPathSlot] = DefaultRomFolder(files, emu);
    for (size_t slot = 1; slot <= table.options.size(); ++slot)
        fields[slot] = table.option(slot).builtIn;
    return fields;
}

std::string GameSettingsPath(const SettingsFiles& files, Emu emu) {
    return files.path("Cfg", GameSettingsTableOf(emu).fileName);
}

std::string EncodeRecord(Emu emu, const std::string& key, const SettingsFields& fields) {
    const auto& table = GameSettingsTableOf(emu);
    std::string line = Quoted(key) + "," + Quoted(fields[kRomPathSlot]);
    for (size_t slot = 1; slot <= table.options.size(); ++slot) {
        const GameOption& option = table.option(slot);
        line += ',';
        if (option.kind == OptionKind::Text)
            line += Quoted(fields[slot]);
        else
            line += std::to_string(
                settings_io::ParseNumber(fields[slot]).value_or(std::stoi(option.builtIn)));
    }
    return line;
}

GameSettingsFiles::GameSettingsFiles(SettingsFiles& files) : files_(files), kept_(5) {}

GameSettingsFiles::~GameSettingsFiles() = default;

std::shared_ptr<const SettingsText> GameSettingsFiles::read(const std::string& path) {
    std::shared_ptr<const SettingsText> file = kept_.get(path);
    files_.note(path, file->state());
    return file;
}

GameLoad GameSettingsFiles::load(Emu emu, const std::string& key) {
    GameLoad load;
    load.path = GameSettingsPath(files_, emu);
    std::shared_ptr<const SettingsText> file = read(load.path);
    load.file = file->state();
    load.source = SettingsSource::GameRecord;
    std::optional<std::string_view> record = FindRecord(file->lines(), key);
    if (!record && key != kDefaultKey) {
        record = FindRecord(file->lines(), kDefaultKey);
        load.source = SettingsSource::DefaultRecord;
    }
    if (!record)
        load.source = SettingsSource::BuiltIn;
    load.fields = record ? DecodeRecord(files_, emu, *record) : BuiltInDefaults(files_, emu);
    load.Trovato = record.has_value();
    return load;
}

settings_io::SettingsSave GameSettingsFiles::save(Emu emu, const std::string& key,
                                                  const SettingsFields& fields) {
    std::string path = GameSettingsPath(files_, emu);
    if (key.empty())
        return {path, settings_io::SaveStop::NoGame, {}, {}};
    if (auto problem = RecordProblem(key, fields))
        return {path, settings_io::SaveStop::CannotKeep, {}, problem};
    std::shared_ptr<const SettingsText> file = read(path);
    if (file->state() == settings_io::FileState::Unreadable)
        return {path, settings_io::SaveStop::FoundUnreadable, {}, {}};
    const std::string record = EncodeRecord(emu, key, fields);
    const std::vector<std::string_view>& lines = file->lines();
    std::vector<size_t> records;
    bool unchanged = file->asWritten();
    for (size_t at = 0; at < lines.size(); ++at)
        if (KeyEnd(lines[at], key) != std::string_view::npos) {
            records.push_back(at);
            unchanged = unchanged && lines[at] == record;
        }
    if (!records.empty() && unchanged)
        return {path, settings_io::SaveStop::None, {}, {}};
    // The new file as pieces written one after another from where they stand: the kept lines
    // from the old file's bytes, each record of the key from "record".
    constexpr std::string_view kCrLf = "\r\n";
    std::vector<std::string_view> pieces;
    // The lines from "from" up to "to" as a save writes them: in one piece when the file was
    // written so, else each line followed by CR LF.
    auto keep = [&](size_t from, size_t to) {
        if (file->asWritten() && from < to)
            pieces.emplace_back(lines[from].data(), lines[to - 1].data() + lines[to - 1].size() +
                                                        kCrLf.size() - lines[from].data());
        else
            for (size_t at = from; at < to; ++at) {
                pieces.push_back(lines[at]);
                pieces.push_back(kCrLf);
            }
    };
    size_t from = 0;
    for (size_t at : records) {
        keep(from, at);
        pieces.push_back(record);
        pieces.push_back(kCrLf);
        from = at + 1;
    }
    keep(from, lines.size());
    if (records.empty()) {
        pieces.push_back(record);
        pieces.push_back(kCrLf);
    }
    return files_.saveRead(path, pieces);
}

settings_io::SettingsSave GameSettingsFiles::applyToAll(Emu emu, const SettingsFields& fields) {
    std::string path = GameSettingsPath(files_, emu);
    if (auto problem = RecordProblem(kDefaultKey, fields))
        return {path, settings_io::SaveStop::CannotKeep, {}, problem};
    return files_.save(path, JoinCrLf({EncodeRecord(emu, kDefaultKey, fields)}));
}

} // namespace arvok
