#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "launch/command_line.h"
#include "platform/clock.h"
#include "settings/settings_fixture.h"

namespace arvok {
namespace {

GameOptions Defaults(Emu emu) {
    GameOptions options;
    options.fields = BuiltInDefaults(emu);
    return options;
}

// The built-in defaults with slots set from slot, value pairs.
template <class... Pairs> GameOptions With(Emu emu, Pairs... pairs) {
    GameOptions options;
    options.fields = arvok::With(BuiltInDefaults(emu), pairs...);
    return options;
}

// The switches after the head "prog set -ignorecfg".
std::string MameSwitches(const GameOptions& options) {
    std::string line = CommandLine(Emu::Mame, "prog", "set", options);
    const std::string head = "prog set -ignorecfg";
    EXPECT_EQ(line.substr(0, head.size()), head);
    return line.substr(head.size());
}

TEST(MameCommandLine, DefaultsAndFirstItemsLeaveOnlyTheSoundCard) {
    using namespace mame;
    EXPECT_EQ(CommandLine(Emu::Mame, "/opt/my mame/mame", "pacman", Defaults(Emu::Mame)),
              "/opt/my mame/mame pacman -ignorecfg -soundcard 1");
    GameOptions first = With(Emu::Mame, SoundCard, "0", SampleRate, "0", Gamma, "14");
    EXPECT_EQ(MameSwitches(first), " -soundcard 0");
}

TEST(MameCommandLine, EachOptionInItsPlaceWithTheTextOfItsItem) {
    using namespace mame;
    GameOptions all = With(Emu::Mame, ScreenRes, "6", Monitor, "3", Frames, "11", SoundCard, "2",
                           SampleRate, "2", Controls, "12", VgaFreq, "3", Beam, "15", Flicker, "20",
                           SkipR, "-3", SkipC, "12", Gamma, "30", VesaMode, "4");
    for (std::size_t slot = Scanlines; slot <= Ym3812; ++slot)
        if (slot != VesaMode && slot != Record)
            all.fields[slot] = "1";
    EXPECT_EQ(MameSwitches(all),
              " -resolution 1024x768 -monitor arcade -frameskip 11 -soundcard 3 -sr 44100"
              " -joy sneslpt3 -vgafreq 3 -beam 16.00 -flicker 100.00 -skiplines -3"
              " -skipcolumns 12 -gamma 2.00 -noscanlines -ntsc -depth 8 -alwayssynced -tweak"
              " -vesamode vesa3 -nostretch -trpilebuffer -waitinterlace -vsync -aa"
              " -notranslucency -ror -rol -flipx -flipy -norotate -cheat -nostereo -sb 16"
              " -noym3812opl");

    GameOptions low = With(Emu::Mame, ScreenRes, "1", Frames, "1", Beam, "1", Flicker, "1", Gamma,
                           "0", Controls, "1");
    EXPECT_EQ(MameSwitches(low), " -resolution 320x240 -frameskip 1 -soundcard 1 -joy standard"
                                 " -beam 2.00 -flicker 5.00 -gamma 0.50");

    // Every item of the monitor and VESA lists gives its own word, in its place.
    const std::vector<std::pair<std::size_t, std::vector<const char*>>> lists{
        {Monitor,
         {" -soundcard 1", " -monitor ntsc -soundcard 1", " -monitor pal -soundcard 1",
          " -monitor arcade -soundcard 1"}},
        {VesaMode,
         {" -soundcard 1", " -soundcard 1 -vesamode vesa1", " -soundcard 1 -vesamode vesa2b",
          " -soundcard 1 -vesamode vesa2l", " -soundcard 1 -vesamode vesa3"}}};
    for (const auto& [slot, lines] : lists)
        for (std::size_t index = 0; index < lines.size(); ++index) {
            std::string text = std::to_string(index);
            EXPECT_EQ(MameSwitches(With(Emu::Mame, slot, text.c_str())), lines[index])
                << slot << " " << index;
        }

    // A grayed box (2) counts as not ticked.
    EXPECT_EQ(MameSwitches(With(Emu::Mame, Cheat, "2", R90, "1")), " -soundcard 1 -ror");
}

TEST(MameCommandLine, GatedAndNeutralValuesGiveNoSwitch) {
    using namespace mame;
    // Sample rate only beside a sound card; 22.050 is the emulator's own default.
    EXPECT_EQ(MameSwitches(With(Emu::Mame, SoundCard, "0", SampleRate, "2")), " -soundcard 0");
    EXPECT_EQ(MameSwitches(With(Emu::Mame, SoundCard, "1", SampleRate, "1")), " -soundcard 1");
    EXPECT_EQ(MameSwitches(With(Emu::Mame, SoundCard, "-1", SampleRate, "0")), " -sr 11025");

    GameOptions disabled = With(Emu::Mame, ScreenRes, "4");
    disabled.resolutionEnabled = false;
    EXPECT_EQ(MameSwitches(disabled), " -soundcard 1");

    // Offsets are passed as typed unless they are exactly "0"; gamma without a selection
    // still gives its switch.
    EXPECT_EQ(MameSwitches(With(Emu::Mame, SkipR, "", SkipC, "00", Gamma, "-1")),
              " -soundcard 1 -skiplines  -skipcolumns 00 -gamma ");
}

TEST(MameCommandLine, RecordNameFromTheClockAndPlaybackWithoutItsExtension) {
    using namespace mame;
    std::tm when{};
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 7;
    when.tm_mday = 7;
    when.tm_mon = 1;
    when.tm_year = 99;
    SetClock([when] { return when; });

    GameOptions both = With(Emu::Mame, Record, "1", Stereo, "1");
    both.playback = true;
    both.inpName = "take1.inp";
    EXPECT_EQ(MameSwitches(both),
              " -soundcard 1 -record set_090507-070299 -playback take1 -nostereo");

    when.tm_hour = 23;
    when.tm_year = 100;
    SetClock([when] { return when; });
    EXPECT_EQ(RecordName("galaga", LocalNow()), "galaga_230507-070200");
    SetClock({});

    // No recording chosen: no playback switch, and nothing cut from a short name.
    GameOptions unnamed = Defaults(Emu::Mame);
    unnamed.playback = true;
    for (const char* name : {"", "ab", ".inp"}) {
        unnamed.inpName = name;
        EXPECT_EQ(MameSwitches(unnamed), " -soundcard 1") << name;
    }
}

// Writes decimals with a comma, in the C++ library and, where the system has such a locale, in
// the C library too.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(MameCommandLine, DecimalsKeepTheirPointUnderACommaLocale) {
    std::locale saved = std::locale::global(std::locale(std::locale(), new CommaDecimals));
    std::string savedC = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "it_IT.UTF-8"})
        if (std::setlocale(LC_ALL, name))
            break;
    using namespace mame;
    std::string line = MameSwitches(With(Emu::Mame, Beam, "1", Flicker, "3", Gamma, "1"));
    std::setlocale(LC_ALL, savedC.c_str());
    std::locale::global(saved);
    EXPECT_EQ(line, " -soundcard 1 -beam 2.00 -flicker 15.00 -gamma 0.55");
}

