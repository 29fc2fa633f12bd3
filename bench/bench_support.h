// What the benchmarks share: a generated MAME data file at full size, silent dialogs, floors
// written from system calls, and the table of each figure's ratio to its floors measured in the
// same run.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/filter_items.h"
#include "catalogue/game_list.h"
#include "platform/dialogs.h"
#include "sections/open_section.h"
#include "shell/forms.h"
#include "shell/installation.h"

namespace arvok::bench {

inline constexpr int kGames = 40000;

class SilentDialogs : public Dialogs {
public:
    Answer message(const std::string&, MsgStyle, const std::string&) override { return Answer::Ok; }
};

// The program's windows over the installation "root", started as the program starts them: drawn
// offscreen unless another platform is chosen, with dialogs that ask nothing. It is to live as
// long as the benchmarks.
class Windows {
public:
    Windows(int& argc, char** argv, const std::string& root)
        : app_(Offscreen(argc), argv), installation_(root), forms_(installation_) {
        SetDialogs(std::make_unique<SilentDialogs>());
        Forms::main();
        InstallSectionWindows(forms_);
    }
    Forms& forms() { return forms_; }

private:
    static int& Offscreen(int& argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    QApplication app_;
    Installation installation_;
    Forms forms_;
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
    char number[16];
    std::snprintf(number, sizeof number, "%05d", i);
    return std::string("Game ") + number + " (World, set " + number + ")";
}

inline std::string SetName(int i) {
    char number[16];
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

// The floors the figures are compared with, written here from system calls alone and never from
// the program's own readers and writers: a floor that slowed down with the program would hide
// the slowdown.
inline const std::string kSplitFloor = "memchr split (floor)";
inline const std::string kReadFloor = "read (floor)";
inline const std::string kReadSplitFloor = "read + memchr split (floor)";
inline const std::string kListingFloor = "readdir (floor)";
inline const std::string kRewriteFloor = "read + write + fsync + rename (floor)";

// The whole file by open, fstat and read.
inline std::string ReadWhole(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || fstat(fd, &info) != 0)
        std::abort();
    std::string bytes(static_cast<size_t>(info.st_size), '\0');
    size_t filled = 0;
    for (ssize_t got = 1; filled < bytes.size() && got > 0;) {
        got = read(fd, bytes.data() + filled, bytes.size() - filled);
        filled += got > 0 ? static_cast<size_t>(got) : 0;
    }
    close(fd);
    bytes.resize(filled);
    return bytes;
}

// The number of lines of "bytes", each found by memchr for its LF.
inline size_t SplitLines(const std::string& bytes) {
    size_t lines = 0;
    const char* end = bytes.data() + bytes.size();
    for (const char* at = bytes.data(); at < end; ++lines) {
        const void* lf = std::memchr(at, '\n', static_cast<size_t>(end - at));
        at = lf ? static_cast<const char*>(lf) + 1 : end;
    }
    return lines;
}

// The name of a floor measured on one of several files, which "label" tells apart.
inline std::string FloorOf(const std::string& floor, const std::string& label) {
    return label.empty() ? floor : floor + ", " + label;
}

// Registers the floors of "path": its bytes split in memory, one read of it, one read and split.
inline void RegisterFloors(const std::string& path, const std::string& label = {}) {
    benchmark::RegisterBenchmark(FloorOf(kSplitFloor, label).c_str(), [path](
                                                                          benchmark::State& state) {
        const std::string bytes = ReadWhole(path);
        for (auto _ : state)
            benchmark::DoNotOptimize(SplitLines(bytes));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(FloorOf(kReadFloor, label).c_str(), [path](
                                                                         benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(ReadWhole(path).data());
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(FloorOf(kReadSplitFloor, label).c_str(),
                                 [path](benchmark::State& state) {
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(SplitLines(ReadWhole(path)));
                                 })
        ->Unit(benchmark::kMillisecond);
}

// A rewrite of "path": one read of it, its bytes written to a new file beside it, synced and
// renamed over it.
inline void Rewrite(const std::string& path) {
    const std::string temp = path + ".floor";
    const std::string bytes = ReadWhole(path);
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    bool written =
        fd >= 0 && write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    written = fsync(fd) == 0 && close(fd) == 0 && written;
    if (!written || rename(temp.c_str(), path.c_str()) != 0)
        std::abort();
}

// Registers the floor of a rewrite of "path" (Rewrite).
inline void RegisterRewriteFloor(const std::string& path, const std::string& label = {}) {
    benchmark::RegisterBenchmark(FloorOf(kRewriteFloor, label).c_str(),
                                 [path](benchmark::State& state) {
                                     for (auto _ : state)
                                         Rewrite(path);
                                 })
        ->Unit(benchmark::kMillisecond);
}

// What a figure is compared with: the sum of these floors' times, which it is to stay within
// "ratio" times.
struct Goal {
    double ratio;
    std::vector<std::string> floors{kReadSplitFloor};
};

// Collects the mean real time of each run by name; with repetitions
// (--benchmark_repetitions=5), the median of the repetitions' means.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times[run.run_name.str()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

// Runs the registered benchmarks and prints each figure with its ratio to its floors and its
// goal, then the floors; the last line is the worst ratio of a figure's ratio to its goal.
inline void RunAndReport(int& argc, char** argv, const std::map<std::string, Goal>& goals) {
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    double worst = 0;
    std::printf("\n%-50s %9s %7s %5s  %s\n", "operation", "ms", "ratio", "goal", "compared with");
    for (const auto& [name, time] : collector.times) {
        auto goal = goals.find(name);
        if (goal == goals.end())
            continue;
        double base = 0;
        std::string with;
        for (const std::string& floor : goal->second.floors) {
            auto measured = collector.times.find(floor);
            base = measured == collector.times.end() || base < 0 ? -1 : base + measured->second;
            with += (with.empty() ? "" : " and ") + floor;
        }
        if (base <= 0)
            continue;
        worst = std::max(worst, time / base / goal->second.ratio);
        std::printf("%-50s %9.3f %7.2f %5.1f  %s\n", name.c_str(), time, time / base,
                    goal->second.ratio, with.c_str());
    }
    for (const auto& [name, time] : collector.times)
        if (goals.count(name) == 0)
            std::printf("%-50s %9.3f\n", name.c_str(), time);
    std::printf("worst ratio to its goal: %.2f\n", worst);
}

} // namespace arvok::bench
