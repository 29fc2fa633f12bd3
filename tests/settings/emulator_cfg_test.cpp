#include "settings/emulator_cfg.h"

#include <array>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>

#include "launch/batch_file.h"
#include "settings/game_settings.h"
#include "settings/layout_files.h"
#include "settings_fixture.h"
#include "support/shown_texts.h"

namespace arvok {
namespace {

using Names = std::vector<std::string>;

using test::ReadBytes;
using test::WriteLines;

const std::string kRule = ";-----------------------------------------------------";

// Each section's settings, with the file it writes (tests/fixtures/cfg), given in the order of
// EmulatorCfg: read, the program, emulator, ROM, alternative ROM and snapshot paths, the snapshot
// format, no slide show, show counter, delay index, list size and the favourites in list order.
std::vector<std::pair<Emu, EmulatorCfg>> GoldenCases() {
    return {
        {Emu::Mame,
         {false, "/emu/mame/mame.exe", "/emu/mame", "/roms/mame", "/more roms/mame", "/snap/mame",
          "JPG", true, false, 5, "down", Names{"1942", "Pac-Man", "Puzzle, the"}}},
        // A name in quotes is one favourite whatever quotes and commas it holds.
        {Emu::Callus,
         {false, "/emu/callus/callus.exe", "", "/roms/cps1", "", "", "", false, false, -1, "up",
          Names{"Final Fight", "Tom\", Jerry", "\"Quoted\""}}},
        {Emu::Raine,
         {false, "/emu/raine/raine.exe", "/emu/raine", "", "", "", "GIF", false, true, 0, "up",
          Names{"Rainbow Islands", "Bubble Bobble"}}},
        {Emu::System16,
         {false, "/emu/sys,16/s16.exe", "", "", "", "/snap/s16", "BMP", false, false, 7, "up",
          Names{"Shinobi"}}},
        {Emu::M72,
         {false, "/emu/m72/m72.exe", "", "/roms/m72", "", "", "", false, false, 2, "up", Names{}}},
    };
}

// A file's values besides its favourites, in file order.
auto Values(const EmulatorCfg& c) {
    return std::tie(c.exePath, c.emuDir, c.romPath, c.altRomPath, c.snapPath, c.snapFormat,
                    c.noSlide, c.showCounter, c.slideDelayIndex, c.favSize);
}

using EmulatorCfgTest = SettingsTest;

TEST_F(EmulatorCfgTest, EachSectionWritesItsFileByteForByteAndReadsItBack) {
    for (const auto& [emu, cfg] : GoldenCases()) {
        SCOPED_TRACE(Section(emu).tag);
        ASSERT_TRUE(SaveEmulatorCfg(emu, cfg));
        const std::string name = std::string(Section(emu).baseName) + ".cfg";
        std::string path = dir / ("Cfg/" + name);
        EXPECT_EQ(ReadBytes(path), ReadBytes(test::Fixture("cfg/" + name)));
        EXPECT_EQ(installation.settings.RomDir[Index(emu)], cfg.romPath);

        installation.settings.RomDir[Index(emu)] = "stale";
        EmulatorCfg read = LoadEmulatorCfg(emu);
        EXPECT_TRUE(read.read);
        EXPECT_EQ(Values(read), Values(cfg));
        EXPECT_EQ(installation.settings.RomDir[Index(emu)], cfg.romPath);
        // Favourites come back in file order: the list's last item first.
        std::vector<std::string> reversed(cfg.favourites->rbegin(), cfg.favourites->rend());
        EXPECT_EQ(read.favourites, reversed);

        // Saved again unchanged, as before every launch, the file is not written at all.
        // Its time put back to 1970, so that a rewrite within the same second shows.
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), std::array<timespec, 2>{}.data(), 0), 0);
        struct stat before = {}, after = {};
        ASSERT_EQ(stat(path.c_str(), &before), 0);
        ASSERT_TRUE(SaveEmulatorCfg(emu, cfg));
        ASSERT_EQ(stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mtim.tv_sec, 0);
    }
    EXPECT_TRUE(shown->asked.empty());
}

