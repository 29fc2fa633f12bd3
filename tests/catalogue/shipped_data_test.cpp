#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "catalogue/data_file.h"
#include "catalogue/game_list.h"
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
    RecordLines lines(ShippedFile(emu));
    for (std::string_view line : lines.lines())
        records.push_back(SplitRecord(line));
    return records;
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
        RecordLines records(ShippedFile(emu));
        for (std::string_view line : records.lines()) {
            EXPECT_EQ(std::count(line.begin(), line.end(), ';'), kRecordFields) << line;
            EXPECT_EQ(line.back(), ';') << line;
            names.emplace_back(RecordField(line, kName));
        }
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
    // Every genre, manufacturer and year of a record is an item of its filter combo, so that
    // choosing that item finds the game; nearly every genre and year item finds one.
    for (Emu emu : {Emu::Mame, Emu::Callus, Emu::Raine}) {
        SCOPED_TRACE(Section(emu).baseName);
        const FilterItems& combos = FilterComboItems(emu);
        const struct {
            int field;
            Items items;
        } filters[] = {
            {kGenre, Items(combos.genre.begin() + 1, combos.genre.end())},
            {kManufacturer, Items(combos.manufacturer.begin() + 1, combos.manufacturer.end())},
            {kYear, Items(combos.year.begin() + 1, combos.year.end())},
        };
        Items genres, years;
        for (const GameRecord& r : Records(emu)) {
            for (const auto& filter : filters) {
                EXPECT_TRUE(filter.items.count(r.field(filter.field)))
                    << r.field(kName) << ": " << r.field(filter.field);
            }
            genres.insert(r.field(kGenre));
            years.insert(r.field(kYear));
        }
        EXPECT_GE(genres.size() + 1, filters[0].items.size()) << "nearly every genre has a game";
        EXPECT_GE(years.size() + 1, filters[2].items.size()) << "nearly every year has a game";
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
