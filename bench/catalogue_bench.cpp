// The catalogue at the size of a full MAME data file: 40,000 records and a folder of 40,000
// zips. The data file's bytes are split into lines and read into records; each list action is
// measured on the data file's kept records (warm) and on the file read anew (cold). Each is
// printed with its ratio to the floors measured in the same run: a memchr split of the bytes,
// one read of the file and a memchr split, and for the scan that and one readdir pass over the
// ROM folder.
#include "bench_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/data_file.h"
#include "catalogue/filter_items.h"
#include "catalogue/game_list.h"
#include "catalogue/rom_lookup.h"
#include "catalogue/rom_scan.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"

namespace fs = std::filesystem;
using namespace arvok;
using namespace arvok::bench;

namespace {

struct Setup {
    std::string root;
    std::string dataFile;
    std::string roms;
    std::string lastGame;
};

// The data file and a folder of kGames zips: one set in ten is missing, a zip of no game
// standing in its place.
Setup Generate() {
    Setup s;
    s.root = MakeInstallation();
    s.roms = s.root + "/roms";
    fs::create_directories(s.roms);
    for (int i = 0; i < kGames; ++i)
        std::ofstream(s.roms + "/" + (i % 10 == 9 ? "other" + SetName(i) : SetName(i)) + ".zip");
    s.lastGame = GameName(kGames - 1);
    s.dataFile = s.root + "/Data/Mame.dat";
    std::ofstream(s.dataFile, std::ios::binary) << GeneratedMameData();
    return s;
}

Setup& Data() {
    static Setup setup = Generate();
    return setup;
}

// The installation's data files, kept as the program keeps them.
DataFiles& Files() {
    static DataFiles files(Data().root);
    return files;
}

// A list action on the kept records of the data file (warm), or on the file read anew because
// it was touched just before (cold).
enum class Records { Warm, Cold };

void Touch(Records records) {
    if (records == Records::Cold)
        fs::last_write_time(Data().dataFile, fs::file_time_type::clock::now());
}

void Fill(benchmark::State& state, ListChoice choice, Records records) {
    for (auto _ : state) {
        Touch(records);
        benchmark::DoNotOptimize(BuildGameList(Files(), Emu::Mame, choice).names.data());
    }
}

void Lookup(benchmark::State& state, Records records) {
    for (auto _ : state) {
        Touch(records);
        benchmark::DoNotOptimize(LookupRom(Files(), Emu::Mame, Data().lastGame).romSel.data());
    }
}

void SplitIntoLines(benchmark::State& state) {
    const std::string bytes = ReadWhole(Data().dataFile);
    for (auto _ : state) {
        size_t lines = 0;
        ForEachLine(bytes, [&lines](std::string_view) {
            ++lines;
            return false;
        });
        benchmark::DoNotOptimize(lines);
    }
}

void ReadRecords(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordLines(Data().dataFile).lines().data());
}

void Scan(benchmark::State& state, Records records) {
    for (auto _ : state) {
        Touch(records);
        benchmark::DoNotOptimize(ScanRoms(Files(), Emu::Mame, {Data().roms, "", false}).found);
    }
}

// One pass over the ROM folder's entries, nothing else done with them.
void ListFolder(benchmark::State& state) {
    for (auto _ : state) {
        DIR* dir = opendir(Data().roms.c_str());
        size_t entries = 0;
        while (readdir(dir))
            ++entries;
        closedir(dir);
        benchmark::DoNotOptimize(entries);
    }
}

} // namespace

int main(int argc, char** argv) {
    SetDialogs(std::make_unique<SilentDialogs>());
    ScanRoms(Files(), Emu::Mame, {Data().roms, "", false});

    const FilterItems& items = FilterComboItems(Emu::Mame);
    RegisterFloors(Data().dataFile);
    benchmark::RegisterBenchmark(kListingFloor.c_str(), ListFolder)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("split the data file into lines", SplitIntoLines)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("read the data file into records", ReadRecords)
        ->Unit(benchmark::kMillisecond);
    std::vector<std::pair<std::string, ListChoice>> actions;
    for (size_t i = 0; i < items.category.size(); ++i) {
        ListChoice choice;
        choice.category = static_cast<int>(i);
        actions.push_back({"fill " + items.category[i], choice});
    }
    ListChoice genre;
    genre.genre = items.genre[3];
    ListChoice maker;
    maker.manufacturer = items.manufacturer[33];
    ListChoice year;
    year.year = items.year[10];
    actions.push_back({"filter genre", genre});
    actions.push_back({"filter manufacturer", maker});
    actions.push_back({"filter year", year});
    actions.push_back({"filter all three on Available Roms",
                       {3, items.genre[3], items.manufacturer[33], items.year[10]}});

    std::map<std::string, Goal> goals{
        {"split the data file into lines", {2, {kSplitFloor}}},
        {"read the data file into records", {2.5}},
    };
    for (auto [records, suffix] : {std::pair{Records::Cold, ", cold"}, {Records::Warm, ", warm"}}) {
        for (const auto& [action, choice] : actions) {
            std::string name = action + suffix;
            benchmark::RegisterBenchmark(name.c_str(), Fill, choice, records)
                ->Unit(benchmark::kMillisecond);
            goals[name] = {3};
        }
        std::string lookup = std::string("record search for the last game") + suffix;
        benchmark::RegisterBenchmark(lookup.c_str(), Lookup, records)
            ->Unit(benchmark::kMillisecond);
        goals[lookup] = {3};
        std::string scan = std::string("scan") + suffix;
        benchmark::RegisterBenchmark(scan.c_str(), Scan, records)->Unit(benchmark::kMillisecond);
        goals[scan] = {2, {kReadSplitFloor, kListingFloor}};
    }

    RunAndReport(argc, argv, goals);
    std::error_code ec;
    fs::remove_all(Data().root, ec);
    return 0;
}