TEST_F(EmulatorCfgTest, BadOrMissingValuesKeepTheirDefaultsAndTheRestIsStillRead) {
    std::string path = dir / "Cfg/Mame.cfg";
    test::WriteBytes(
        path, test::WithCrLf({kRule, "; whatever", "", "[Paths]", "ExePath=C:\\Emu,Mame\\mame.exe",
                              "", "RomPath=/roms=old", "EmuDir=/emu", ""}) +
                  test::WithCrLf({"[SnapShots]", "SnapPath=/snaps", "SnapFormat=gif",
                                  "NoSlideShow=", "ShowCounter=yes", "SlideDelay=8", "", "[Gui]",
                                  "FavSize=down", "", "[Favorties]", "\"Pac-Man\"", "", "\"\"",
                                  "\"Puzzle, the\""}));
    installation.settings.RomDir[Index(Emu::Mame)] = "/stale";
    EmulatorCfg cfg = LoadEmulatorCfg(Emu::Mame);
    // Values go by their place under the header, whatever their keys say; the alternative ROM
    // path, missing, stays empty.
    // A value is the whole rest of its line, "=" and commas included; a blank line inside a
    // section takes no place.
    EXPECT_EQ(Values(cfg), std::make_tuple("C:\\Emu,Mame\\mame.exe", "/roms=old", "/emu", "",
                                           "/snaps", "", false, false, 2, "down"));
    EXPECT_EQ(installation.settings.RomDir[Index(Emu::Mame)], "/emu");
    EXPECT_EQ(cfg.favourites, (Names{"Pac-Man", "Puzzle, the"}));

    // Without its snapshot section and with a word for a delay, a file still gives its paths
    // and favourites, several on a line written by hand; "-1" chooses no delay at all.
    WriteLines(path, {"[Paths]", "ExePath=/mame", "[Gui]", "FavSize=up", "[Favorties]",
                      "Galaga, \"Xevious\""});
    cfg = LoadEmulatorCfg(Emu::Mame);
    EXPECT_EQ(Values(cfg), std::make_tuple("/mame", "", "", "", "", "", false, false, 2, "up"));
    EXPECT_EQ(cfg.favourites, (Names{"Galaga", "Xevious"}));
    // A line without "=" is its own value, one that begins with "=" gives the rest; a section
    // is found wherever it stands and ends at the next one.
    WriteLines(path, {"[SnapShots]", "/snaps", "=BMP", "  NoSlideShow= 1 ", "ShowCounter=000000001",
                      "SlideDelay=-1", "[Favorties]", "\"Galaga\"", "[Gui]", "FavSize=down"});
    cfg = LoadEmulatorCfg(Emu::Mame);
    EXPECT_EQ(Values(cfg),
              std::make_tuple("", "", "", "", "/snaps", "BMP", true, true, -1, "down"));
    EXPECT_EQ(cfg.favourites, Names{"Galaga"});

    // No favourites section: nothing to replace the list with.
    WriteLines(path, {"[Paths]", "ExePath=/mame"});
    EXPECT_EQ(LoadEmulatorCfg(Emu::Mame).favourites, std::nullopt);
}

TEST_F(EmulatorCfgTest, HeadersAreFoundAsTypedAndOtherSectionsAreKeptThroughASave) {
    std::string path = dir / "Cfg/Mame.cfg";
    WriteLines(path, {"; notes", "[Mine]", "keep=1", "", " [favorties] ", "\"Galaga\"", "[PATHS]\t",
                      "ExePath=/old", "[Tools]", "\"x\""});
    EmulatorCfg cfg = LoadEmulatorCfg(Emu::Mame);
    EXPECT_EQ(cfg.exePath, "/old");
    EXPECT_EQ(cfg.favourites, Names{"Galaga"});
    ASSERT_TRUE(SaveEmulatorCfg(Emu::Mame, cfg));
    const std::string own = EncodeEmulatorCfg(Emu::Mame, cfg);
    EXPECT_EQ(ReadBytes(path), "; notes\r\n" + own.substr(own.find("[Paths]")) +
                                   test::WithCrLf({"[Mine]", "keep=1", "", "[Tools]", "\"x\""}));
}

