// Per-game emulator options: one record per game in DirInst/Cfg/<Base>.set, plus a "[DEFAULT]"
// record that serves every game without one of its own.
//
// A record is one line: the key (game name) and the game's ROM folder as quoted texts, then the
// emulator's options in a fixed order: a combo box as the index of its selected item (-1 for
// none), a check box as 0 or 1, MAME's two screen offsets as quoted texts. For example Raine's
// defaults: "[DEFAULT]","C:\emu\raine\ziproms",0,0,0,0,0
//
// The settings page of a section window and this store meet in SettingsFields: slot 0 holds
// the ROM folder, slot k the option of record item k + 2, each as the text the control takes
// (an index or check value in decimal, an offset text), without quotes. A window binds its
// controls once over the option table (object name and kind per slot), applies a loaded
// SettingsFields with one loop and reads its controls back with another.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/section.h"
#include "platform/file_stamp.h"
#include "settings/settings_io.h"

namespace arvok {

inline constexpr std::size_t kSettingsSlots = 36;
using SettingsFields = std::array<std::string, kSettingsSlots>;

// The slot of the ROM folder, the same in every section.
inline constexpr std::size_t kRomPathSlot = 0;

namespace mame {
enum Slot : std::size_t {
    RomPath,       // txtMameRomPath
    ScreenRes,     // cboMameScreenRes
    Monitor,       // cboMameMonitor
    VesaMode,      // cboMameVesaMode
    Frames,        // cboMameFrames
    SoundCard,     // cboMameSoundCard
    SampleRate,    // cboMameSampleRate
    Controls,      // cboMameControls
    VgaFreq,       // cboMameVgaFreq
    Beam,          // cboMameBeam
    Flicker,       // cboMameFlicker
    SkipR,         // txtMameSkipR (text)
    SkipC,         // txtMameSkipC (text)
    Gamma,         // cboMameGamma
    Scanlines,     // chkMameScanlines
    NTSC,          // chkMameNTSC
    Depth,         // chkMameDepth
    AlwaysSync,    // chkMameAlwaysSync
    Tweaked,       // chkMameTweaked
    NoStretch,     // chkMameNoStretch
    TripleBuffer,  // chkMameTripleBuffer
    WaitInterlace, // chkMameWaitInterlace
    Vsync,         // chkMameVsync
    AntiA,         // chkMameAntiA
    NoTrans,       // chkMameNoTrans
    R90,           // chkMameR90
    L90,           // chkMameL90
    FlipH,         // chkMameFlipH
    FlipV,         // chkMameFlipV
    NoRot,         // chkMameNoRot
    Cheat,         // chkMameCheat
    Record,        // chkMameRecord
    Stereo,        // chkMameStereo
    SixteenBit,    // chkMame16Bit
    Ym3812,        // chkMameYm3812
};
} // namespace mame

namespace callus {
enum Slot : std::size_t {
    RomPath,    // txtCallusRomPath
    HR,         // cboCallusHR
    VR,         // cboCallusVR
    FrameSkip,  // cboCallusFrameSkip
    VSync,      // chkCallusVSync
    HiColor,    // chkCallusHiColor
    FPU,        // chkCallusFPU
    NoVesa,     // chkCallusNoVesa
    Linear,     // chkCallusLinear
    Banked,     // chkCallusBanked
    AltStart,   // chkCallusAltStart
    TwoToThree, // chkCallus2To3
    MultiTask,  // chkCallusMultiTask ("Exclusive")
    SampleRate, // cboCallusSampleRate
    NoSound,    // chkCallusNoSound
    Stereo,     // chkCallusStereo
    Device1,    // cboCallusDevice1
    Device2,    // cboCallusDevice2
    Device3,    // cboCallusDevice3
    Device4,    // cboCallusDevice4
};
} // namespace callus

namespace raine {
enum Slot : std::size_t {
    RomPath,    // txtRaineRomPath
    ScreenMode, // cboRaineScreenMode
    ScreenRes,  // cboRaineScreenRes
    Joystick,   // cboRaineJoystick
    LimitSpeed, // chkRaineLimitSpeed
    EnableGUI,  // chkRaineEnableGUI
};
} // namespace raine

namespace system16 {
enum Slot : std::size_t {
    RomPath,    // txtSystem16RomPath
    HR,         // cboSystem16HR
    VR,         // cboSystem16VR
    FrameSkip,  // cboSystem16FrameSkip
    VSync,      // chkSystem16VSync
    NoJoy,      // chkSystem16NoJoy
    Scanlines,  // chkSystem16Scanlines
    RDTSC,      // chkSystem16RDTSC
    Eagle,      // chkSystem16Eagle
    Scanlines2, // chkSystem16Scanlines2
    Old2151,    // chkSystem16Old2151
    ESC,        // chkSystem16ESC
    RevX,       // chkSystem16RevX
    NoLeds,     // chkSystem16NoLeds
    NoTitle,    // chkSystem16NoTitle
    RevY,       // chkSystem16RevY
    AnalogJoy,  // chkSystem16AnalogJoy
    Soundcard,  // cboSystem16Soundcard
    SampleRate, // cboSystem16SampleRate
    Controls,   // cboSystem16Controls
};
} // namespace system16

namespace m72 {
enum Slot : std::size_t {
    RomPath,     // txtM72RomPath
    VR,          // cboM72VR (enabled only while VertDisplay is checked)
    FrameSkip,   // cboM72FrameSkip
    VertDisplay, // chkM72VertDisplay
    Scanlines,   // chkM72Scanlines
    VSync,       // chkM72VSync
    Performance, // chkM72Performance
    PPro,        // chkM72PPro
    NoJoy,       // chkM72NoJoy
    SampleRate,  // cboM72SampleRate
    QuickFire,   // cboM72QuickFire
};
} // namespace m72

enum class OptionKind {
    Combo, // the index of the selected item, -1 for none
    Check, // 0 clear, 1 checked
    Text,  // a screen offset: an optional "-" and digits; stored in double quotes
};

struct GameOption {
    std::string control; // object name of the settings-page control, e.g. "cboMameScreenRes"
    OptionKind kind;
    std::string builtIn;            // built-in default, as the slot holds it ("14", "1", "0")
    std::vector<std::string> items; // a combo's items in index order; empty for the others
};

struct GameSettingsTable {
    std::string fileName;       // "Mame.set"
    std::string fixedRomFolder; // ROM folder of a game without settings while RomDir is empty
    std::string romPathControl; // "txtMameRomPath": slot 0
    // Record items 3 onwards in record order: options[i] is slot i + 1.
    std::vector<GameOption> options;
    // Controls the built-in defaults clear although no record holds them ("chkMamePlayback").
    std::vector<std::string> clearedByDefaults;

