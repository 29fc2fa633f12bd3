#include "launch/command_line.h"

#include <vector>

#include "platform/clock.h"

namespace arvok {

namespace {

enum class Kind {
    Combo,     // texts[index]; "none" for no selection; an index past the list gives nothing
    Check,     // texts[0] while ticked
    Unchecked, // texts[0] while not ticked
    Offset,    // texts[0] and the text, unless the text is "0"
    Gamma,     // texts[0] and the combo box's item, unless the item is the neutral "1.20"
    Record,    // texts[0] and the record name, while ticked
    Playback,  // texts[0] and the recording's name less ".inp", while Playback is ticked
};

enum class Gate {
    Always,
    WhileEnabled,      // only while the resolution combo box is enabled
    WhileOtherNotZero, // only while the slot "gateSlot" holds anything but 0
    WhileUnchecked,    // only while the check box of slot "gateSlot" is not ticked
};

struct Switch {
    std::size_t slot;
    Kind kind;
    std::vector<std::string> texts;
    std::string none;
    Gate gate = Gate::Always;
    std::size_t gateSlot = 0;
};

struct CommandTable {
    const char* beforeSet; // between the program and the set
    const char* afterSet;  // right after the set
    std::vector<Switch> switches;
};

Switch Combo(std::size_t slot, std::vector<std::string> texts, std::string none = {}) {
    return {slot, Kind::Combo, std::move(texts), std::move(none)};
}

Switch Check(std::size_t slot, std::string text) {
    return {slot, Kind::Check, {std::move(text)}, {}};
}

Switch Gated(Switch s, Gate gate, std::size_t gateSlot = 0) {
    s.gate = gate;
    s.gateSlot = gateSlot;
    return s;
}

// "count" items: the first gives nothing, item i (from 1) gives the prefix and the number
// first + (i - 1) * step, followed by "suffix". Whole numbers only, so the text does not depend
// on the locale.
std::vector<std::string> Numbered(const std::string& prefix, int count, int first, int step,
                                  const std::string& suffix = {}) {
    std::vector<std::string> texts{""};
    for (int i = 1; i < count; ++i)
        texts.push_back(prefix + std::to_string(first + (i - 1) * step) + suffix);
    return texts;
}

std::vector<std::string> Prefixed(const std::string& prefix,
                                  const std::vector<std::string>& items) {
    std::vector<std::string> texts;
    for (const std::string& item : items)
        texts.push_back(item.empty() ? item : prefix + item);
    return texts;
}

// By index, not in the order the combo boxes show their items; the last two give nothing.
const std::vector<std::string> kCallusResolutions{
    "320 200", "320 240", "320 400", "320 480", "384 224",  "384 257", "400 300", "512 384",
    "640 350", "640 400", "640 480", "800 600", "1024 768", "",        ""};

// Callus's device lists; player 2 has the second joystick on both joystick items.
Switch CallusDevice(std::size_t slot, int player) {
    std::string second = player == 2 ? "JOY2" : "JOY1";
    std::vector<std::string> devices{"KEY1",  "KEY2",    "KEY3",     "KEY4",        second,
                                     "JOY2",  "4BUTTON", "6BUTTON",  "SIDEWINDER1", "SIDEWINDER2",
                                     "GRIP1", "GRIP2",   "SNESPAD1", "SNESPAD2"};
    std::string prefix = " -setinput " + std::to_string(player) + " ";
    return Combo(slot, Prefixed(prefix, devices), player == 1 ? prefix + "KEY1" : "");
}

CommandTable MameTable() {
    using namespace mame;
    return {
        " ",
        " -ignorecfg",
        {
            Gated(Combo(ScreenRes, Prefixed(" -resolution ", {"", "320x240", "400x300", "512x384",
                                                              "640x480", "800x600", "1024x768"})),
                  Gate::WhileEnabled),
            Combo(Monitor, Prefixed(" -monitor ", {"", "ntsc", "pal", "arcade"})),
            Combo(Frames, Numbered(" -frameskip ", 12, 1, 1)),
            Combo(SoundCard, Prefixed(" -soundcard ", {"0", "1", "3", "4", "5", "6", "7"})),
            Gated(Combo(SampleRate, {" -sr 11025", "", " -sr 44100"}), Gate::WhileOtherNotZero,
                  SoundCard),
            Combo(Controls, Prefixed(" -joy ", {"", "standard", "dual", "4button", "6button",
                                                "8button", "fspro", "wingex", "sidewinder",
                                                "gamepadpro", "sneslpt1", "sneslpt2", "sneslpt3"})),
            Combo(VgaFreq, Numbered(" -vgafreq ", 4, 1, 1)),
            Combo(Beam, Numbered(" -beam ", 16, 2, 1, ".00")),
            Combo(Flicker, Numbered(" -flicker ", 21, 5, 5, ".00")),
            {SkipR, Kind::Offset, {" -skiplines "}, {}},
            {SkipC, Kind::Offset, {" -skipcolumns "}, {}},
            {Gamma, Kind::Gamma, {" -gamma "}, {}},
            Check(Scanlines, " -noscanlines"),
            Check(NTSC, " -ntsc"),
            Check(Depth, " -depth 8"),
            Check(AlwaysSync, " -alwayssynced"),
            Check(Tweaked, " -tweak"),
            Combo(VesaMode, Prefixed(" -vesamode ", {"", "vesa1", "vesa2b", "vesa2l", "vesa3"})),
            Check(NoStretch, " -nostretch"),
            Check(TripleBuffer, " -trpilebuffer"),
            Check(WaitInterlace, " -waitinterlace"),
            Check(Vsync, " -vsync"),
            Check(AntiA, " -aa"),
            Check(NoTrans, " -notranslucency"),
            Check(R90, " -ror"),
            Check(L90, " -rol"),
            Check(FlipH, " -flipx"),
            Check(FlipV, " -flipy"),
            Check(NoRot, " -norotate"),
            Check(Cheat, " -cheat"),
            {Record, Kind::Record, {" -record "}, {}},
            {0, Kind::Playback, {" -playback "}, {}}, // not a stored option: no slot
            Check(Stereo, " -nostereo"),
            Check(SixteenBit, " -sb 16"),
            Check(Ym3812, " -noym3812opl"),
        }};
}

// The page's Stereo, Hi-Color and 2To3 boxes are kept with the game's settings but are not
// passed to the emulator: its line is these sixteen switches.
CommandTable CallusTable() {
    using namespace callus;
    return {" ",
            "",
            {
                Combo(VR, Prefixed(" -resv ", kCallusResolutions), " -resv 640 480"),
                Combo(HR, Prefixed(" -res ", kCallusResolutions), " -res 384 257"),
                Combo(FrameSkip,
                      Prefixed(" -frameskip ", {"AUTO", "1", "2", "3", "4", "5", "6", "7", "8"}),
                      " -frameskip AUTO"),
                Check(NoSound, " -nosound"),
                Gated(Combo(SampleRate, Prefixed(" -sndrate ", {"11025", "22050", "44100"}),
                            " -sndrate 22050"),
                      Gate::WhileUnchecked, NoSound),
                Check(VSync, " -vsync ON"),
                Check(NoVesa, " -novesa"),
                Check(Linear, " -linear"),
                Check(Banked, " -banked"),
                Check(MultiTask, " -exclusive"),
                Check(AltStart, " -altkey"),
                Check(FPU, " -fpucopy"),
                CallusDevice(Device1, 1),
                CallusDevice(Device2, 2),
                CallusDevice(Device3, 3),
                CallusDevice(Device4, 4),
            }};
}

CommandTable RaineTable() {
    using namespace raine;
    return {
        " -game ",
        "",
        {
            {EnableGUI, Kind::Unchecked, {" -nogui"}, {}},
            Combo(ScreenMode, Prefixed(" -screenmode ", {"0", "VGA", "MODX", "VBE1", "VB2B", "VB2L",
                                                         "VB3", "VBAF", "XTND"})),
            Combo(ScreenRes, Prefixed(" -screenx ",
                                      {"320 -screeny 200", "320 -screeny 240", "400 -screeny 300",
                                       "512 -screeny 384", "640 -screeny 400", "640 -screeny 480",
                                       "800 -screeny 600", "1024 -screeny 768",
                                       "1280 -screeny 1024", "1600 -screeny 1200"})),
            Check(LimitSpeed, " -limitspeed"),
            Combo(Joystick, Prefixed(" -joystick ", {"-1", "0", "STD", "2PAD", "4BUT", "6BUT",
                                                     "8BUT", "FPRO", "WING", "SW", "GPRO", "SNE1",
                                                     "SNE2", "SNE3", "WWAR", "SEGI", "SWB"})),
        }};
}

CommandTable System16Table() {
    using namespace system16;
    return {" ",
            "",
            {
                Combo(HR, Prefixed(" -RX ", {"224", "254", "320", "384", "400", "512", "640", "800",
                                             "1024"})),
                Combo(VR, Prefixed(" -RY ", {"200", "224", "240", "257", "300", "350", "384", "400",
                                             "480", "600", "768"})),
                Combo(FrameSkip, Numbered(" -FRAME ", 8, 2, 1)),
                Check(VSync, " -VSYNC"),
                Check(RDTSC, " -NORDTSC"),
                Check(NoJoy, " -NOJOY"),
                Check(Eagle, " -EAGLE"),
                Check(Scanlines, " -SCANLINES"),
                Check(Scanlines2, " -SCANLINES2"),
                Check(Old2151, " -OLD2151"),
                Check(NoLeds, " -NOLEDS"),
                Check(ESC, " -ESCEXIT"),
                Check(NoTitle, " -NOTITLE"),
                Check(RevX, " -REVERSEX"),
                Check(RevY, " -REVERSEY"),
                Combo(Soundcard, Prefixed(" -SOUNDCARD ", {"0", "1", "3", "4", "5", "6", "7"})),
                Combo(SampleRate, Prefixed(" -R ", {"11025", "22050", "44100"})),
                Combo(Controls, Prefixed(" -JOYTYPE ", {"3", "8", "9", "10", "11", "12"})),
                Check(AnalogJoy, " -JOY"),
            }};
}

CommandTable M72Table() {
    using namespace m72;
    return {" ",
            "",
            {
                Gated(Combo(VR, {" -res 400x300", " -res 512x384"}), Gate::WhileEnabled),
                Combo(FrameSkip, Numbered(" -skip ", 9, 1, 1)),
                Check(VertDisplay, " -vert"),
                Check(Scanlines, " -scanlines"),
                Check(VSync, " -vsync"),
                Check(Performance, " -perf"),
                Check(PPro, " -ppro"),
                Check(NoJoy, " -nojoy"),
                Combo(SampleRate, Prefixed(" -r ", {"11025", "22050", "44100"})),
                Combo(QuickFire, Numbered(" -qf ", 5, 1, 1)),
            }};
}

const CommandTable& TableOf(Emu emu) {
    static const PerSection<CommandTable> tables{MameTable(), CallusTable(), RaineTable(),
                                                 System16Table(), M72Table()};
    return tables[Index(emu)];
}

std::string TwoDigits(int value) {
    return std::string{static_cast<char>('0' + value / 10 % 10),
                       static_cast<char>('0' + value % 10)};
}

bool GateOpen(const Switch& s, const GameOptions& options) {
    switch (s.gate) {
    case Gate::Always:
        return true;
    case Gate::WhileEnabled:
        return options.resolutionEnabled;
    case Gate::WhileOtherNotZero:
        return Index(options.fields, s.gateSlot) != 0;
    case Gate::WhileUnchecked:
        return !Checked(options.fields, s.gateSlot);
    }
    return false;
}

std::string SwitchText(const Switch& s, const std::string& set, const GameOptions& options) {
    const SettingsFields& fields = options.fields;
    switch (s.kind) {
    case Kind::Combo: {
        int index = Index(fields, s.slot);
        if (index < 0)
            return s.none;
        return static_cast<std::size_t>(index) < s.texts.size() ? s.texts[index] : std::string();
    }
    case Kind::Check:
        return Checked(fields, s.slot) ? s.texts[0] : std::string();
    case Kind::Unchecked:
        return Checked(fields, s.slot) ? std::string() : s.texts[0];
    case Kind::Offset:
        return Text(fields, s.slot) == "0" ? std::string() : s.texts[0] + Text(fields, s.slot);
    case Kind::Gamma: {
        const std::vector<std::string>& items = GameSettingsTableOf(Emu::Mame).option(s.slot).items;
        int index = Index(fields, s.slot);
        bool listed = index >= 0 && static_cast<std::size_t>(index) < items.size();
        std::string item = listed ? items[index] : std::string();
        return item == "1.20" ? std::string() : s.texts[0] + item;
    }
    case Kind::Record:
        return Checked(fields, s.slot) ? s.texts[0] + RecordName(set, LocalNow()) : std::string();
    case Kind::Playback: {
        // A name no longer than its extension names no recording: no switch.
        const std::string& name = options.inpName;
        if (!options.playback || name.size() <= 4)
            return {};
        return s.texts[0] + name.substr(0, name.size() - 4);
    }
    }
    return {};
}

} // namespace

std::string RecordName(const std::string& set, const std::tm& now) {
    return set + "_" + TwoDigits(now.tm_hour) + TwoDigits(now.tm_min) + TwoDigits(now.tm_sec) +
           "-" + TwoDigits(now.tm_mday) + TwoDigits(now.tm_mon + 1) + TwoDigits(now.tm_year % 100);
}

std::string CommandLine(Emu emu, const std::string& program, const std::string& set,
                        const GameOptions& options) {
    const CommandTable& table = TableOf(emu);
    std::string line = program + table.beforeSet + set + table.afterSet;
    for (const Switch& s : table.switches)
        if (GateOpen(s, options))
            line += SwitchText(s, set, options);
    return line;
}

} // namespace arvok