TEST(CallusCommandLine, ExampleAndTheIndexRulesOfItsLists) {
    using namespace callus;
    EXPECT_EQ(CommandLine(Emu::Callus, "C:\\emu\\callus\\emu.exe", "abc", Defaults(Emu::Callus)),
              "C:\\emu\\callus\\emu.exe abc -resv 640 480 -res 640 480 -frameskip AUTO"
              " -sndrate 22050 -setinput 1 KEY1 -setinput 2 KEY1 -setinput 3 KEY1"
              " -setinput 4 KEY1");

    // Resolutions follow the index, not the shown item; the last two items give nothing.
    GameOptions res = With(Emu::Callus, VR, "13", HR, "2", FrameSkip, "8");
    EXPECT_EQ(CommandLine(Emu::Callus, "p", "s", res),
              "p s -res 320 400 -frameskip 8 -sndrate 22050 -setinput 1 KEY1 -setinput 2 KEY1"
              " -setinput 3 KEY1 -setinput 4 KEY1");
    GameOptions none = With(Emu::Callus, VR, "-1", HR, "-1", FrameSkip, "-1", SampleRate, "-1",
                            Device1, "-1", Device2, "-1", Device3, "-1", Device4, "-1");
    EXPECT_EQ(CommandLine(Emu::Callus, "p", "s", none),
              "p s -resv 640 480 -res 384 257 -frameskip AUTO -sndrate 22050 -setinput 1 KEY1");

    GameOptions quiet =
        With(Emu::Callus, NoSound, "1", SampleRate, "2", VSync, "1", MultiTask, "1", AltStart, "1",
             FPU, "1", NoVesa, "1", Linear, "1", Banked, "1", Stereo, "1", HiColor, "1", TwoToThree,
             "1", Device1, "13", Device2, "4", Device3, "4", Device4, "5");
    EXPECT_EQ(CommandLine(Emu::Callus, "p", "s", quiet),
              "p s -resv 640 480 -res 640 480 -frameskip AUTO -nosound -vsync ON -novesa"
              " -linear -banked -exclusive -altkey -fpucopy -setinput 1 SNESPAD2"
              " -setinput 2 JOY2 -setinput 3 JOY1 -setinput 4 JOY2");
}