TEST_F(EmulatorCfgTest, NotesAboveTheFirstHeaderStayInPlaceThroughEverySave) {
    const std::string path = dir / "Cfg/M72.cfg";
    ASSERT_TRUE(SaveEmulatorCfg(Emu::M72, EmulatorCfg()));
    std::string noted = ReadBytes(path);
    const size_t paths = noted.find("[Paths]");
    noted = "# my notes\r\n" + noted.substr(0, paths) + "; keep RomPath on the stick\r\n";
    // An editor's byte-order mark, twice over: none is written back.
    test::WriteBytes(path, "\xEF\xBB\xBF\xEF\xBB\xBF" + noted + "[Paths]\r\nExePath=/old\r\n");
    EmulatorCfg cfg = LoadEmulatorCfg(Emu::M72);
    cfg.exePath = "/new";
    const std::string own = EncodeEmulatorCfg(Emu::M72, cfg);
    for (int save = 0; save < 2; ++save) {
        ASSERT_TRUE(SaveEmulatorCfg(Emu::M72, cfg));
        EXPECT_EQ(ReadBytes(path), noted + own.substr(paths));
    }
}

TEST(SlideDelay, EachIndexOfTheComboGivesItsDelay) {
    const std::vector<std::optional<int>> delays{std::nullopt, 500,  1000, 1500, 2000,
                                                 2500,         3000, 4000, 5000, std::nullopt};
    for (int index = -1; index <= 8; ++index)
        EXPECT_EQ(SlideDelayMs(index), delays[index + 1]) << index;
}

TEST_F(EmulatorCfgTest, AMissingFileGivesNoFavouritesAndLeavesTheRomDirAlone) {
    installation.settings.RomDir[Index(Emu::M72)] = "/kept";
    EXPECT_EQ(LoadEmulatorCfg(Emu::M72).favourites, std::nullopt);
    EXPECT_EQ(installation.settings.RomDir[Index(Emu::M72)], "/kept");
}

TEST_F(EmulatorCfgTest, BothSettingsFilesAreFoundAndSavedOverWhateverTheCaseOfTheirNames) {
    WriteLines(dir / "Cfg/RAINE.CFG", {"[Paths]", "ExePath=/upper"});
    WriteLines(dir / "Cfg/system16.SET", {"\"Shinobi\",\"/s\""});
    EXPECT_EQ(LoadEmulatorCfg(Emu::Raine).exePath, "/upper");
    SettingsFields fields;
    EXPECT_TRUE(LoadGameSettings(Emu::System16, "Shinobi", fields));
    EXPECT_EQ(fields[kRomPathSlot], "/s");
    EmulatorCfg cfg;
    cfg.exePath = "/saved";
    ASSERT_TRUE(SaveEmulatorCfg(Emu::Raine, cfg));
    ASSERT_TRUE(SaveGameSettings(Emu::System16, "Altered Beast", fields));
    EXPECT_EQ(LoadEmulatorCfg(Emu::Raine).exePath, "/saved");
    EXPECT_EQ(test::Entries(dir / "Cfg"), (Names{"RAINE.CFG", "system16.SET"}));
}

