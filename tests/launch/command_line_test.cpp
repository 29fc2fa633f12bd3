#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "launch/command_line.h"
#include "settings/settings_fixture.h"

namespace arvok {
namespace {

// The built-in defaults with slots set from slot, value pairs.
template <class... Pairs> GameOptions With(Emu emu, Pairs... pairs) {
    GameOptions options;
    options.fields = arvok::With(BuiltInDefaults(SettingsFiles(""), emu), pairs...);
    return options;
}

// The switches after the head "prog set -ignorecfg".
std::string MameSwitches(const GameOptions& options) {
    std::string line = CommandLine(Emu::Mame, "prog", "set", options);
    const std::string head = "prog set -ignorecfg";
    EXPECT_EQ(line.substr(0, head.size()), head);
    return line.substr(head.size());
}

// What the settings page does not give: a combo box with nothing selected, a grayed box, a
// disabled resolution combo box, an empty offset, a program path with a blank.
TEST(MameCommandLine, NoSelectionAGrayedBoxAndADisabledComboBoxFollowTheirOwnRules) {
    using namespace mame;
    EXPECT_EQ(CommandLine(Emu::Mame, "/opt/my mame/mame", "pacman", With(Emu::Mame)),
              "/opt/my mame/mame pacman -ignorecfg -soundcard 1");
    // A sound card without a selection counts as one for the sample rate.
    EXPECT_EQ(MameSwitches(With(Emu::Mame, SoundCard, "-1", SampleRate, "0")), " -sr 11025");

    GameOptions disabled = With(Emu::Mame, ScreenRes, "4");
    disabled.resolutionEnabled = false;
    EXPECT_EQ(MameSwitches(disabled), " -soundcard 1");

    // Gamma without a selection still gives its switch.
    EXPECT_EQ(MameSwitches(With(Emu::Mame, SkipR, "", Gamma, "-1")),
              " -soundcard 1 -skiplines  -gamma ");
    // A grayed box (2) counts as not ticked.
    EXPECT_EQ(MameSwitches(With(Emu::Mame, Cheat, "2", R90, "1")), " -soundcard 1 -ror");
}

TEST(MameCommandLine, RecordNameKeepsTheHourAndYearToTwoDigitsAndPlaybackNeedsARecording) {
    EXPECT_EQ(RecordName("galaga", test::Moment(23, 5, 7, 7, 2, 2000)), "galaga_230507-070200");
    // No recording chosen: no playback switch, and nothing cut from a short name.
    GameOptions unnamed = With(Emu::Mame);
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

TEST(CallusCommandLine, ListsWithNothingSelectedGiveTheirOwnDefaults) {
    using namespace callus;
    GameOptions none = With(Emu::Callus, VR, "-1", HR, "-1", FrameSkip, "-1", SampleRate, "-1",
                            Device1, "-1", Device2, "-1", Device3, "-1", Device4, "-1");
    EXPECT_EQ(CommandLine(Emu::Callus, "p", "s", none),
              "p s -resv 640 480 -res 384 257 -frameskip AUTO -sndrate 22050 -setinput 1 KEY1");
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

TEST(RaineCommandLine, ListsWithNothingSelectedOrPastTheirItemsGiveNothing) {
    using namespace raine;
    GameOptions silent =
        With(Emu::Raine, EnableGUI, "1", ScreenMode, "-1", ScreenRes, "10", Joystick, "-1");
    EXPECT_EQ(CommandLine(Emu::Raine, "p", "abc", silent), "p -game abc");
}

} // namespace
} // namespace arvok
