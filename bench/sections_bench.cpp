// The MAME section window on a data file of 40,000 games and a per-game file of 100,000 records:
// opening the section (the game list filled, the first game shown) and one filter change, each
// printed with its ratio to one read of the data file, and one Down key in the game list with
// the settings page shown over records it leaves as they are, printed with its ratio to one read
// of the per-game file and a memchr split. The floors are measured in the same run.
#include "bench_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "catalogue/game_list.h"
#include "platform/dialogs.h"
#include "platform/qt/click_label.h"
#include "sections/open_section.h"
#include "sections/section_window.h"
#include "settings/game_settings.h"
#include "shell/forms.h"

namespace fs = std::filesystem;
using namespace arvok;
using namespace arvok::bench;

namespace {

constexpr int kRecords = 100000;

// A per-game file of kRecords records: those of games the data file lacks, then one for each of
// its games.
void WriteGameSettings(const std::string& path) {
    std::string bytes;
    SettingsFields fields = BuiltInDefaults(SettingsFiles(""), Emu::Mame);
    fields[kRomPathSlot] = "/home/me/roms";
    for (int i = kGames; i < kRecords; ++i)
        bytes += EncodeRecord(Emu::Mame, "Other " + GameName(i), fields) + "\r\n";
    for (int i = 0; i < kGames; ++i)
        bytes += EncodeRecord(Emu::Mame, GameName(i), fields) + "\r\n";
    std::ofstream(path, std::ios::binary) << bytes;
}

// An installation whose MAME data file holds kGames games, with a settings file, a per-game file
// and no snapshots.
std::string Generate() {
    std::string root = MakeInstallation();
    std::ofstream(root + "/Data/Mame.dat", std::ios::binary) << GeneratedMameData();
    WriteGameSettings(root + "/Cfg/Mame.set");
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

// Steps down the game list, one game a key, with the settings page shown.
void DownKey(benchmark::State& state) {
    OpenSectionWindow(Emu::Mame);
    SectionWindow* window = ExistingSectionWindow(Emu::Mame);
    emit window->findChild<ClickLabel*>("imgButSet")->clicked();
    auto* list = window->findChild<QAbstractItemView*>("lstMameRom");
    list->setCurrentIndex(list->model()->index(0, 0));
    for (auto _ : state) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(list, &down);
    }
    delete window;
}

} // namespace

int main(int argc, char** argv) {
    Windows windows(argc, argv, Root());

    RegisterFloors(Root() + "/Data/Mame.dat");
    RegisterFloors(Root() + "/Cfg/Mame.set", "per-game file");
    benchmark::RegisterBenchmark("open the MAME section", OpenSection)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("one filter change", FilterChange)->Unit(benchmark::kMillisecond);
    const std::string down = "one Down key on the settings page, 100,000 records";
    benchmark::RegisterBenchmark(down.c_str(), DownKey)->Unit(benchmark::kMillisecond);
    RunAndReport(argc, argv,
                 {{"open the MAME section", {40, {kReadFloor}}},
                  {"one filter change", {15, {kReadFloor}}},
                  {down, {1, {FloorOf(kReadSplitFloor, "per-game file")}}}});
    std::error_code ec;
    fs::remove_all(Root(), ec);
    return 0;
}
