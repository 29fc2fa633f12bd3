#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "catalogue/data_file.h"
#include "catalogue/header_block.h"
#include "platform/path.h"
#include "platform/text_file.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using Items = std::set<std::string>;

std::string ShippedFile(Emu emu) {
    return test::ShippedData(std::string(Section(emu).baseName) + ".dat");
}

std::vector<GameRecord> Records(Emu emu) {
    std::vector<GameRecord> records;
    ForEachRecordLine(ShippedFile(emu),
                      [&](std::string_view line) { records.push_back(SplitRecord(line)); });
    return records;
}

Items Years(int from, int to) {
    Items years;
    for (int y = from; y <= to; ++y)
        years.insert(std::to_string(y));
    return years;
}

TEST(ShippedData, EveryFileIsCrLfTextWithWholeRecordsInListOrder) {
    for (Emu emu : kAllEmus) {
        SCOPED_TRACE(Section(emu).baseName);
        std::string bytes = test::ReadBytes(ShippedFile(emu));
        ASSERT_GT(bytes.size(), 2u);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
            }
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
            }
        }

        std::vector<std::string> names;
        ForEachRecordLine(ShippedFile(emu), [&](std::string_view line) {
            EXPECT_EQ(std::count(line.begin(), line.end(), ';'), kRecordFields) << line;
            EXPECT_EQ(line.back(), ';') << line;
            names.emplace_back(RecordField(line, kName));
        });
        ASSERT_FALSE(names.empty());
        for (size_t i = 1; i < names.size(); ++i)
            EXPECT_LT(CompareNoCase(names[i - 1], names[i]), 0)
                << names[i - 1] << " / " << names[i];
    }
}

TEST(ShippedData, HeaderFiguresMatchTheRecords) {
    for (Emu emu : kAllEmus) {
        SCOPED_TRACE(Section(emu).baseName);
        HeaderBlock header = ReadHeaderBlock(ShippedFile(emu));
        ASSERT_EQ(header.read, kHeaderLines);
        for (const std::string& value : header.values)
            EXPECT_FALSE(value.empty());

        std::vector<GameRecord> records = Records(emu);
        int originals = 0, working = 0, samples = 0, oldest = 9999, newest = 0;
        std::map<std::string, int> byMaker;
        for (const GameRecord& r : records) {
            originals += r.field(kType) == "O";
            working += r.field(8) == "Yes";
            samples += r.field(10) == "Yes(1)";
            ++byMaker[r.field(kManufacturer)];
            if (r.field(kYear) != "????") {
                oldest = std::min(oldest, std::stoi(r.field(kYear)));
                newest = std::max(newest, std::stoi(r.field(kYear)));
            }
        }
        auto most = std::max_element(byMaker.begin(), byMaker.end(),
                                     [](auto& a, auto& b) { return a.second < b.second; });
        EXPECT_EQ(header.values[7], std::to_string(records.size()));
        EXPECT_EQ(GameTotal(ShippedFile(emu)), std::to_string(records.size()));
        EXPECT_EQ(header.values[8], std::to_string(originals));
        EXPECT_EQ(header.values[9], std::to_string(working));
        EXPECT_EQ(header.values[10], std::to_string(samples)) << "games with samples";
        EXPECT_EQ(header.values[11], std::to_string(oldest));
        EXPECT_EQ(header.values[12], std::to_string(newest));
        EXPECT_EQ(header.values[13], std::to_string(newest - oldest + 1));
        EXPECT_EQ(header.values[14], most->first + " (" + std::to_string(most->second) + ")");
    }
}

