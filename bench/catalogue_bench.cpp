// The catalogue at the size of a full MAME data file: 40,000 records and a folder of 40,000
// zips. Each figure is printed with its ratio to reading the same data file once and splitting
// it into lines, measured in the same run.
#include "bench_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/game_list.h"
#include "catalogue/rom_lookup.h"
#include "catalogue/rom_scan.h"
#include "core/shared_state.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "sections/open_section.h"

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

void Fill(benchmark::State& state, ListChoice choice) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildGameList(Emu::Mame, choice).names.data());
}

void Lookup(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LookupRom(Emu::Mame, Data().lastGame).romSel.data());
}

void Scan(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanRoms(Emu::Mame, {Data().roms, "", false}).found);
}

} // namespace

int main(int argc, char** argv) {
    // What the program installs at start-up, the memory allocator's settings among it: the
    // figures depend on whether freed memory is kept for the next data-file read.
    InstallSectionWindows();
    SetDialogs(std::make_unique<SilentDialogs>());
    Shared().DirInst = Data().root;
    ScanRoms(Emu::Mame, {Data().roms, "", false});

    const FilterItems& items = FilterComboItems(Emu::Mame);
    RegisterBaseline(Data().dataFile);
    std::map<std::string, double> goal;
    for (size_t i = 0; i < items.category.size(); ++i) {
        ListChoice choice;
        choice.category = static_cast<int>(i);
        std::string name = "fill " + items.category[i];
        benchmark::RegisterBenchmark(name.c_str(), Fill, choice)->Unit(benchmark::kMillisecond);
        goal[name] = 3;
    }
    ListChoice genre;
    genre.genre = items.genre[3];
    ListChoice maker;
    maker.manufacturer = items.manufacturer[33];
    ListChoice year;
    year.year = items.year[10];
    ListChoice all{3, items.genre[3], items.manufacturer[33], items.year[10]};
    for (auto& [name, choice] : std::vector<std::pair<std::string, ListChoice>>{
             {"filter genre", genre},
             {"filter manufacturer", maker},
             {"filter year", year},
             {"filter all three on Available Roms", all}}) {
        benchmark::RegisterBenchmark(name.c_str(), Fill, choice)->Unit(benchmark::kMillisecond);
        goal[name] = 3;
    }
    benchmark::RegisterBenchmark("record search for the last game", Lookup)
        ->Unit(benchmark::kMillisecond);
    goal["record search for the last game"] = 3;
    benchmark::RegisterBenchmark("scan", Scan)->Unit(benchmark::kMillisecond);
    goal["scan"] = 5;

    RunAndReport(argc, argv, goal);
    std::error_code ec;
    fs::remove_all(Data().root, ec);
    return 0;
}
