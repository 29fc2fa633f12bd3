// Per-game settings behind a damaged record: a settings file whose first line holds five million
// commas. Finding the record of the game after it, and loading the damaged record itself, are
// each printed with their ratio to reading the same file once and splitting it into lines,
// measured in the same run.
#include "bench_support.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/shared_state.h"
#include "platform/dialogs.h"
#include "settings/game_settings.h"

namespace fs = std::filesystem;
using namespace arvok;
using namespace arvok::bench;

namespace {

void Load(benchmark::State& state, const std::string& key) {
    SettingsFields fields;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadGameSettings(Emu::Mame, key, fields));
}

} // namespace

int main(int argc, char** argv) {
    SetDialogs(std::make_unique<SilentDialogs>());
    std::string root = MakeInstallation();
    Shared().DirInst = root;
    std::string setFile = GameSettingsPath(Emu::Mame);
    std::ofstream(setFile, std::ios::binary)
        << "\"Damaged\",\"/roms\"" << std::string(5000000, ',') << "\r\n"
        << EncodeRecord(Emu::Mame, "Pac-Man", BuiltInDefaults(Emu::Mame)) << "\r\n";

    RegisterBaseline(setFile);
    benchmark::RegisterBenchmark("find the record after the long line", Load,
                                 std::string("Pac-Man"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("load the long line's record", Load, std::string("Damaged"))
        ->Unit(benchmark::kMillisecond);
    RunAndReport(
        argc, argv,
        {{"find the record after the long line", {2}}, {"load the long line's record", {2}}});
    std::error_code ec;
    fs::remove_all(root, ec);
    return 0;
}