TEST(ShippedData, ClonesNameAParentOfTheirOwnFileAndSetsAreUnique) {
    for (Emu emu : kAllEmus) {
        SCOPED_TRACE(Section(emu).baseName);
        std::vector<GameRecord> records = Records(emu);
        Items sets;
        for (const GameRecord& r : records)
            EXPECT_TRUE(sets.insert(r.field(kSet)).second) << r.field(kSet);
        for (const GameRecord& r : records) {
            ASSERT_TRUE(r.field(kType) == "O" || r.field(kType) == "C") << r.field(kName);
            if (r.field(kType) == "O") {
                EXPECT_EQ(r.field(kParent), "-") << r.field(kName);
            } else if (r.field(kParent) != "neogeo") {
                EXPECT_TRUE(sets.count(r.field(kParent))) << r.field(kName);
            }
        }
    }
}

TEST(ShippedData, FilterValuesAreItemsOfTheFilterCombos) {
    struct Filters {
        Emu emu;
        Items genres, makers, years;
    };
    const std::vector<Filters> sections{
        {Emu::Mame,
         {"n/a", "Action", "Arcade", "Breakout", "Fighting", "Gambling", "Labyrinth", "Pinball",
          "Platform", "Pool", "Puzzle", "Racing", "Shooter", "Shooter 3D", "Space", "Sports"},
         {},
         [] {
             Items years = Years(1975, 1999);
             years.insert("????");
             return years;
         }()},
        {Emu::Callus,
         {"Action", "Fighting", "Puzzle", "Shooter", "Trivia"},
         {"Capcom"},
         Years(1988, 1995)},
        {Emu::Raine,
         {"Action", "Fighting", "Maze", "Platform", "Puzzle", "Racing", "Shooter", "Sports"},
         {},
         Years(1985, 1997)},
    };
    for (const Filters& f : sections) {
        SCOPED_TRACE(Section(f.emu).baseName);
        Items genres, years;
        for (const GameRecord& r : Records(f.emu)) {
            EXPECT_TRUE(f.genres.count(r.field(kGenre))) << r.field(kName);
            EXPECT_TRUE(f.years.count(r.field(kYear))) << r.field(kName);
            if (!f.makers.empty()) {
                EXPECT_TRUE(f.makers.count(r.field(kManufacturer))) << r.field(kName);
            }
            genres.insert(r.field(kGenre));
            years.insert(r.field(kYear));
        }
        EXPECT_GE(genres.size() + 1, f.genres.size()) << "nearly every genre has a game";
        EXPECT_GE(years.size() + 1, f.years.size()) << "nearly every year has a game";
    }
}

TEST(ShippedData, TheMameFileCoversEveryListCategoryAndTheAwkwardNames) {
    std::vector<GameRecord> records = Records(Emu::Mame);
    auto count = [&](auto pred) { return std::count_if(records.begin(), records.end(), pred); };
    EXPECT_GT(count([](auto& r) { return r.field(kType) == "O"; }), 10);
    EXPECT_GT(count([](auto& r) { return r.field(kType) == "C" && r.field(kParent) != "neogeo"; }),
              10);
    EXPECT_GT(count([](auto& r) { return r.field(kParent) == "neogeo"; }), 5);
    EXPECT_EQ(count([](auto& r) { return r.field(kName).find('\xE9') != std::string::npos; }), 1);
    int sameButCase = 0;
    for (size_t i = 1; i < records.size(); ++i)
        sameButCase += EqualsNoCase(records[i - 1].field(kName), records[i].field(kName));
    EXPECT_EQ(sameButCase, 1);
}

TEST(ShippedData, TheM72FileHoldsTheTwelveGamesOfItsWindow) {
    std::vector<std::string> names;
    for (const GameRecord& r : Records(Emu::M72))
        names.push_back(r.field(kName));
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Battle Chopper", "Dragon Breed", "Gallop - Armed Police Unit",
                         "Hammerin'Harry", "Image Fight", "Legend of Hero Tonma", "Mr.Heli (JP)",
                         "Ninja Spirit", "R-Type (JP)", "R-Type (US)", "R-Type 2", "X-Multiply"}));
}

} // namespace
} // namespace arvok