TEST(CallusCommandLine, OnlyATickedNoSoundBoxSilencesTheSampleRate) {
    // A value other than "1" leaves the box clear: no " -nosound", so the sample rate stays.
    for (const char* value : {"2", "-1", ""}) {
        std::string line =
            CommandLine(Emu::Callus, "p", "s", With(Emu::Callus, callus::NoSound, value));
        EXPECT_EQ(line.find(" -nosound"), std::string::npos) << value;
        EXPECT_NE(line.find(" -sndrate 22050"), std::string::npos) << value;
    }
}

TEST(RaineCommandLine, ExampleAndTheInterfaceSwitch) {
    using namespace raine;
    GameOptions example = With(Emu::Raine, EnableGUI, "1");
    EXPECT_EQ(CommandLine(Emu::Raine, "C:\\emu\\raine\\emu.exe", "abc", example),
              "C:\\emu\\raine\\emu.exe -game abc -screenmode 0 -screenx 320 -screeny 200"
              " -joystick -1");
    GameOptions last =
        With(Emu::Raine, ScreenMode, "8", ScreenRes, "9", Joystick, "16", LimitSpeed, "1");
    EXPECT_EQ(CommandLine(Emu::Raine, "p", "abc", last),
              "p -game abc -nogui -screenmode XTND -screenx 1600 -screeny 1200 -limitspeed"
              " -joystick SWB");
    GameOptions silent =
        With(Emu::Raine, EnableGUI, "1", ScreenMode, "-1", ScreenRes, "10", Joystick, "-1");
    EXPECT_EQ(CommandLine(Emu::Raine, "p", "abc", silent), "p -game abc");
}

TEST(System16CommandLine, ExampleFrameSkipAndSoundCard) {
    using namespace system16;
    EXPECT_EQ(
        CommandLine(Emu::System16, "C:\\emu\\system16\\emu.exe", "abc", Defaults(Emu::System16)),
        "C:\\emu\\system16\\emu.exe abc -RX 320 -RY 240 -SCANLINES -NOTITLE -SOUNDCARD 0"
        " -R 22050 -JOYTYPE 3");
    GameOptions other = With(Emu::System16, HR, "8", VR, "10", FrameSkip, "7", Soundcard, "2",
                             SampleRate, "2", Controls, "5", Scanlines, "0", NoTitle, "0", VSync,
                             "1", RDTSC, "1", ESC, "1", RevX, "1", RevY, "1", AnalogJoy, "1");
    EXPECT_EQ(CommandLine(Emu::System16, "p", "s", other),
              "p s -RX 1024 -RY 768 -FRAME 8 -VSYNC -NORDTSC -ESCEXIT -REVERSEX -REVERSEY"
              " -SOUNDCARD 3 -R 44100 -JOYTYPE 12 -JOY");
}

TEST(M72CommandLine, ExampleAndTheResolutionOnlyWhileEnabled) {
    using namespace m72;
    GameOptions example = With(Emu::M72, VertDisplay, "1", VR, "1");
    EXPECT_EQ(CommandLine(Emu::M72, "C:\\emu\\m72\\emu.exe", "abc", example),
              "C:\\emu\\m72\\emu.exe abc -res 512x384 -vert -r 22050");
    example.resolutionEnabled = false;
    EXPECT_EQ(CommandLine(Emu::M72, "p", "abc", example), "p abc -vert -r 22050");
    GameOptions rest = With(Emu::M72, FrameSkip, "8", QuickFire, "4", SampleRate, "0", Scanlines,
                            "1", VSync, "1", Performance, "1", PPro, "1", NoJoy, "1");
    EXPECT_EQ(CommandLine(Emu::M72, "p", "abc", rest),
              "p abc -res 400x300 -skip 8 -scanlines -vsync -perf -ppro -nojoy -r 11025 -qf 4");
}

} // namespace
} // namespace arvok
