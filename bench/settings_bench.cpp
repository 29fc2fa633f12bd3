// Per-game settings files: one of 10,000 and one of 100,000 records, and one whose first line
// holds five million commas. Loading one game (its record the last one of the file) is measured
// on the file read anew (cold) and on the file kept (warm), storing one game's changed settings
// on each file, and behind the damaged record finding the record after it and loading the
// damaged one itself. A store is measured in this process, after the stores before it, and in a
// process of its own that has loaded the game just before, as the first change a user makes.
// Each is printed with its ratio to the floors of its file measured in the same run: one read and
// a memchr split, and for a store one read, write, fsync and rename, in this process for the one
// and in a process of its own for the other.
#include "bench_support.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "settings/game_settings.h"
#include "shell/installation.h"

namespace fs = std::filesystem;
using namespace arvok;
using namespace arvok::bench;

namespace {

// A per-game file of "records" records, each the built-in defaults with a ROM folder of its own.
void WriteRecords(const std::string& path, int records) {
    std::string bytes;
    SettingsFields fields = BuiltInDefaults(SettingsFiles(""), Emu::Mame);
    for (int i = 0; i < records; ++i) {
        fields[kRomPathSlot] = "/home/me/roms/" + SetName(i);
        bytes += EncodeRecord(Emu::Mame, GameName(i), fields) + "\r\n";
    }
    std::ofstream(path, std::ios::binary) << bytes;
}

// The installation the benchmarks work in, made by main.
Installation* installation = nullptr;

// Whether a load finds its file as it was kept (warm) or changed since (cold).
enum class File { Cold, Warm };

void Load(benchmark::State& state, const std::string& key, File file) {
    const std::string path = GameSettingsPath(installation->settings, Emu::Mame);
    SettingsFields fields;
    for (auto _ : state) {
        if (file == File::Cold)
            utimensat(AT_FDCWD, path.c_str(), nullptr, 0);
        benchmark::DoNotOptimize(installation->gameSettings.load(Emu::Mame, key).Trovato);
    }
}

void FlipMonitor(SettingsFields& fields) {
    fields[mame::Monitor] = fields[mame::Monitor] == "1" ? "2" : "1";
}

// Stores the settings of "key" with its monitor changed back and forth, so that every store
// rewrites the file.
void Store(benchmark::State& state, const std::string& key) {
    SettingsFields fields = installation->gameSettings.load(Emu::Mame, key).fields;
    for (auto _ : state) {
        FlipMonitor(fields);
        benchmark::DoNotOptimize(installation->gameSettings.save(Emu::Mame, key, fields).saved());
    }
}

// The flags that make the benchmark a process of its own that does one thing and prints its time
// in seconds: store one game (followed by the installation and the game's key), or rewrite a
// file as the floor does (followed by the file).
constexpr const char* kStoreOnce = "--store-once";
constexpr const char* kRewriteOnce = "--rewrite-once";

// Runs "act" once and prints its time in seconds; the exit status tells whether it did its work.
template <typename Act> int TimedOnce(Act act) {
    auto start = std::chrono::steady_clock::now();
    bool done = act();
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.9f\n", took.count());
    return done ? 0 : 1;
}

int StoreOnce(const std::string& root, const std::string& key) {
    Installation made(root);
    SettingsFields fields = made.gameSettings.load(Emu::Mame, key).fields;
    FlipMonitor(fields);
    return TimedOnce([&] { return made.gameSettings.save(Emu::Mame, key, fields).saved(); });
}

// Each iteration a new process of this program given "arguments" (quoted), timed there.
void InFreshProcess(benchmark::State& state, const std::vector<std::string>& arguments) {
    std::string command = "'" + fs::read_symlink("/proc/self/exe").string() + "'";
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    for (auto _ : state) {
        FILE* child = popen(command.c_str(), "r");
        double seconds = 0;
        if (!child || std::fscanf(child, "%lf", &seconds) != 1 || pclose(child) != 0)
            std::abort();
        state.SetIterationTime(seconds);
    }
}

// Puts a copy of "setFile" in place of the section's per-game file.
void Use(const std::string& setFile) {
    fs::copy_file(setFile, GameSettingsPath(installation->settings, Emu::Mame),
                  fs::copy_options::overwrite_existing);
}

} // namespace