TEST_F(EmulatorCfgTest, AFileHoldingNoneOfItsHeadersIsNamedOnceAndNeverSavedOver) {
    std::string path = dir / "Cfg/Mame.cfg";
    test::WriteBytes(path, "ExePath=/mine\r\nRomPath=/roms\r\n");
    EXPECT_FALSE(LoadEmulatorCfg(Emu::Mame).read);
    EmulatorCfg cfg;
    cfg.exePath = "/new";
    EXPECT_FALSE(SaveEmulatorCfg(Emu::Mame, cfg));
    EXPECT_EQ(ReadBytes(path), "ExePath=/mine\r\nRomPath=/roms\r\n");
    // An empty file holds nothing to lose: it is read and saved over.
    test::WriteBytes(dir / "Cfg/Raine.cfg", "");
    EXPECT_TRUE(LoadEmulatorCfg(Emu::Raine).read);
    EXPECT_TRUE(SaveEmulatorCfg(Emu::Raine, cfg));
    // A file in a folder that cannot be searched could not be read: it is not a missing one.
    chmod((dir / "Cfg").c_str(), 0);
    {
        test::PermissionBitsHold hold;
        LoadEmulatorCfg(Emu::Callus);
    }
    chmod((dir / "Cfg").c_str(), 0755);
    EXPECT_EQ(test::AskedTexts(*shown), (Names{test::shown::Unreadable(path),
                                               test::shown::Unreadable(dir / "Cfg/Callus.cfg")}));
}

TEST_F(EmulatorCfgTest, AFailedSaveKeepsTheOldFileAndSaysSoOnceUntilASaveSucceeds) {
    std::string path = dir / "Cfg/Callus.cfg";
    WriteLines(path, {"[Paths]", "ExePath=/old"});
    std::string before = ReadBytes(path);
    EmulatorCfg cfg;
    cfg.exePath = "/new";
    bool saved = true;
    {
        FileSizeLimit limit(16);
        saved = SaveEmulatorCfg(Emu::Callus, cfg);
    }
    EXPECT_FALSE(saved);
    // A write-protected file is kept, whoever runs the program. The user hears of a file once
    // until a save of it succeeds.
    chmod(path.c_str(), 0444);
    EXPECT_FALSE(SaveEmulatorCfg(Emu::Callus, cfg));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(test::Entries(dir / "Cfg"), Names{"Callus.cfg"});
    ASSERT_EQ(test::AskedTexts(*shown), Names{"The settings could not be saved in\r" + path});
    EXPECT_EQ(shown->asked[0].style, MsgStyle::Warning);
    chmod(path.c_str(), 0644);
    EXPECT_TRUE(SaveEmulatorCfg(Emu::Callus, cfg));
    chmod(path.c_str(), 0444);
    EXPECT_FALSE(SaveEmulatorCfg(Emu::Callus, cfg));
    EXPECT_EQ(shown->asked.size(), 2u);
}

TEST_F(EmulatorCfgTest, WhatInterruptedSavesLeftIsRemovedAndALinkThereNeverWrittenThrough) {
    WriteLines(dir / "notes.txt", {"mine"});
    for (const std::string name : {"Mame.cfg", "Mame.set"})
        std::filesystem::create_symlink(dir / "notes.txt", dir / ("Cfg/." + name + ".tmp"));
    for (int number = 1; number < 100; ++number)
        WriteLines(dir / ("Cfg/.Mame.cfg.tmp." + std::to_string(number)), {"half"});
    EmulatorCfg cfg;
    cfg.exePath = "/new/mame";
    EXPECT_TRUE(SaveEmulatorCfg(Emu::Mame, cfg));
    EXPECT_TRUE(SaveGameSettings(Emu::Mame, "Galaga", BuiltInDefaults(Emu::Mame)));
    EXPECT_EQ(ReadBytes(dir / "notes.txt"), "mine\r\n");
    EXPECT_EQ(LoadEmulatorCfg(Emu::Mame).exePath, "/new/mame");
    SettingsFields fields;
    EXPECT_TRUE(LoadGameSettings(Emu::Mame, "Galaga", fields));
    EXPECT_TRUE(shown->asked.empty());
    EXPECT_EQ(test::Entries(dir / "Cfg"), (Names{"Mame.cfg", "Mame.set"}));
}

