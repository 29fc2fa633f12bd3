#include "settings/game_settings.h"

#include <sys/stat.h>

#include "platform/path.h"
#include "platform/text_file.h"
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

class GameSettingsTest : public SettingsTest {
protected:
    // Whether loading "key" found settings, and their source (which no load leaves as it starts).
    std::pair<bool, SettingsSource> Load(Emu emu, const std::string& key, SettingsFields& fields) {
        auto source = static_cast<SettingsSource>(-1);
        return {LoadGameSettings(emu, key, fields, &source), source};
    }
};

TEST_F(GameSettingsTest, ApplyToAllLeavesTheSingleDefaultRecordOfEachEmulator) {
    // The record "All" leaves for each section, one line a section in section order.
    std::vector<std::string> golden;
    ASSERT_TRUE(ReadLines(test::Fixture("default_records.set"), golden));
    ASSERT_EQ(golden.size(), kAllEmus.size());
    for (Emu emu : kAllEmus) {
        SCOPED_TRACE(Section(emu).tag);
        WriteLines(SetPath(dir, emu), {"\"Game A\",\"/a\"", "", "\"Game B\",\"/b\""});
        ASSERT_TRUE(ApplyToAll(emu, BuiltInDefaults(emu)));
        EXPECT_EQ(ReadBytes(SetPath(dir, emu)), golden[Index(emu)] + "\r\n");
    }
    // The section's ROM directory, when set, is the default ROM folder.
    installation.settings.RomDir[Index(Emu::Raine)] = "/home/me/raine roms";
    ASSERT_TRUE(ApplyToAll(Emu::Raine, BuiltInDefaults(Emu::Raine)));
    EXPECT_EQ(ReadBytes(SetPath(dir, Emu::Raine)),
              "\"[DEFAULT]\",\"/home/me/raine roms\",0,0,0,0,0\r\n");
    EXPECT_TRUE(shown->asked.empty());
}

// Every option of the section away from its built-in default.
SettingsFields AllChanged(Emu emu) {
    const auto& table = GameSettingsTableOf(emu);
    SettingsFields fields = BuiltInDefaults(SettingsFiles(""), emu);
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
        ASSERT_TRUE(SaveGameSettings(emu, "Game One", AllChanged(emu)));
        ASSERT_TRUE(SaveGameSettings(emu, "Game Two", BuiltInDefaults(emu)));
        SettingsFields loaded;
        EXPECT_EQ(Load(emu, "Game One", loaded), std::pair(true, SettingsSource::GameRecord));
        EXPECT_TRUE(lastLoad.Trovato);
        EXPECT_EQ(loaded, AllChanged(emu));
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
        EXPECT_EQ(Load(emu, "Pac-Man", fields), std::pair(true, SettingsSource::GameRecord));
        EXPECT_EQ(fields[kRomPathSlot], "/pacman");
        for (const char* other : {"Pac", "PAC-MAN", "Pac-Man "}) {
            EXPECT_EQ(Load(emu, other, fields), std::pair(true, SettingsSource::DefaultRecord))
                << other;
            EXPECT_EQ(fields, With(BuiltInDefaults(emu), kRomPathSlot, "/default")) << other;
        }

        WriteLines(path, {"\"Pac-Man\",\"/pacman\""});
        EXPECT_EQ(Load(emu, "Galaga", fields), std::pair(false, SettingsSource::BuiltIn));
        EXPECT_FALSE(lastLoad.Trovato);
        EXPECT_EQ(fields, BuiltInDefaults(emu));
        installation.settings.RomDir[Index(emu)] = "/my roms";
        EXPECT_FALSE(LoadGameSettings(emu, "Galaga", fields));
        EXPECT_EQ(fields[kRomPathSlot], "/my roms");

        RemoveFile(path);
        EXPECT_EQ(Load(emu, "Pac-Man", fields), std::pair(false, SettingsSource::BuiltIn));
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

    // A record that is only its key, one without quotes, and one whose last item lacks its
    // closing quote, which runs to the end of the line.
    WriteLines(SetPath(dir, Emu::M72),
               {"\"R-Type\"", "Hammerin' Harry,/hh,1,8", "\"Ninja Spirit\",\"/ns,1,8"});
    ASSERT_TRUE(LoadGameSettings(Emu::M72, "R-Type", fields));
    EXPECT_EQ(fields, BuiltInDefaults(Emu::M72));
    ASSERT_TRUE(LoadGameSettings(Emu::M72, "Hammerin' Harry", fields));
    EXPECT_EQ(fields, With(BuiltInDefaults(Emu::M72), kRomPathSlot, "/hh", m72::VR, "1",
                           m72::FrameSkip, "8"));
    ASSERT_TRUE(LoadGameSettings(Emu::M72, "Ninja Spirit", fields));
    EXPECT_EQ(fields, With(BuiltInDefaults(Emu::M72), kRomPathSlot, "/ns,1,8"));
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
    // A file from another editor, its lines ending with a CR alone after a byte-order mark,
    // keeps the other games' records and is written back with CR LF and no mark.
    WriteBytes(SetPath(dir, Emu::Mame), "\xEF\xBB\xBF\"Robotron\",\"/old\"\r\"Galaga\",\"/g\"\r");
    ASSERT_TRUE(SaveGameSettings(Emu::Mame, "Robotron", robotron));
    EXPECT_EQ(ReadBytes(SetPath(dir, Emu::Mame)),
              "\"Robotron\",\"/roms/robotron\",0,0,0,-1,1,1,12,0,0,0,\"-8\",\"16\",30,"
              "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0\r\n\"Galaga\",\"/g\"\r\n");

    // A long file with LF line ends is written back whole, every line given its CR LF.
    std::string lf;
    std::string crLf;
    for (int game = 1; game <= 1500; ++game) {
        const std::string line = "\"Game " + std::to_string(game) + "\",\"/g\",0,0,0,0,0";
        lf += line + "\n";
        crLf += (game == 1200 ? "\"Game 1200\",\"/new\",0,0,16,0,0" : line) + "\r\n";
    }
    WriteBytes(path, lf);
    ASSERT_TRUE(SaveGameSettings(Emu::Raine, "Game 1200", fields));
    EXPECT_EQ(ReadBytes(path), crLf);
    EXPECT_TRUE(shown->asked.empty());
}

