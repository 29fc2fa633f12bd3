// The MAME section window on a data file of 40,000 games: opening the section (the game list
// filled, the first game shown) and one filter change, each printed with its ratio to reading
// the same data file once and splitting it into lines, measured in the same run.
#include "bench_support.h"

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
using namespace arvok::bench;

namespace {

// An installation whose MAME data file holds kGames games, with a settings file and no
// snapshots.
std::string Generate() {
    std::string root = MakeInstallation();
    std::ofstream(root + "/Data/Mame.dat", std::ios::binary) << GeneratedMameData();
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

    RegisterBaseline(Root() + "/Data/Mame.dat");
    benchmark::RegisterBenchmark("open the MAME section", OpenSection)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("one filter change", FilterChange)->Unit(benchmark::kMillisecond);
    RunAndReport(argc, argv, {{"open the MAME section", {4}}, {"one filter change", {3}}});
    std::error_code ec;
    fs::remove_all(Root(), ec);
    return 0;
}
