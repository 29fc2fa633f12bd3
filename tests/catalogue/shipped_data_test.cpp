#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>

#include "catalogue/data_file.h"
#include "catalogue/filter_items.h"
#include "catalogue/game_list.h"
#include "catalogue/header_block.h"
#include "platform/path.h"
#include "platform/text_file.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using Strings = std::vector<std::string>;

using Items = std::set<std::string>;

std::string ShippedFile(Emu emu) {
    return test::ShippedData(std::string(Section(emu).baseName) + ".dat");
}

// The records of a shipped file; every file holds at least the twelve games of M72's window, so
// that the checks looping over them look at something.
std::vector<GameRecord> Records(Emu emu) {
    std::vector<GameRecord> records;
    RecordLines lines(ShippedFile(emu));
    for (std::string_view line : lines.lines())
        records.push_back(SplitRecord(line));
    EXPECT_GE(records.size(), 12u) << ShippedFile(emu);
    return records;
}

// Each file is CR LF text with whole records in list order, its header's figures match its
// records, it is dated after its newest game, and its clones name parents of its own.
TEST(ShippedData, EveryFileIsWholeRecordsThatItsHeaderDescribes) {
    for (Emu emu : kAllEmus) {
        SCOPED_TRACE(Section(emu).baseName);
        std::string bytes = test::ReadBytes(ShippedFile(emu));
        ASSERT_GT(bytes.size(), 2u);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        EXPECT_FALSE(std::regex_search(bytes, std::regex("\r([^\n]|$)|(^|[^\r])\n")))
            << "a bare CR or LF";
        RecordLines lines(ShippedFile(emu));
        for (std::string_view line : lines.lines()) {
            EXPECT_EQ(std::count(line.begin(), line.end(), ';'), kRecordFields) << line;
            EXPECT_EQ(line.back(), ';') << line;
        }

        HeaderBlock header = ReadHeaderBlock(ShippedFile(emu));
        ASSERT_EQ(header.read, kHeaderLines);
        for (const std::string& value : header.values)
            EXPECT_FALSE(value.empty());
        std::vector<GameRecord> records = Records(emu);
        int originals = 0, working = 0, samples = 0, oldest = 9999, newest = 0;
        std::map<std::string, int> byMaker;
        Items sets;
        for (size_t i = 0; i < records.size(); ++i) {
            const GameRecord& r = records[i];
            const std::string before = i > 0 ? records[i - 1].field(kName) : "";
            EXPECT_TRUE(i == 0 || CompareNoCase(before, r.field(kName)) < 0)
                << before << " / " << r.field(kName);
            EXPECT_TRUE(sets.insert(r.field(kSet)).second) << r.field(kSet);
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
        EXPECT_EQ(GameTotal(ShippedFile(emu)), std::to_string(records.size()));
        // The total, originals, working games, games with samples, years and the top maker.
        EXPECT_EQ(Strings(header.values.begin() + 7, header.values.begin() + 15),
                  (Strings{std::to_string(records.size()), std::to_string(originals),
                           std::to_string(working), std::to_string(samples), std::to_string(oldest),
                           std::to_string(newest), std::to_string(newest - oldest + 1),
                           most->first + " (" + std::to_string(most->second) + ")"}));
        for (const GameRecord& r : records) {
            ASSERT_TRUE(r.field(kType) == "O" || r.field(kType) == "C") << r.field(kName);
            if (r.field(kType) == "O") {
                EXPECT_EQ(r.field(kParent), "-") << r.field(kName);
            } else if (r.field(kParent) != "neogeo") {
                EXPECT_TRUE(sets.count(r.field(kParent))) << r.field(kName);
            }
        }

        const std::string date = header.values[3];
        ASSERT_EQ(date.size(), 8u) << "dd/mm/yy";
        const int year = 1900 + std::stoi(date.substr(6)) + (date[6] < '5' ? 100 : 0);
        EXPECT_GE(year, newest) << date;
        if (emu == Emu::Mame) {
            // Garou, the newest game, came out in November 1999.
            EXPECT_GE(year * 100 + std::stoi(date.substr(3, 2)), 199911) << date;
        }
    }
}

TEST(ShippedData, FilterValuesAreItemsOfTheFilterCombos) {
    // Every genre, manufacturer and year of a record is an item of its filter combo, so that
    // choosing that item finds the game. Rastan (US) came from a maker the Raine combo lacks.
    for (Emu emu : {Emu::Mame, Emu::Callus, Emu::Raine}) {
        SCOPED_TRACE(Section(emu).baseName);
        const FilterItems& combos = FilterComboItems(emu);
        Items makers(combos.manufacturer.begin() + 1, combos.manufacturer.end());
        if (emu == Emu::Raine)
            makers.insert("Taito America Corporation");
        const struct {
            int field;
            Items items;
        } filters[] = {
            {kGenre, Items(combos.genre.begin() + 1, combos.genre.end())},
            {kManufacturer, makers},
            {kYear, Items(combos.year.begin() + 1, combos.year.end())},
        };
        for (const GameRecord& r : Records(emu)) {
            for (const auto& filter : filters) {
                EXPECT_TRUE(filter.items.count(r.field(filter.field)))
                    << r.field(kName) << ": " << r.field(filter.field);
            }
        }
    }
}

// Fields "from" to "to" (counted as in the file) of the record of a set.
std::vector<std::string> Fields(Emu emu, const std::string& set, int from, int to) {
    DataFiles data("");
    auto record = data.find(ShippedFile(emu), kSet, set);
    if (!record)
        return {"<no " + set + ">"};
    return Strings(record->fields.begin() + from - 1, record->fields.begin() + to);
}

constexpr int kCpu1 = 14, kSound4 = 21;

TEST(ShippedData, PinnedRecordsHoldTheirGamesFacts) {
    EXPECT_EQ(Fields(Emu::Mame, "hangly2", kName, kName), Strings{"Hangly-Man (set 2)"});
    EXPECT_EQ(Fields(Emu::Mame, "asterix", kName, kName), Strings{"Ast\xE9rix (World)"})
        << "the files are Latin-1 text";
    EXPECT_EQ(Fields(Emu::Mame, "invadpt2", kYear, kYear), Strings{"1979"});
    EXPECT_EQ(Fields(Emu::Mame, "newpuc2", kYear, kYear), Strings{"1980"});
    EXPECT_EQ(Fields(Emu::System16, "dunkshot", kYear, kYear), Strings{"1987"});
    EXPECT_EQ(Fields(Emu::Raine, "rastanu", kManufacturer, kManufacturer),
              Strings{"Taito America Corporation"});
    EXPECT_EQ(Fields(Emu::Callus, "dino", kCpu1 + 4, kSound4), (Strings{"Q-Sound", "", "", ""}));

    // Each System16 game names its own board's chips: a line of the fixture is the set, its four
    // processors and its four sound chips, each followed by ";".
    std::vector<std::string> boards;
    ASSERT_TRUE(ReadLines(test::Fixture("system16_boards.txt"), boards));
    ASSERT_EQ(boards.size(), 5u);
    for (const std::string& board : boards) {
        const GameRecord chips = SplitRecord(board);
        EXPECT_EQ(Fields(Emu::System16, chips.field(1), kCpu1, kSound4),
                  Strings(chips.fields.begin() + 1, chips.fields.begin() + 9));
    }
}

// The chip names of a header summary line: "68000, Z80".
Items Chips(const std::string& summary) {
    Items chips;
    for (size_t from = 0; from < summary.size();) {
        size_t to = std::min(summary.find(", ", from), summary.size());
        chips.insert(summary.substr(from, to - from));
        from = to + 2;
    }
    return chips;
}

TEST(ShippedData, TheSystem16HeaderNamesTheChipsItsGamesHold) {
    HeaderBlock header = ReadHeaderBlock(ShippedFile(Emu::System16));
    Items cpus, sounds;
    for (const GameRecord& r : Records(Emu::System16)) {
        for (int field = kCpu1; field <= kSound4; ++field) {
            std::string chip = r.field(field).substr(0, r.field(field).find(" ("));
            if (!chip.empty())
                (field < kCpu1 + 4 ? cpus : sounds).insert(chip);
        }
    }
    EXPECT_EQ(Chips(header.values[4]), cpus);
    EXPECT_EQ(Chips(header.values[5]), sounds);
}

TEST(ShippedData, TheM72FileHoldsTheTwelveGamesOfItsWindow) {
    std::vector<std::string> names;
    for (const GameRecord& r : Records(Emu::M72))
        names.push_back(r.field(kName));
    EXPECT_EQ(names,
              (Strings{"Battle Chopper", "Dragon Breed", "Gallop - Armed Police Unit",
                       "Hammerin'Harry", "Image Fight", "Legend of Hero Tonma", "Mr.Heli (JP)",
                       "Ninja Spirit", "R-Type (JP)", "R-Type (US)", "R-Type 2", "X-Multiply"}));
}

} // namespace
} // namespace arvok