TEST_F(GameSettingsTest, AFailedRewriteKeepsTheOldFileAndSaysSo) {
    std::string path = SetPath(dir, Emu::Mame);
    WriteLines(path, {"\"Galaga\",\"/g\""});
    std::string before = ReadBytes(path);
    std::pair<bool, bool> savedAndApplied;
    {
        FileSizeLimit limit(8);
        savedAndApplied = {SaveGameSettings(Emu::Mame, "Galaga", BuiltInDefaults(Emu::Mame)),
                           ApplyToAll(Emu::Mame, BuiltInDefaults(Emu::Mame))};
    }
    EXPECT_EQ(savedAndApplied, std::pair(false, false));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(test::Entries(dir / "Cfg"), std::vector<std::string>{"Mame.set"});
    // The save on a change of game is reported once; "All", which the user asked for, each time.
    EXPECT_EQ(test::AskedTexts(*shown),
              std::vector<std::string>(2, "The settings could not be saved in\r" + path));

    // A file that cannot be read is named once, also when "All" finds it first, reads as empty
    // and is never written over, not even by "All", which the user asked for and which names it
    // again.
    shown->asked.clear();
    chmod(path.c_str(), 0);
    {
        test::PermissionBitsHold hold;
        EXPECT_FALSE(ApplyToAll(Emu::Mame, BuiltInDefaults(Emu::Mame)));
        SettingsFields fields;
        EXPECT_FALSE(LoadGameSettings(Emu::Mame, "Galaga", fields));
        EXPECT_EQ(fields, BuiltInDefaults(Emu::Mame));
        EXPECT_FALSE(SaveGameSettings(Emu::Mame, "Galaga", BuiltInDefaults(Emu::Mame)));
        EXPECT_FALSE(ApplyToAll(Emu::Mame, BuiltInDefaults(Emu::Mame)));
    }
    chmod(path.c_str(), 0644);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(test::AskedTexts(*shown), std::vector<std::string>(2, test::shown::Unreadable(path)));
    // Neither is one an editor saved as UTF-16, nor one holding a NUL byte.
    for (const std::string& bytes :
         {std::string("\xFE\xFF\0\"\0G\0\"\0\r\0\n", 12), std::string("\"Galaga\"\r\n") + '\0'}) {
        test::WriteBytes(path, bytes);
        EXPECT_FALSE(SaveGameSettings(Emu::Mame, "Galaga", BuiltInDefaults(Emu::Mame)));
        EXPECT_EQ(ReadBytes(path), bytes);
    }
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
        EXPECT_EQ(Load(Emu::Raine, games[i], fields), std::pair(true, SettingsSource::GameRecord))
            << games[i];
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
    // So is one holding a CR, which would end the record.
    const std::string before = ReadBytes(SetPath(dir, Emu::Raine));
    fields[kRomPathSlot] = "/home/me/r\xC3\xB6ms \"best\", old";
    EXPECT_FALSE(SaveGameSettings(Emu::Raine, "Jerry", fields) || ApplyToAll(Emu::Raine, fields));
    fields[kRomPathSlot] = "/roms\rold";
    EXPECT_FALSE(SaveGameSettings(Emu::Raine, "Jerry", fields));
    EXPECT_EQ(ReadBytes(SetPath(dir, Emu::Raine)), before);
    std::vector<std::string> told(2, "The ROM folder\r/home/me/r\xF6ms \"best\", old\rcannot "
                                     "be kept in the settings file: it holds a double quote "
                                     "followed by a comma. The settings were not saved.");
    told.push_back("The ROM folder\r/roms\rold\rcannot be kept in the settings file: it holds a "
                   "line break. The settings were not saved.");
    EXPECT_EQ(test::AskedTexts(*shown), told);
}

} // namespace
} // namespace arvok
