#include "settings/game_settings.h"

#include <sys/stat.h>

#include "platform/path.h"
#include "settings_fixture.h"
#include "support/shown_texts.h"

namespace arvok {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using test::WriteLines;

std::string SetPath(const test::TempDir& dir, Emu emu) {
    return dir / ("Cfg/" + std::string(Section(emu).baseName) + ".set");
}

// What the settings page shows for a slot: a combo's item text, else the stored text.
std::string Shown(Emu emu, const SettingsFields& fields, size_t slot) {
    const GameOption& option = GameSettingsTableOf(emu).option(slot);
    if (option.kind != OptionKind::Combo)
        return fields[slot];
    int index = Index(fields, slot);
    return index < 0 ? "<none>" : option.items.at(index);
}

struct Row {
    size_t slot;
    const char* control;
    const char* shownByDefault;
    size_t comboItems;
};

struct Layout {
    Emu emu;
    size_t recordItems;
    std::vector<Row> rows; // in record order
};

std::vector<Layout> Layouts() {
    return {
        {Emu::Mame,
         36,
         {{mame::ScreenRes, "cboMameScreenRes", "Auto", 7},
          {mame::Monitor, "cboMameMonitor", "PC Monitor", 4},
          {mame::VesaMode, "cboMameVesaMode", "Auto", 5},
          {mame::Frames, "cboMameFrames", "Auto", 12},
          {mame::SoundCard, "cboMameSoundCard", "Sound Blaster", 7},
          {mame::SampleRate, "cboMameSampleRate", "22.050 Khz", 3},
          {mame::Controls, "cboMameControls", "Keyboard", 13},
          {mame::VgaFreq, "cboMameVgaFreq", "0", 4},
          {mame::Beam, "cboMameBeam", "1.00", 16},
          {mame::Flicker, "cboMameFlicker", "None", 21},
          {mame::SkipR, "txtMameSkipR", "0", 0},
          {mame::SkipC, "txtMameSkipC", "0", 0},
          {mame::Gamma, "cboMameGamma", "1.20", 31},
          {mame::Scanlines, "chkMameScanlines", "0", 0},
          {mame::NTSC, "chkMameNTSC", "0", 0},
          {mame::Depth, "chkMameDepth", "0", 0},
          {mame::AlwaysSync, "chkMameAlwaysSync", "0", 0},
          {mame::Tweaked, "chkMameTweaked", "0", 0},
          {mame::NoStretch, "chkMameNoStretch", "0", 0},
          {mame::TripleBuffer, "chkMameTripleBuffer", "0", 0},
          {mame::WaitInterlace, "chkMameWaitInterlace", "0", 0},
          {mame::Vsync, "chkMameVsync", "0", 0},
          {mame::AntiA, "chkMameAntiA", "0", 0},
          {mame::NoTrans, "chkMameNoTrans", "0", 0},
          {mame::R90, "chkMameR90", "0", 0},
          {mame::L90, "chkMameL90", "0", 0},
          {mame::FlipH, "chkMameFlipH", "0", 0},
          {mame::FlipV, "chkMameFlipV", "0", 0},
          {mame::NoRot, "chkMameNoRot", "0", 0},
          {mame::Cheat, "chkMameCheat", "0", 0},
          {mame::Record, "chkMameRecord", "0", 0},
          {mame::Stereo, "chkMameStereo", "0", 0},
          {mame::SixteenBit, "chkMame16Bit", "0", 0},
          {mame::Ym3812, "chkMameYm3812", "0", 0}}},
        {Emu::Callus,
         21,
         {{callus::HR, "cboCallusHR", "640x480", 15},
          {callus::VR, "cboCallusVR", "640x480", 15},
          {callus::FrameSkip, "cboCallusFrameSkip", "Auto", 9},
          {callus::VSync, "chkCallusVSync", "0", 0},
          {callus::HiColor, "chkCallusHiColor", "0", 0},
          {callus::FPU, "chkCallusFPU", "0", 0},
          {callus::NoVesa, "chkCallusNoVesa", "0", 0},
          {callus::Linear, "chkCallusLinear", "0", 0},
          {callus::Banked, "chkCallusBanked", "0", 0},
          {callus::AltStart, "chkCallusAltStart", "0", 0},
          {callus::TwoToThree, "chkCallus2To3", "0", 0},
          {callus::MultiTask, "chkCallusMultiTask", "0", 0},
          {callus::SampleRate, "cboCallusSampleRate", "22.050 Khz", 3},
          {callus::NoSound, "chkCallusNoSound", "0", 0},
          {callus::Stereo, "chkCallusStereo", "0", 0},
          {callus::Device1, "cboCallusDevice1", "Keyboard Lay. 1", 14},
          {callus::Device2, "cboCallusDevice2", "Keyboard L.1", 14},
          {callus::Device3, "cboCallusDevice3", "Keyboard L.1", 14},
          {callus::Device4, "cboCallusDevice4", "Keyboard L.1", 14}}},
        {Emu::Raine,
         7,
         {{raine::ScreenMode, "cboRaineScreenMode", "Autodetect", 9},
          {raine::ScreenRes, "cboRaineScreenRes", "320 x 200", 10},
          {raine::Joystick, "cboRaineJoystick", "Autodetect", 17},
          {raine::LimitSpeed, "chkRaineLimitSpeed", "0", 0},
          {raine::EnableGUI, "chkRaineEnableGUI", "0", 0}}},
        {Emu::System16,
         21,
         {{system16::HR, "cboSystem16HR", "320", 9},
          {system16::VR, "cboSystem16VR", "240", 11},
          {system16::FrameSkip, "cboSystem16FrameSkip", "1 (Def.)", 8},
          {system16::VSync, "chkSystem16VSync", "0", 0},
          {system16::NoJoy, "chkSystem16NoJoy", "0", 0},
          {system16::Scanlines, "chkSystem16Scanlines", "1", 0},
          {system16::RDTSC, "chkSystem16RDTSC", "0", 0},
          {system16::Eagle, "chkSystem16Eagle", "0", 0},
          {system16::Scanlines2, "chkSystem16Scanlines2", "0", 0},
          {system16::Old2151, "chkSystem16Old2151", "0", 0},
          {system16::ESC, "chkSystem16ESC", "0", 0},
          {system16::RevX, "chkSystem16RevX", "0", 0},
          {system16::NoLeds, "chkSystem16NoLeds", "0", 0},
          {system16::NoTitle, "chkSystem16NoTitle", "1", 0},
          {system16::RevY, "chkSystem16RevY", "0", 0},
          {system16::AnalogJoy, "chkSystem16AnalogJoy", "0", 0},
          {system16::Soundcard, "cboSystem16Soundcard", "Disabled", 7},
          {system16::SampleRate, "cboSystem16SampleRate", "22.050 Khz", 3},
          {system16::Controls, "cboSystem16Controls", "Normal Joystick", 6}}},
        {Emu::M72,
         12,
         {{m72::VR, "cboM72VR", "400 x 300", 2},
          {m72::FrameSkip, "cboM72FrameSkip", "0 (Def.)", 9},
          {m72::VertDisplay, "chkM72VertDisplay", "0", 0},
          {m72::Scanlines, "chkM72Scanlines", "0", 0},
          {m72::VSync, "chkM72VSync", "0", 0},
          {m72::Performance, "chkM72Performance", "0", 0},
          {m72::PPro, "chkM72PPro", "0", 0},
          {m72::NoJoy, "chkM72NoJoy", "0", 0},
          {m72::SampleRate, "cboM72SampleRate", "22.050 Khz", 3},
          {m72::QuickFire, "cboM72QuickFire", "None", 5}}},
    };
}

using GameSettingsTest = SettingsTest;

TEST_F(GameSettingsTest, RecordsHoldTheOptionsInEachEmulatorsOrderWithTheirBuiltInDefaults) {
    for (const auto& layout : Layouts()) {
        SCOPED_TRACE(Section(layout.emu).tag);
        const auto& table = GameSettingsTableOf(layout.emu);
        // The key and the ROM folder come before the options.
        EXPECT_EQ(table.options.size() + 2, layout.recordItems);
        ASSERT_EQ(table.options.size(), layout.rows.size());
        SettingsFields defaults = BuiltInDefaults(layout.emu);
        for (size_t i = 0; i < layout.rows.size(); ++i) {
            const Row& row = layout.rows[i];
            EXPECT_EQ(row.slot, i + 1) << row.control;
            EXPECT_EQ(table.option(row.slot).control, row.control);
            EXPECT_EQ(table.option(row.slot).items.size(), row.comboItems) << row.control;
            EXPECT_EQ(Shown(layout.emu, defaults, row.slot), row.shownByDefault) << row.control;
        }
        for (size_t slot = layout.recordItems - 1; slot < kSettingsSlots; ++slot)
            EXPECT_EQ(defaults[slot], "") << slot;
    }
    const auto& mame = GameSettingsTableOf(Emu::Mame);
    EXPECT_EQ(mame.option(mame::Frames).items.back(), "11/12");
    EXPECT_EQ(mame.option(mame::Beam).items.back(), "16.00");
    EXPECT_EQ(mame.option(mame::Flicker).items[1], "5 %");
    EXPECT_EQ(mame.option(mame::Gamma).items.front(), "0.50");
    EXPECT_EQ(mame.option(mame::Gamma).items.back(), "2.00");
    EXPECT_EQ(mame.clearedByDefaults, std::vector<std::string>{"chkMamePlayback"});
}

TEST_F(GameSettingsTest, ApplyToAllLeavesTheSingleDefaultRecordOfEachEmulator) {
    const std::vector<std::pair<Emu, std::string>> golden{
        {Emu::Mame, "\"[DEFAULT]\",\"C:\\emu\\mame\\roms\",0,0,0,0,1,1,0,0,0,0,\"0\",\"0\",14,"
                    "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"},
        {Emu::Callus, "\"[DEFAULT]\",\"C:\\emu\\callus\",10,10,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,"
                      "0\r\n"},
        {Emu::Raine, "\"[DEFAULT]\",\"C:\\emu\\raine\\ziproms\",0,0,0,0,0\r\n"},
        {Emu::System16, "\"[DEFAULT]\",\"C:\\emu\\system16\\ziproms\",2,2,0,0,0,1,0,0,0,0,0,0,"
                        "0,1,0,0,0,1,0\r\n"},
        {Emu::M72, "\"[DEFAULT]\",\"C:\\emu\\m72\\ziproms\",0,0,0,0,0,0,0,0,1,0\r\n"},
    };
    for (const auto& [emu, bytes] : golden) {
        SCOPED_TRACE(Section(emu).tag);
        WriteLines(SetPath(dir, emu), {"\"Game A\",\"/a\"", "", "\"Game B\",\"/b\""});
        ASSERT_TRUE(ApplyToAll(emu, BuiltInDefaults(emu)));
        EXPECT_EQ(ReadBytes(SetPath(dir, emu)), bytes);
    }
    // The section's ROM directory, when set, is the default ROM folder.
    Shared().RomDir[Index(Emu::Raine)] = "/home/me/raine roms";
    ASSERT_TRUE(ApplyToAll(Emu::Raine, BuiltInDefaults(Emu::Raine)));
    EXPECT_EQ(ReadBytes(SetPath(dir, Emu::Raine)),
              "\"[DEFAULT]\",\"/home/me/raine roms\",0,0,0,0,0\r\n");
    EXPECT_TRUE(shown->asked.empty());
}

// Every option of the section away from its built-in default.
SettingsFields AllChanged(Emu emu) {
    const auto& table = GameSettingsTableOf(emu);
    SettingsFields fields = BuiltInDefaults(emu);
    fields[kRomPathSlot] = "/roms/PROGRA~1/a, b";
    for (size_t slot = 1; slot <= table.options.size(); ++slot) {
        const GameOption& option = table.option(slot);
        if (option.kind == OptionKind::Text)
            fields[slot] = "-" + std::to_string(slot);
        else if (option.kind == OptionKind::Check)
            fields[slot] = option.builtIn == "1" ? "0" : "1";
        else
            fields[slot] = std::to_string(option.builtIn == "0" ? option.items.size() - 1 : 0);
    }
    return fields;
}

TEST_F(GameSettingsTest, EveryOptionOfEveryEmulatorComesBackAsSaved) {
    for (Emu emu : kAllEmus) {
        SCOPED_TRACE(Section(emu).tag);
        SettingsFields changed = AllChanged(emu);
        ASSERT_TRUE(SaveGameSettings(emu, "Game One", changed));
        ASSERT_TRUE(SaveGameSettings(emu, "Game Two", BuiltInDefaults(emu)));
        SettingsFields loaded;
        SettingsSource source = SettingsSource::BuiltIn;
        EXPECT_TRUE(LoadGameSettings(emu, "Game One", loaded, &source));
        EXPECT_EQ(source, SettingsSource::GameRecord);
        EXPECT_TRUE(Shared().Trovato);
        EXPECT_EQ(loaded, changed);
        EXPECT_TRUE(LoadGameSettings(emu, "Game Two", loaded));
        EXPECT_EQ(loaded, BuiltInDefaults(emu));
    }
    EXPECT_TRUE(shown->asked.empty());
}

TEST_F(GameSettingsTest, AGameFindsOnlyItsOwnKeyThenTheDefaultRecordThenTheBuiltInDefaults) {
    for (Emu emu : kAllEmus) {
        SCOPED_TRACE(Section(emu).tag);
        std::string path = SetPath(dir, emu);
        WriteLines(path, {"", "\"Pac-Man\",\"/pacman\"", "\"pac\",\"/lower\"", "Pac-Man,/second",
                          "\"[DEFAULT]\",\"/default\""});
        SettingsFields fields;
        SettingsSource source = SettingsSource::BuiltIn;
        EXPECT_TRUE(LoadGameSettings(emu, "Pac-Man", fields, &source));
        EXPECT_EQ(fields[kRomPathSlot], "/pacman");
        EXPECT_EQ(source, SettingsSource::GameRecord);
        for (const char* other : {"Pac", "PAC-MAN", "Pac-Man "}) {
            EXPECT_TRUE(LoadGameSettings(emu, other, fields, &source)) << other;
            EXPECT_EQ(source, SettingsSource::DefaultRecord) << other;
            EXPECT_EQ(fields[kRomPathSlot], "/default") << other;
            EXPECT_EQ(Shown(emu, fields, 1), Shown(emu, BuiltInDefaults(emu), 1));
        }

        WriteLines(path, {"\"Pac-Man\",\"/pacman\""});
        EXPECT_FALSE(LoadGameSettings(emu, "Galaga", fields, &source));
        EXPECT_FALSE(Shared().Trovato);
        EXPECT_EQ(source, SettingsSource::BuiltIn);
        EXPECT_EQ(fields, BuiltInDefaults(emu));
        EXPECT_EQ(fields[kRomPathSlot], GameSettingsTableOf(emu).fixedRomFolder);
        Shared().RomDir[Index(emu)] = "/my roms";
        EXPECT_FALSE(LoadGameSettings(emu, "Galaga", fields));
        EXPECT_EQ(fields[kRomPathSlot], "/my roms");

        RemoveFile(path);
        EXPECT_FALSE(LoadGameSettings(emu, "Pac-Man", fields, &source));
        EXPECT_EQ(source, SettingsSource::BuiltIn);
        EXPECT_EQ(fields, BuiltInDefaults(emu));
    }
}

TEST_F(GameSettingsTest, DamagedItemsTakeTheirBuiltInDefaultsOneByOne) {
    // A full record of MAME first: nothing of it may show through the short one after it.
    SettingsFields fields = AllChanged(Emu::Mame);
    WriteLines(SetPath(dir, Emu::Mame),
               {"\"Robotron\",\"C:\\PROGRA~1\\a,b\",9,x,,-1,000000003,0000000002,12,\"3\",15,20,"
                "\"1 -cheat\",-12345,31,2,1,01"});
    ASSERT_TRUE(LoadGameSettings(Emu::Mame, "Robotron", fields));
    // "x" chooses nothing (-1); a number is one to nine digits, a screen offset any number.
    EXPECT_EQ(fields, With(BuiltInDefaults(Emu::Mame), kRomPathSlot, "C:\\PROGRA~1\\a,b",
                           mame::Frames, "-1", mame::SoundCard, "3", mame::Controls, "12",
                           mame::VgaFreq, "3", mame::Beam, "15", mame::Flicker, "20", mame::SkipC,
                           "-12345", mame::NTSC, "1", mame::Depth, "1"));
    EXPECT_TRUE(Checked(fields, mame::Depth));
    EXPECT_EQ(Index(fields, mame::Flicker), 20);
    EXPECT_EQ(Text(fields, mame::SkipR), "0");

    // Indexes past a combo's items; items past the record's count are ignored.
    WriteLines(SetPath(dir, Emu::Raine), {"\"Rastan\",\"/r\",9,10,17,1,1,5,5,5"});
    ASSERT_TRUE(LoadGameSettings(Emu::Raine, "Rastan", fields));
    EXPECT_EQ(fields, With(BuiltInDefaults(Emu::Raine), kRomPathSlot, "/r", raine::LimitSpeed, "1",
                           raine::EnableGUI, "1"));

    // A record that is only its key, and one without quotes.
    WriteLines(SetPath(dir, Emu::M72), {"\"R-Type\"", "Hammerin' Harry,/hh,1,8"});
    ASSERT_TRUE(LoadGameSettings(Emu::M72, "R-Type", fields));
    EXPECT_EQ(fields, BuiltInDefaults(Emu::M72));
    ASSERT_TRUE(LoadGameSettings(Emu::M72, "Hammerin' Harry", fields));
    EXPECT_EQ(fields[kRomPathSlot], "/hh");
    EXPECT_EQ(Shown(Emu::M72, fields, m72::VR), "512 x 384");
    EXPECT_EQ(Shown(Emu::M72, fields, m72::FrameSkip), "8");
}

TEST_F(GameSettingsTest, SavingReplacesEveryRecordOfTheKeyInPlaceOrAppendsANewOne) {
    std::string path = SetPath(dir, Emu::Raine);
    WriteBytes(path, "\"Alpha\",\"/a\",0,0,0,0,0\r\n"
                     "\r\n"
                     "\"Beta\",\"/b\",1,1,1,1,1\n"
                     "Alphabet,/ab,1,1,1,1,1\r\n"
                     "\"Alpha\",\"/old\",2,2,2,0,0\r\n");
    SettingsFields fields =
        With(BuiltInDefaults(Emu::Raine), kRomPathSlot, "/new", raine::Joystick, "16");
    ASSERT_TRUE(SaveGameSettings(Emu::Raine, "Alpha", fields));
    ASSERT_TRUE(SaveGameSettings(Emu::Raine, "Gamma", BuiltInDefaults(Emu::Raine)));
    EXPECT_EQ(ReadBytes(path), "\"Alpha\",\"/new\",0,0,16,0,0\r\n"
                               "\r\n"
                               "\"Beta\",\"/b\",1,1,1,1,1\r\n"
                               "Alphabet,/ab,1,1,1,1,1\r\n"
                               "\"Alpha\",\"/new\",0,0,16,0,0\r\n"
                               "\"Gamma\",\"C:\\emu\\raine\\ziproms\",0,0,0,0,0\r\n");
    SettingsFields loaded;
    EXPECT_TRUE(LoadGameSettings(Emu::Raine, "Gamma", loaded));
    EXPECT_EQ(loaded, BuiltInDefaults(Emu::Raine));

    // No record under an empty key.
    std::string before = ReadBytes(path);
    EXPECT_FALSE(SaveGameSettings(Emu::Raine, "", fields));
    EXPECT_EQ(ReadBytes(path), before);

    // The first save of a section creates its file.
    ASSERT_TRUE(SaveGameSettings(Emu::M72, "R-Type", BuiltInDefaults(Emu::M72)));
    EXPECT_EQ(ReadBytes(SetPath(dir, Emu::M72)),
              "\"R-Type\",\"C:\\emu\\m72\\ziproms\",0,0,0,0,0,0,0,0,1,0\r\n");

    // MAME's offsets are texts in quotes among bare numbers; a combo without a choice is -1.
    SettingsFields robotron = With(BuiltInDefaults(Emu::Mame), kRomPathSlot, "/roms/robotron",
                                   mame::Frames, "-1", mame::Controls, "12", mame::SkipR, "-8",
                                   mame::SkipC, "16", mame::Gamma, "30", mame::Record, "1");
    ASSERT_TRUE(SaveGameSettings(Emu::Mame, "Robotron", robotron));
    EXPECT_EQ(ReadBytes(SetPath(dir, Emu::Mame)),
              "\"Robotron\",\"/roms/robotron\",0,0,0,-1,1,1,12,0,0,0,\"-8\",\"16\",30,"
              "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0\r\n");
    EXPECT_TRUE(shown->asked.empty());
}

TEST_F(GameSettingsTest, SettingsAreSavedOnlyUnderTheKeyTheyWereLoadedFor) {
    SettingsFields fields = AllChanged(Emu::Callus);
    EXPECT_EQ(LoadedGameKey(Emu::Callus), "");
    EXPECT_TRUE(SaveLoadedGameSettings(Emu::Callus, fields));
    EXPECT_FALSE(IsPresentFile(SetPath(dir, Emu::Callus)));

    LoadGameSettings(Emu::Callus, "Final Fight", fields);
    EXPECT_EQ(LoadedGameKey(Emu::Callus), "Final Fight");
    EXPECT_EQ(LoadedGameKey(Emu::Mame), "");
    fields[callus::HR] = "3";
    ASSERT_TRUE(SaveLoadedGameSettings(Emu::Callus, fields));
    SettingsFields loaded;
    EXPECT_TRUE(LoadGameSettings(Emu::Callus, "Final Fight", loaded));
    EXPECT_EQ(loaded, fields);

    ForgetLoadedGameKey(Emu::Callus);
    std::string before = ReadBytes(SetPath(dir, Emu::Callus));
    fields[callus::HR] = "4";
    EXPECT_TRUE(SaveLoadedGameSettings(Emu::Callus, fields));
    EXPECT_EQ(ReadBytes(SetPath(dir, Emu::Callus)), before);
}

TEST_F(GameSettingsTest, TheFileIsFoundWhateverTheCaseOfItsName) {
    WriteLines(dir / "Cfg/system16.SET", {"\"Shinobi\",\"/s\""});
    SettingsFields fields;
    EXPECT_TRUE(LoadGameSettings(Emu::System16, "Shinobi", fields));
    EXPECT_EQ(fields[kRomPathSlot], "/s");
    ASSERT_TRUE(SaveGameSettings(Emu::System16, "Altered Beast", fields));
    EXPECT_EQ(test::Entries(dir / "Cfg"), std::vector<std::string>{"system16.SET"});
}

TEST_F(GameSettingsTest, AFailedRewriteKeepsTheOldFileAndSaysSo) {
    std::string path = SetPath(dir, Emu::Mame);
    WriteLines(path, {"\"Galaga\",\"/g\""});
    std::string before = ReadBytes(path);
    bool saved = true;
    bool appliedToAll = true;
    {
        FileSizeLimit limit(8);
        saved = SaveGameSettings(Emu::Mame, "Galaga", BuiltInDefaults(Emu::Mame));
        appliedToAll = ApplyToAll(Emu::Mame, BuiltInDefaults(Emu::Mame));
    }
    EXPECT_FALSE(saved);
    EXPECT_FALSE(appliedToAll);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(test::Entries(dir / "Cfg"), std::vector<std::string>{"Mame.set"});
    // The save on a change of game is reported once; "All", which the user asked for, each time.
    ASSERT_EQ(shown->asked.size(), 2u);
    for (const auto& asked : shown->asked) {
        EXPECT_EQ(asked.text, "The settings could not be saved in\r" + path);
        EXPECT_EQ(asked.style, MsgStyle::Warning);
    }

    // A file that cannot be read is named once, reads as empty and is never written over, not
    // even by "All", which the user asked for and which names it again.
    shown->asked.clear();
    chmod(path.c_str(), 0);
    {
        test::PermissionBitsHold hold;
        SettingsFields fields;
        EXPECT_FALSE(LoadGameSettings(Emu::Mame, "Galaga", fields));
        EXPECT_EQ(fields, BuiltInDefaults(Emu::Mame));
        EXPECT_FALSE(SaveGameSettings(Emu::Mame, "Galaga", BuiltInDefaults(Emu::Mame)));
        EXPECT_FALSE(ApplyToAll(Emu::Mame, BuiltInDefaults(Emu::Mame)));
    }
    chmod(path.c_str(), 0644);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(test::AskedTexts(*shown), std::vector<std::string>(2, test::shown::Unreadable(path)));
}

TEST_F(GameSettingsTest, NamesAndFoldersHoldingQuotesAndCommasReadBackOrAreRefused) {
    // The first name goes on past a quote and a comma where the second one ends.
    const std::vector<std::string> games{"Jerry\", the Mouse", "Jerry", "Tom, and Jerry"};
    for (size_t i = 0; i < games.size(); ++i) {
        SettingsFields fields =
            With(BuiltInDefaults(Emu::Raine), kRomPathSlot, "/roms/" + std::to_string(i),
                 raine::Joystick, std::to_string(i + 1));
        ASSERT_TRUE(SaveGameSettings(Emu::Raine, games[i], fields));
        ASSERT_TRUE(SaveGameSettings(Emu::Raine, games[i], fields));
    }
    // Another letter case is another game.
    ASSERT_TRUE(SaveGameSettings(Emu::Raine, "JERRY", BuiltInDefaults(Emu::Raine)));
    EXPECT_EQ(ReadBytes(SetPath(dir, Emu::Raine)),
              "\"Jerry\", the Mouse\",\"/roms/0\",0,0,1,0,0\r\n"
              "\"Jerry\",\"/roms/1\",0,0,2,0,0\r\n"
              "\"Tom, and Jerry\",\"/roms/2\",0,0,3,0,0\r\n"
              "\"JERRY\",\"C:\\emu\\raine\\ziproms\",0,0,0,0,0\r\n");
    for (size_t i = 0; i < games.size(); ++i) {
        SettingsFields fields;
        SettingsSource source = SettingsSource::BuiltIn;
        EXPECT_TRUE(LoadGameSettings(Emu::Raine, games[i], fields, &source)) << games[i];
        EXPECT_EQ(source, SettingsSource::GameRecord) << games[i];
        EXPECT_EQ(fields[kRomPathSlot], "/roms/" + std::to_string(i));
        EXPECT_EQ(Index(fields, raine::Joystick), static_cast<int>(i + 1));
    }
    // Jerry, saved first, is not taken for the beginning of the other name.
    WriteLines(SetPath(dir, Emu::Raine), {"\"Jerry\", the Mouse\",\"/mouse\",0,0,1,0,0"});
    SettingsFields fields;
    EXPECT_FALSE(LoadGameSettings(Emu::Raine, "Jerry", fields));
    ASSERT_TRUE(SaveGameSettings(Emu::Raine, "Jerry", BuiltInDefaults(Emu::Raine)));
    EXPECT_TRUE(LoadGameSettings(Emu::Raine, "Jerry\", the Mouse", fields));
    EXPECT_EQ(fields[kRomPathSlot], "/mouse");

    // A ROM folder whose quote and comma would end it early is refused, by a save and by "All";
    // the message names it in its own letters (the folder is UTF-8, the message Windows-1252).
    const std::string before = ReadBytes(SetPath(dir, Emu::Raine));
    fields[kRomPathSlot] = "/home/me/r\xC3\xB6ms \"best\", old";
    EXPECT_FALSE(SaveGameSettings(Emu::Raine, "Jerry", fields) || ApplyToAll(Emu::Raine, fields));
    EXPECT_EQ(ReadBytes(SetPath(dir, Emu::Raine)), before);
    EXPECT_EQ(test::AskedTexts(*shown),
              std::vector<std::string>(2, "The ROM folder\r/home/me/r\xF6ms \"best\", old\rcannot "
                                          "be kept in the settings file: it holds a double quote "
                                          "followed by a comma. The settings were not saved."));
}

} // namespace
} // namespace arvok