// What the program's own files give named in another case, with lines ending in a CR alone or in
// nothing, stray bytes, nothing at all, or a folder at their name (told, once).
TEST_F(EmulatorCfgTest, EveryOwnFileGivesWhatADamagedOrOddlyNamedCopyHolds) {
    auto game = [&](Emu emu, const char* key) {
        SettingsFields fields;
        return (LoadGameSettings(emu, key, fields) ? "found " : "") + fields[kRomPathSlot];
    };
    auto startup = [&] { return std::to_string(ReadStartupLayout(dir.path()).placements.size()); };
    const std::vector<std::tuple<const char*, std::optional<std::string>,
                                 std::function<std::string()>, std::string>>
        rows{
            {"Cfg/mame.CFG", "\x01\xFF\r[Paths]\rExePath=/cr\x80",
             [&] { return LoadEmulatorCfg(Emu::Mame).exePath; }, "/cr\x80"},
            {"Cfg/RAINE.set", "\"Rastan\",\"/r\"", [&] { return game(Emu::Raine, "Rastan"); },
             "found /r"},
            {"Cfg/M72.set", "", [&] { return game(Emu::M72, "R-Type"); }, "C:\\emu\\m72\\ziproms"},
            {"Cfg/System16.set", std::nullopt, [&] { return game(Emu::System16, "Shinobi"); },
             "C:\\emu\\system16\\ziproms"},
            {"ARVOK.ini", "DefaultLayout = L\rAutoloadOnStartup = 1", startup, "0"},
            {"Layouts.DAT", "[L]\rMAIN,1,2\r-", startup, "1"},
        };
    for (const auto& [name, bytes, read, expected] : rows) {
        if (bytes)
            test::WriteBytes(dir / name, *bytes);
        else
            std::filesystem::create_directories(dir / name);
        EXPECT_EQ(read(), expected) << name;
    }
    EXPECT_EQ(test::AskedTexts(*shown), Names{test::shown::Unreadable(dir / "Cfg/System16.set")});
}

// A NUL pasted with a C string's terminator would leave a file that is never read again.
TEST_F(EmulatorCfgTest, EveryWriterRefusesANulAndLeavesItsFileAsItWas) {
    const std::string nul("/roms\0x", 7), layouts = dir / "layouts.dat",
                                          dat = "[A]\r\nMAIN,1,2\r\n";
    EmulatorCfg cfg;
    cfg.romPath = nul;
    const SettingsFields fields = With(BuiltInDefaults(Emu::Mame), kRomPathSlot, nul);
    const std::vector<std::tuple<const char*, std::string, std::function<bool()>>> rows{
        {"Cfg/Mame.cfg", "[Paths]\r\nExePath=/old\r\n",
         [&] { return SaveEmulatorCfg(Emu::Mame, cfg); }},
        {"Cfg/Mame.set", "\"Galaga\",\"/roms\"\r\n",
         [&] { return SaveGameSettings(Emu::Mame, "Galaga", fields); }},
        {"Cfg/Mame.set", "\"Galaga\",\"/r\"\r\n", [&] { return ApplyToAll(Emu::Mame, fields); }},
        {"layouts.dat", dat, [&] { return AppendLayout(layouts, nul).saved; }},
        {"layouts.dat", dat, [&] { return StoreLayout(layouts, nul, {Placement{}}).saved; }},
        {"layouts.dat", dat, [&] { return RenameLayout(layouts, "A", nul).saved; }},
        {"arvok.ini", "[Layouts]\r\n",
         [&] {
             return WriteLayoutOptions(dir / "arvok.ini", {true, true, nul}).saved;
         }},
        {"emu/lancia.bat", "left by a crash\r\n",
         [&] { return RunLaunchTail(dir / "emu", "/bin/true " + nul).ran; }},
    };
    for (const auto& [file, old, write] : rows) {
        SCOPED_TRACE(file);
        test::WriteBytes(dir / file, old);
        EXPECT_FALSE(write());
        EXPECT_EQ(test::ReadBytes(dir / file), old);
    }
    EXPECT_EQ(test::AskedTexts(*shown),
              std::vector<std::string>(3, "The ROM folder\r" + nul +
                                              "\rcannot be kept in the settings file: it holds a "
                                              "NUL character. The settings were not saved."));
}

} // namespace
} // namespace arvok