    // The option of a slot (1 .. options.size()).
    const GameOption& option(std::size_t slot) const { return options.at(slot - 1); }
};

const GameSettingsTable& GameSettingsTableOf(Emu emu);

// Typed reads of a slot as the store keeps it: a combo index, a check value (true for 1) and a
// text. Only slots of the section's table are meaningful; the others are empty.
int Index(const SettingsFields& fields, std::size_t slot);
bool Checked(const SettingsFields& fields, std::size_t slot);
const std::string& Text(const SettingsFields& fields, std::size_t slot);

// The key of the "[DEFAULT]" record.
extern const std::string kDefaultKey;

// The ROM folder of a game without settings: the section's RomDir when it is not empty, else the
// section's fixed folder.
std::string DefaultRomFolder(const SettingsFiles& files, Emu emu);
// Every slot of the section at its built-in default, slot 0 at DefaultRomFolder; the slots the
// section does not use are empty.
SettingsFields BuiltInDefaults(const SettingsFiles& files, Emu emu);

// DirInst/Cfg/<Base>.set, names matched without regard to case.
std::string GameSettingsPath(const SettingsFiles& files, Emu emu);

// One record, without its line end.
std::string EncodeRecord(Emu emu, const std::string& key, const SettingsFields& fields);

// Where a load found the settings it returns.
enum class SettingsSource {
    GameRecord,    // the game's own record
    DefaultRecord, // no record for the game; the "[DEFAULT]" record
    BuiltIn,       // neither: the built-in defaults
};

// What a load of a game's settings found.
struct GameLoad {
    SettingsFields fields;
    SettingsSource source = SettingsSource::BuiltIn;
    bool Trovato = false; // a record was found, the game's own or "[DEFAULT]"
    std::string path;     // the per-game file
    settings_io::FileState file = settings_io::FileState::Missing;
};

class SettingsText;

// The per-game files of an installation, each read once and kept while it stays as it was:
// browsing with the settings page shown loads and stores a record at each step through the list.
class GameSettingsFiles {
public:
    explicit GameSettingsFiles(SettingsFiles& files);
    ~GameSettingsFiles();
    GameSettingsFiles(const GameSettingsFiles&) = delete;
    GameSettingsFiles& operator=(const GameSettingsFiles&) = delete;

    // The settings of "key": its record, else the "[DEFAULT]" record, else the built-in
    // defaults. A record is the first line that begins with the key in double quotes, compared
    // exactly, followed by a comma or the line's end; only the key is read to find it, so a key
    // may hold quotes and commas. The record's items are split at commas outside double quotes;
    // quotes are removed where present. An item that is missing or not valid for its option (not
    // a number, an index past the combo's items, a check value other than 0 or 1, an offset that
    // is not an optional "-" and digits) takes its built-in default; items past the section's
    // count are not read. Empty lines are passed over; a missing file reads as an empty one, and
    // so does one that cannot be read. The controls of GameSettingsTable::clearedByDefaults are
    // to be cleared unless the source is GameRecord.
    GameLoad load(Emu emu, const std::string& key);

    // Stores "fields" as the record of "key": every record of the key is replaced in place, or
    // the record is appended when there is none (the file is created when missing). An empty key
    // is refused. So are a key and a ROM folder that the record cannot hold so that they read back
    // as they were (one holding a line break or a NUL, a folder holding a double quote followed
    // by a comma). A file that exists but cannot be read is left alone. A store that would leave
    // the file byte for byte as it is writes nothing. The file is otherwise rewritten through a
    // temporary file; when that fails the old file stays as it was.
    settings_io::SettingsSave save(Emu emu, const std::string& key, const SettingsFields& fields);

    // Replaces the whole file by the single "[DEFAULT]" record of "fields" (the "All" button);
    // refusals and failures as save.
    settings_io::SettingsSave applyToAll(Emu emu, const SettingsFields& fields);

private:
    std::shared_ptr<const SettingsText> read(const std::string& path);

    SettingsFiles& files_;
    KeptFiles<SettingsText> kept_;
};

} // namespace arvok
