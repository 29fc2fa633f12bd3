// The MAME section window on a data file of 40,000 games: opening the section (the game list
// filled, the first game shown) and one filter change, each printed with its ratio to reading
// the same data file once and splitting it into lines, measured in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "catalogue/game_list.h"
#include "core/shared_state.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "sections/open_section.h"
#include "sections/section_window.h"
#include "shell/forms.h"

namespace fs = std::filesystem;
using namespace arvok;

namespace {

constexpr int kGames = 40000;

class SilentDialogs : public Dialogs {
public:
    Answer message(const std::string&, MsgStyle, const std::string&) override { return Answer::Ok; }
};

// An installation whose MAME data file holds 40,000 games in name order with fields of realistic
// length, a settings file and no snapshots.
std::string Generate() {
    std::string root = (fs::temp_directory_path() / "arvok-bench-XXXXXX").string();
    if (!mkdtemp(root.data()))
        std::abort();
    fs::create_directories(root + "/Data");
    fs::create_directories(root + "/Cfg");
    const FilterItems& items = FilterComboItems(Emu::Mame);
    std::string data = "# Generated data file\r\n*MAME\r\n";
    for (int i = 2; i <= 7; ++i)
        data += "Xheader\r\n";
    data += "T" + std::to_string(kGames) + "\r\n";
    for (int i = 9; i <= 17; ++i)
        data += "Xheader\r\n";
    for (int i = 0; i < kGames; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%05d", i);
        std::string name = std::string("Game ") + number + " (World, set " + number + ")";
        bool clone = i % 5 == 1;
        data += name + ";set" + number + ";" + (clone ? "C" : "O") + ";" +
                (clone ? "parent" : "-") + ";" + items.genre[1 + i % (items.genre.size() - 1)] +
                ";" + items.manufacturer[1 + i % (items.manufacturer.size() - 1)] + ";" +
                items.year[1 + i % (items.year.size() - 1)] +
                ";Yes;Good;Yes(1);Yes;No;driver.c;Z80 (3.072 MHz);M6809 (1.5 MHz);;;"
                "AY-3-8910 (1.78 MHz);Namco WSG;DAC;;\r\n";
    }
    std::ofstream(root + "/Data/Mame.dat", std::ios::binary) << data;
    std::ofstream(root + "/Cfg/Mame.cfg", std::ios::binary)
        << "[Paths]\r\nExePath=\r\nEmuDir=\r\nRomPath=\r\nAltRomPath=\r\n\r\n[SnapShots]\r\n"
           "SnapPath=\r\nSnapFormat=GIF\r\nNoSlideShow=0\r\nShowCounter=0\r\nSlideDelay=2\r\n"
           "\r\n[Gui]\r\nFavSize=up\r\n\r\n[Favorties]\r\n";
    return root;
}

const std::string& Root() {
    static std::string root = Generate();
    return root;
}

void ReadAndSplit(benchmark::State& state) {
    std::vector<std::string> lines;
    for (auto _ : state) {
        ReadLines(Root() + "/Data/Mame.dat", lines);
        benchmark::DoNotOptimize(lines.data());
    }
}

void OpenSection(benchmark::State& state) {
    for (auto _ : state) {
        OpenSectionWindow(Emu::Mame);
        state.PauseTiming();
        delete ExistingSectionWindow(Emu::Mame);
        state.ResumeTiming();
    }
}

// Chooses the genre combo's item "index" as a user does.
void ChooseGenre(QComboBox* genre, int index) {
    genre->setCurrentIndex(index);
    emit genre->activated(index);
}

void FilterChange(benchmark::State& state) {
    OpenSectionWindow(Emu::Mame);
    auto* genre = ExistingSectionWindow(Emu::Mame)->findChild<QComboBox*>("cboFilterMameGenre");
    for (auto _ : state) {
        ChooseGenre(genre, 3);
        state.PauseTiming();
        ChooseGenre(genre, 0);
        state.ResumeTiming();
    }
    delete ExistingSectionWindow(Emu::Mame);
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetDialogs(std::make_unique<SilentDialogs>());
    // The launcher's start-up takes the current directory as the installation directory.
    if (chdir(Root().c_str()) != 0)
        return 1;
    Forms::main();
    InstallSectionWindows();

    benchmark::RegisterBenchmark("read and split", ReadAndSplit)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("open the MAME section", OpenSection)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("one filter change", FilterChange)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    double base = 0;
    for (const auto& [name, time] : collector.times)
        if (name == "read and split")
            base = time;
    const std::vector<std::pair<std::string, double>> goals{{"open the MAME section", 4},
                                                            {"one filter change", 3}};
    std::printf("\n%-32s %10s %8s %6s\n", "operation", "ms", "ratio", "goal");
    for (const auto& [name, time] : collector.times)
        for (const auto& [goalName, goal] : goals)
            if (name == goalName && base > 0)
                std::printf("%-32s %10.3f %8.2f %6.0f\n", name.c_str(), time, time / base, goal);
    std::printf("%-32s %10.3f\n", "read and split (baseline)", base);
    std::error_code ec;
    fs::remove_all(Root(), ec);
    return 0;
}
