// The catalogue at the size of a full MAME data file: 40,000 records and a folder of 40,000
// zips. Each figure is printed with its ratio to reading the same data file once and splitting
// it into lines, measured in the same run.
#include <benchmark/benchmark.h>

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

namespace fs = std::filesystem;
using namespace arvok;

namespace {

constexpr int kGames = 40000;

class SilentDialogs : public Dialogs {
public:
    Answer message(const std::string&, MsgStyle, const std::string&) override { return Answer::Ok; }
};

struct Setup {
    std::string root;
    std::string dataFile;
    std::string roms;
    std::string lastGame;
};

// A data file in list order with fields of realistic length, and 40,000 zips.
Setup Generate() {
    Setup s;
    std::string pattern = (fs::temp_directory_path() / "arvok-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    s.root = pattern;
    s.roms = s.root + "/roms";
    fs::create_directories(s.root + "/Data");
    fs::create_directories(s.root + "/Cfg");
    fs::create_directories(s.roms);
    const FilterItems& items = FilterComboItems(Emu::Mame);
    std::string data = "* Generated data file\r\n";
    for (int i = 0; i < 16; ++i)
        data += "# header line\r\n";
    for (int i = 0; i < kGames; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%05d", i);
        std::string name = std::string("Game ") + number + " (World, set " + number + ")";
        std::string set = std::string("set") + number;
        bool clone = i % 5 == 1;
        bool neoGeo = i % 17 == 0;
        std::string parent = neoGeo ? "neogeo" : clone ? "set" + std::string(number) + "p" : "-";
        data += name + ";" + set + ";" + (clone ? "C" : "O") + ";" + parent + ";" +
                items.genre[1 + i % (items.genre.size() - 1)] + ";" +
                items.manufacturer[1 + i % (items.manufacturer.size() - 1)] + ";" +
                items.year[1 + i % (items.year.size() - 1)] +
                ";Yes;Good;Yes(1);Yes;No;driver.c;Z80 (3.072 MHz);M6809 (1.5 MHz);;;"
                "AY-3-8910 (1.78 MHz);Namco WSG;DAC;;\r\n";
        // One set in ten is missing; a zip of no game stands in its place.
        std::ofstream(s.roms + "/" + (i % 10 == 9 ? std::string("other") + number : set) + ".zip");
        s.lastGame = name;
    }
    s.dataFile = s.root + "/Data/Mame.dat";
    std::ofstream(s.dataFile, std::ios::binary) << data;
    return s;
}

Setup& Data() {
    static Setup setup = Generate();
    return setup;
}

void ReadAndSplit(benchmark::State& state) {
    std::vector<std::string> lines;
    for (auto _ : state) {
        ReadLines(Data().dataFile, lines);
        benchmark::DoNotOptimize(lines.data());
    }
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

// Collects the mean real time of each run by name.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times.push_back({run.benchmark_name(), run.GetAdjustedRealTime()});
    }
    std::vector<std::pair<std::string, double>> times;
};

} // namespace

int main(int argc, char** argv) {
    SetDialogs(std::make_unique<SilentDialogs>());
    Shared().DirInst = Data().root;
    ScanRoms(Emu::Mame, {Data().roms, "", false});

    const FilterItems& items = FilterComboItems(Emu::Mame);
    benchmark::RegisterBenchmark("read and split", ReadAndSplit)->Unit(benchmark::kMillisecond);
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

    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    double base = 0;
    for (const auto& [name, time] : collector.times)
        if (name == "read and split")
            base = time;
    double worst = 0;
    std::printf("\n%-40s %10s %8s %6s\n", "operation", "ms", "ratio", "goal");
    for (const auto& [name, time] : collector.times) {
        if (name == "read and split" || base <= 0)
            continue;
        double ratio = time / base;
        worst = std::max(worst, ratio);
        std::printf("%-40s %10.3f %8.2f %6.0f\n", name.c_str(), time, ratio, goal[name]);
    }
    std::printf("%-40s %10.3f\n", "read and split (baseline)", base);
    std::error_code ec;
    fs::remove_all(Data().root, ec);
    std::printf("worst ratio: %.2f\n", worst);
    return 0;
}
