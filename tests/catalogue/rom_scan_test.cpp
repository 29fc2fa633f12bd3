#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/rom_scan.h"
#include "platform/dialogs.h"
#include "records.h"
#include "shell/installation.h"
#include "support/shown_texts.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::ReadBytes;
using test::Rec;
using test::TempDir;
using test::WriteBytes;
using test::WriteLines;

class RomScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir / "Cfg");
        shown = &InstallScriptedDialogs();
        WriteLines(dir / "Data/Mame.dat",
                   {"*" + Rec{"Header", "hdr"}.line(), "# pacman;pacman;", "",
                    Rec{"Pac-Man", "pacman"}.line(),
                    Rec{"Puck Man", "puckman", "C", "pacman"}.line(),
                    Rec{"Metal Slug", "mslug", "O", "neogeo"}.line(),
                    Rec{"KOF 98", "kof98", "C", "neogeo"}.line(), Rec{"Galaga", "galaga"}.line(),
                    Rec{"Gallag", "gallag", "C", "galaga"}.line(), "not a record",
                    Rec{"Odd", "odd", "o", "pacman"}.line(),
                    Rec{"KOF Hack", "kof98h", "C", "neogeox"}.line(),
                    Rec{"Loud Neo", "loudneo", "C", "NEOGEO"}.line()});
    }
    void Zip(const std::string& folder, const std::string& name) {
        WriteBytes(dir / (folder + "/" + name), "PK");
    }
    // Scan-file bytes: each line in quotes, ended by CR LF.
    static std::string Quoted(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += "\"" + line + "\"\r\n";
        return bytes;
    }

    // The scan as the configuration page starts it, telling the user what it found.
    ScanResult ScanRoms(Emu emu, const ScanRequest& request) {
        ScanResult result = arvok::ScanRoms(installation.data, emu, request);
        installation.notices.scanned(emu, request, result);
        return result;
    }

    TempDir dir;
    Installation installation{dir.path()};
    const std::string roms = dir / "roms", alt = dir / "alt";
    ScriptedDialogs* shown = nullptr;
};

TEST_F(RomScanTest, SplitModeTestsEachGamesOwnZipInBothFolders) {
    Zip("roms", "PACMAN.ZIP");
    Zip("roms", "mslug.zip");
    Zip("alt", "KoF98.zip");
    Zip("roms", ".zip");
    std::filesystem::create_directories(dir / "roms/galaga.zip");
    Zip("elsewhere", "gallag.bin");
    std::filesystem::create_symlink(dir / "elsewhere/gallag.bin", dir / "roms/gallag.zip");
    std::filesystem::create_symlink(dir / "elsewhere/none", dir / "alt/odd.zip");
    ScanResult result = ScanRoms(Emu::Mame, {roms + "/", alt, false});
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.found, 4u);
    EXPECT_EQ(ReadBytes(dir / "Cfg/Mame.scn"),
              Quoted({"Pac-Man;Y", "Puck Man;N", "Metal Slug;Y", "KOF 98;Y", "Galaga;N", "Gallag;Y",
                      "Odd;N", "KOF Hack;N", "Loud Neo;N"}));
    ASSERT_EQ(test::AskedTexts(*shown),
              std::vector<std::string>{"4 Roms found in:\r" + roms + "/\rand\r" + alt});
    EXPECT_EQ(test::MessageDifferences(*shown), std::vector<std::string>{});
}

TEST_F(RomScanTest, MergedModeTestsClonesWithTheirParentsZipExceptNeoGeoOnes) {
    Zip("alt", "pacman.zip");
    Zip("roms", "kof98.zip");
    Zip("roms", "gallag.zip");
    // Only a parent named exactly "neogeo" makes a clone stand for itself.
    Zip("roms", "neogeox.zip");
    Zip("roms", "neogeo.zip");
    ScanResult result = ScanRoms(Emu::Mame, {roms, alt, true});
    EXPECT_EQ(result.found, 5u);
    EXPECT_EQ(ReadBytes(dir / "Cfg/Mame.scn"),
              Quoted({"Pac-Man;Y", "Puck Man;Y", "Metal Slug;N", "KOF 98;Y", "Galaga;N", "Gallag;N",
                      "KOF Hack;Y", "Loud Neo;Y"}));
    // A Neo-Geo clone without a zip of its own is missing, whatever neogeo.zip holds.
    std::filesystem::remove(dir / "roms/kof98.zip");
    ScanRoms(Emu::Mame, {roms, alt, true});
    EXPECT_NE(ReadBytes(dir / "Cfg/Mame.scn").find("\"KOF 98;N\""), std::string::npos);
}