int main(int argc, char** argv) {
    SetDialogs(std::make_unique<SilentDialogs>());
    if (argc == 4 && std::string(argv[1]) == kStoreOnce)
        return StoreOnce(argv[2], argv[3]);
    if (argc == 3 && std::string(argv[1]) == kRewriteOnce)
        return TimedOnce([path = std::string(argv[2])] {
            Rewrite(path);
            return true;
        });
    std::string root = MakeInstallation();
    Installation made(root);
    installation = &made;
    std::map<std::string, Goal> goals;
    for (int records : {10000, 100000}) {
        const std::string label = std::to_string(records / 1000) + ",000 records";
        const std::string path = root + "/Cfg/" + std::to_string(records) + ".set";
        WriteRecords(path, records);
        RegisterFloors(path, label);
        RegisterRewriteFloor(path, label);
        // The floor of a store in a process of its own, measured in such a process too: a new
        // process has none of the memory a running one reuses.
        const std::string freshFloor = FloorOf(kRewriteFloor + " in a fresh process", label);
        benchmark::RegisterBenchmark(freshFloor.c_str(),
                                     [path](benchmark::State& state) {
                                         InFreshProcess(state, {kRewriteOnce, path});
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime();
        const std::string last = GameName(records - 1);
        const std::vector<std::string> readSplit{FloorOf(kReadSplitFloor, label)};
        for (auto [file, name] : {std::pair{File::Cold, "cold"}, {File::Warm, "warm"}}) {
            const std::string load = "load one game, " + label + ", " + name;
            benchmark::RegisterBenchmark(load.c_str(), [path, last,
                                                        file = file](benchmark::State& state) {
                Use(path);
                Load(state, last, file);
            })->Unit(benchmark::kMillisecond);
            goals[load] = {file == File::Cold ? 3.0 : 0.5, readSplit};
        }
        const std::string store = "store one game, " + label;
        benchmark::RegisterBenchmark(store.c_str(), [path, last](benchmark::State& state) {
            Use(path);
            Store(state, last);
        })->Unit(benchmark::kMillisecond);
        goals[store] = {1.5, {FloorOf(kRewriteFloor, label)}};
        const std::string fresh = store + ", fresh process";
        benchmark::RegisterBenchmark(fresh.c_str(),
                                     [path, root, last](benchmark::State& state) {
                                         Use(path);
                                         InFreshProcess(state, {kStoreOnce, root, last});
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime();
        // Timed by hand, the figure's name and its floor's say so.
        goals[fresh + "/manual_time"] = {1.5, {freshFloor + "/manual_time"}};
    }

    const std::string damaged = root + "/Cfg/damaged.set";
    std::ofstream(damaged, std::ios::binary)
        << "\"Damaged\",\"/roms\"" << std::string(5000000, ',') << "\r\n"
        << EncodeRecord(Emu::Mame, "Pac-Man", BuiltInDefaults(SettingsFiles(""), Emu::Mame))
        << "\r\n";
    RegisterFloors(damaged, "long line");
    for (auto [name, key] : {std::pair{"find the record after the long line", "Pac-Man"},
                             {"load the long line's record", "Damaged"}}) {
        benchmark::RegisterBenchmark(name, [damaged,
                                            key = std::string(key)](benchmark::State& state) {
            Use(damaged);
            Load(state, key, File::Cold);
        })->Unit(benchmark::kMillisecond);
        goals[name] = {2, {FloorOf(kReadSplitFloor, "long line")}};
    }
    RunAndReport(argc, argv, goals);
    std::error_code ec;
    fs::remove_all(root, ec);
    return 0;
}
