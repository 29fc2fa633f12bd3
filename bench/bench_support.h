// What the benchmarks share: a generated MAME data file at full size, silent dialogs, and the
// table of each figure's ratio to one read of the data file measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/filter_items.h"
#include "catalogue/game_list.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"

namespace arvok::bench {

inline constexpr int kGames = 40000;
inline const std::string kBaseline = "read and split (baseline)";
inline const std::string kListingBaseline = "list the ROM folders (baseline)";

class SilentDialogs : public Dialogs {
public:
    Answer message(const std::string&, MsgStyle, const std::string&) override { return Answer::Ok; }
};

// A fresh installation directory with empty Data and Cfg folders.
inline std::string MakeInstallation() {
    std::string root = (std::filesystem::temp_directory_path() / "arvok-bench-XXXXXX").string();
    if (!mkdtemp(root.data()))
        std::abort();
    std::filesystem::create_directories(root + "/Data");
    std::filesystem::create_directories(root + "/Cfg");
    return root;
}

inline std::string GameName(int i) {
    char number[8];
    std::snprintf(number, sizeof number, "%05d", i);
    return std::string("Game ") + number + " (World, set " + number + ")";
}

inline std::string SetName(int i) {
    char number[8];
    std::snprintf(number, sizeof number, "%05d", i);
    return std::string("set") + number;
}

// A MAME data file of kGames records in name order with fields of realistic length and a
// header block giving their number: one game in five a clone, one in seventeen a Neo-Geo game,
// genres, manufacturers and years spread over the filters' items.
inline std::string GeneratedMameData() {
    const FilterItems& items = FilterComboItems(Emu::Mame);
    std::string data = "# Generated data file\r\n*MAME\r\n";
    for (int i = 2; i <= 7; ++i)
        data += "*header\r\n";
    data += "*" + std::to_string(kGames) + "\r\n";
    for (int i = 9; i <= 17; ++i)
        data += "*header\r\n";
    for (int i = 0; i < kGames; ++i) {
        bool clone = i % 5 == 1;
        bool neoGeo = i % 17 == 0;
        std::string parent = neoGeo ? "neogeo" : clone ? SetName(i) + "p" : "-";
        data += GameName(i) + ";" + SetName(i) + ";" + (clone ? "C" : "O") + ";" + parent + ";" +
                items.genre[1 + i % (items.genre.size() - 1)] + ";" +
                items.manufacturer[1 + i % (items.manufacturer.size() - 1)] + ";" +
                items.year[1 + i % (items.year.size() - 1)] +
                ";Yes;Good;Yes(1);Yes;No;driver.c;Z80 (3.072 MHz);M6809 (1.5 MHz);;;"
                "AY-3-8910 (1.78 MHz);Namco WSG;DAC;;\r\n";
    }
    return data;
}

// The baseline every figure is compared with: reading the data file once, split into lines.
inline void RegisterBaseline(const std::string& dataFile) {
    benchmark::RegisterBenchmark(kBaseline.c_str(), [dataFile](benchmark::State& state) {
        std::vector<std::string> lines;
        for (auto _ : state) {
            ReadLines(dataFile, lines);
            benchmark::DoNotOptimize(lines.data());
        }
    })->Unit(benchmark::kMillisecond);
}

// What a figure is compared with: one read of the data file, or that read and one bare listing
// of the ROM folders.
enum class Base { Read, ReadAndListing };

struct Goal {
    double ratio;
    Base base = Base::Read;
};

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

// Runs the registered benchmarks and prints each figure with its ratio to its base and its
// goal, then the baselines; the last line is the worst ratio.
inline void RunAndReport(int& argc, char** argv, const std::map<std::string, Goal>& goals) {
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    std::map<std::string, double> baselines;
    for (const auto& [name, time] : collector.times)
        if (name == kBaseline || name == kListingBaseline)
            baselines[name] = time;
    double read = baselines.count(kBaseline) ? baselines.at(kBaseline) : 0;
    double listing = baselines.count(kListingBaseline) ? baselines.at(kListingBaseline) : 0;
    double worst = 0;
    std::printf("\n%-44s %10s %8s %6s  %s\n", "operation", "ms", "ratio", "goal", "compared with");
    for (const auto& [name, time] : collector.times) {
        auto goal = goals.find(name);
        if (goal == goals.end())
            continue;
        bool withListing = goal->second.base == Base::ReadAndListing;
        double base = withListing ? read + listing : read;
        if (read <= 0 || (withListing && listing <= 0))
            continue;
        double ratio = time / base;
        worst = std::max(worst, ratio);
        std::printf("%-44s %10.3f %8.2f %6.0f  %s\n", name.c_str(), time, ratio, goal->second.ratio,
                    withListing ? "one read and one listing" : "one read");
    }
    for (const auto& [name, time] : baselines)
        std::printf("%-44s %10.3f\n", name.c_str(), time);
    std::printf("worst ratio: %.2f\n", worst);
}

} // namespace arvok::bench