TEST_F(RomScanTest, EmptyFolderSettingsAreNotSearched) {
    // The working directory holds a zip that an empty setting must not find.
    Zip("cwd", "pacman.zip");
    auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir / "cwd");
    ScanResult result = ScanRoms(Emu::Mame, {"", "", false});
    std::filesystem::current_path(before);
    EXPECT_EQ(result.found, 0u);
    EXPECT_EQ(ReadBytes(dir / "Cfg/Mame.scn").find(";Y"), std::string::npos);
    EXPECT_EQ(shown->asked.at(0).text, "0 Roms found in:\r\rand\r");
}

TEST_F(RomScanTest, OtherSectionsSearchOneFolderAndNameOnlyIt) {
    WriteLines(dir / "Data/callus.dat", {Rec{"Final Fight", "ffight", "O"}.line(),
                                         Rec{"Final Fight J", "ffightj", "C", "ffight"}.line(),
                                         Rec{"Odd", "odd", "x"}.line()});
    Zip("r\xC3\xB6ms", "ffight.zip");
    Zip("alt", "ffightj.zip");
    ScanResult result = ScanRoms(Emu::Callus, {dir / "r\xC3\xB6ms", alt, true});
    EXPECT_EQ(result.found, 1u);
    EXPECT_EQ(ReadBytes(dir / "Cfg/Callus.scn"),
              Quoted({"Final Fight;Y", "Final Fight J;N", "Odd;N"}));
    EXPECT_EQ(shown->asked.at(0).text, "1 Roms found in:\r" + dir / "r\xF6ms");

    WriteLines(dir / "Data/Raine.dat", {Rec{"Rastan", "rastan"}.line()});
    result = ScanRoms(Emu::Raine, {dir / "nowhere", "", false});
    EXPECT_TRUE(result.written);
    EXPECT_EQ(ReadBytes(dir / "Cfg/Raine.scn"), "\"Rastan;N\"\r\n");
    EXPECT_EQ(shown->asked.at(1).text, "0 Roms found in:\r" + dir / "nowhere");
}

TEST_F(RomScanTest, FailuresAreReportedAndLeaveTheOldScanFile) {
    WriteBytes(dir / "Cfg/Raine.scn", "\"Old;Y\"\r\n");
    ScanResult result = ScanRoms(Emu::Raine, {roms, "", false});
    EXPECT_FALSE(result.written);
    EXPECT_EQ(shown->asked.at(0).text, test::shown::kNoDataFile);
    EXPECT_EQ(test::MessageDifferences(*shown), std::vector<std::string>{});
    EXPECT_EQ(ReadBytes(dir / "Cfg/Raine.scn"), "\"Old;Y\"\r\n");

    std::filesystem::create_directories(dir / "Cfg/Mame.scn");
    result = ScanRoms(Emu::Mame, {roms, alt, false});
    EXPECT_FALSE(result.written);
    EXPECT_EQ(shown->asked.at(1).style, MsgStyle::Warning);
    EXPECT_NE(shown->asked.at(1).text.find(dir / "Cfg/Mame.scn"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Cfg/Mame.scn"));
}

// The zip names of both folders stand in one table of at least 64 slots, at most half full: it
// grows past 32, 64 and 128 names, and the folders are scanned as they fill up to either side of
// those sizes. Every accented capital matches its small letter, the capital in the zip's name or
// in the data file, and with each record standing 509 times the count passes 65,536.
TEST_F(RomScanTest, CountsEveryZipOfFoldersAroundTheSizesWhereItsNameTableGrows) {
    std::string capitals = "\x8A\x8C\x8E\x9F", small = "\x9A\x9C\x9E\xFF";
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) {
            capitals += static_cast<char>(c);
            small += static_cast<char>(c + 32);
        }
    size_t made = 0;
    auto scan = [&](size_t names, size_t rounds) {
        for (; made < names; ++made)
            WriteBytes((made % 2 ? alt : roms) + "/" +
                           (made / 2 % 2 ? small : capitals)[made % capitals.size()] +
                           std::to_string(made) + ".ZIP",
                       "PK");
        std::string data, lines;
        for (size_t n = 0; n < rounds * (names * 3 / 2); ++n) {
            const size_t i = n % (names * 3 / 2);
            data += "G" + std::to_string(i) + ";" +
                    (i / 2 % 2 ? capitals : small)[i % small.size()] + std::to_string(i) + ";\r\n";
            lines += "\"G" + std::to_string(i) + (i < names ? ";Y\"\r\n" : ";N\"\r\n");
        }
        WriteBytes(dir / "Data/Mame.dat", data);
        ScanResult result = ScanRoms(Emu::Mame, {roms, alt, false});
        EXPECT_EQ(result.found, rounds * names) << names;
        EXPECT_TRUE(ReadBytes(dir / "Cfg/Mame.scn") == lines) << names;
        EXPECT_EQ(shown->asked.back().text,
                  std::to_string(rounds * names) + " Roms found in:\r" + roms + "\rand\r" + alt);
    };
    for (size_t names : {32, 33, 64, 65, 128, 129})
        scan(names, 1);
    scan(129, 509);
}

} // namespace
} // namespace arvok
