// The MAME section window's pages over what a collector's installation holds: a Down key on the
// snapshot page with a snapshot folder of 35,000 pictures and with none, printed with its ratio
// to one readdir of that folder, and a filter change with and without, printed with its ratio to
// the same; a key on the Help page near the start and near the end of a 12 MB
// history and one after the history changed, printed with its ratio to one read and memchr
// split of the history; the Help page of a game whose entry holds a 50 MB line, and the layout
// manager opened over a 50 MB layout name, each printed with its ratio to one read and split of
// its file. The floors are measured in the same run.
#include "bench_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "layouts/qt/layout_manager.h"
#include "platform/dialogs.h"
#include "platform/qt/click_label.h"
#include "sections/open_section.h"
#include "sections/section_window.h"
#include "shell/forms.h"

namespace fs = std::filesystem;
using namespace arvok;
using namespace arvok::bench;

namespace {

// Seven sets in eight have a still: 35,000 pictures.
constexpr int kSnapshotEvery = 8;
constexpr size_t kLongLine = 50u << 20;
const std::string kLongEntryGame = "Long Entry (World)";

// A one-pixel GIF.
std::string Picture() {
    std::string bytes = "GIF89a";
    bytes += std::string("\x01\x00\x01\x00\x80\x00\x00\x10\x20\x30\x00\x00\x00", 13);
    bytes += std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3B", 16);
    return bytes;
}

// A history entry of about 300 bytes for each game of the data file, in list order.
std::string History() {
    std::string text;
    for (int i = 0; i < kGames; ++i) {
        text += GameName(i) + " (c) 1982 Maker\r\n\r\n";
        for (int line = 0; line < 4; ++line)
            text += "A line of the game's story, as long as those of the real file are.\r\n";
        text += "\r\n\r\n";
    }
    return text;
}

std::string Root;

std::string SnapDir() {
    return Root + "/snap";
}
std::string HistoryPath() {
    return Root + "/emu/gamelist.txt";
}
std::string LongHistoryPath() {
    return Root + "/long/gamelist.txt";
}
std::string LayoutsPath() {
    return Root + "/layouts.dat";
}

void Generate() {
    Root = MakeInstallation();
    std::ofstream(Root + "/Data/Mame.dat", std::ios::binary) << GeneratedMameData();
    fs::create_directories(SnapDir());
    const std::string picture = Picture();
    for (int i = 0; i < kGames; ++i)
        if (i % kSnapshotEvery != 0)
            std::ofstream(SnapDir() + "/" + SetName(i) + ".gif", std::ios::binary) << picture;
    fs::create_directories(Root + "/emu");
    std::ofstream(HistoryPath(), std::ios::binary) << History();
    fs::create_directories(Root + "/long");
    std::ofstream(LongHistoryPath(), std::ios::binary)
        << kLongEntryGame + "\r\n\r\n" + std::string(kLongLine, 'x') + "\r\n\r\n\r\n";
    std::ofstream(LayoutsPath(), std::ios::binary)
        << "[" + std::string(kLongLine, 'n') + "]\r\nMAIN,0,0\r\n-\r\n";
    std::ofstream(Root + "/Cfg/Mame.cfg", std::ios::binary)
        << "[Paths]\r\nExePath=\r\nEmuDir=" + Root +
               "/emu\r\nRomPath=\r\nAltRomPath=\r\n\r\n"
               "[SnapShots]\r\nSnapPath=\r\nSnapFormat=GIF\r\nNoSlideShow=0\r\nShowCounter=0\r\n"
               "SlideDelay=2\r\n\r\n[Gui]\r\nFavSize=up\r\n\r\n[Favorties]\r\n";
}

SectionWindow* OpenMame(const std::string& snapDir) {
    OpenSectionWindow(Emu::Mame);
    SectionWindow* window = ExistingSectionWindow(Emu::Mame);
    window->findChild<QLineEdit*>("txtOptMameSnap")->setText(QString::fromStdString(snapDir));
    return window;
}

void Key(QAbstractItemView* list, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(list, &press);
}

QAbstractItemView* GameList(SectionWindow* window) {
    return window->findChild<QAbstractItemView*>("lstMameRom");
}

// Steps down the game list with the snapshot page shown, back to the top at the end.
void SnapshotDownKey(benchmark::State& state, const std::string& snapDir) {
    SectionWindow* window = OpenMame(snapDir);
    emit window->findChild<ClickLabel*>("imgButSnap")->clicked();
    QAbstractItemView* list = GameList(window);
    list->setCurrentIndex(list->model()->index(0, 0));
    for (auto _ : state) {
        Key(list, Qt::Key_Down);
        if (list->currentIndex().row() + 1 == list->model()->rowCount()) {
            state.PauseTiming();
            list->setCurrentIndex(list->model()->index(0, 0));
            state.ResumeTiming();
        }
    }
    delete window;
}

void ChooseGenre(QComboBox* genre, int index) {
    genre->setCurrentIndex(index);
    emit genre->activated(index);
}

void SnapshotFilterChange(benchmark::State& state, const std::string& snapDir) {
    SectionWindow* window = OpenMame(snapDir);
    emit window->findChild<ClickLabel*>("imgButSnap")->clicked();
    auto* genre = window->findChild<QComboBox*>("cboFilterMameGenre");
    for (auto _ : state) {
        ChooseGenre(genre, 3);
        state.PauseTiming();
        ChooseGenre(genre, 0);
        state.ResumeTiming();
    }
    delete window;
}

// Sets the modification time of "path" one second on, so that what was read of it is read
// again.
void Touch(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        std::abort();
    timespec times[2] = {info.st_atim, info.st_mtim};
    times[1].tv_sec += 1;
    if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
        std::abort();
}

// Down and Up in turn around row "row" of the game list, with the Help page shown; "changed" has
// the history changed before each key, so that it is read again.
void HelpKeys(benchmark::State& state, int row, bool changed) {
    SectionWindow* window = OpenMame({});
    emit window->findChild<ClickLabel*>("imgButHelp")->clicked();
    QAbstractItemView* list = GameList(window);
    list->setCurrentIndex(list->model()->index(row, 0));
    bool down = true;
    for (auto _ : state) {
        if (changed) {
            state.PauseTiming();
            Touch(HistoryPath());
            state.ResumeTiming();
        }
        Key(list, down ? Qt::Key_Down : Qt::Key_Up);
        down = !down;
    }
    delete window;
}

// The Help page of the game whose entry holds the 50 MB line, its history read anew each time.
void LongHistoryLine(benchmark::State& state) {
    SectionWindow* window = OpenMame({});
    window->findChild<QLabel*>("lblOptMameHide")->setText(QString::fromStdString(Root + "/long"));
    auto* help = window->findChild<ClickLabel*>("imgButHelp");
    auto* snap = window->findChild<ClickLabel*>("imgButSnap");
    for (auto _ : state) {
        state.PauseTiming();
        emit snap->clicked();
        Touch(LongHistoryPath());
        window->findChild<QLabel*>("lblMameRomSettings")
            ->setText(QString::fromStdString(kLongEntryGame));
        state.ResumeTiming();
        emit help->clicked();
    }
    delete window;
}

void OpenLayoutManager(benchmark::State& state) {
    for (auto _ : state) {
        ShowLayoutManager();
        state.PauseTiming();
        delete ExistingLayoutManager();
        state.ResumeTiming();
    }
}

// One pass over the names of "dir" by readdir.
void RegisterListingFloor(const std::string& dir, const std::string& label) {
    benchmark::RegisterBenchmark(FloorOf(kListingFloor, label).c_str(),
                                 [dir](benchmark::State& state) {
                                     for (auto _ : state) {
                                         DIR* listing = opendir(dir.c_str());
                                         size_t names = 0;
                                         while (const dirent* entry = readdir(listing))
                                             names += entry->d_name[0] != '.';
                                         closedir(listing);
                                         benchmark::DoNotOptimize(names);
                                     }
                                 })
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    Generate();
    Windows windows(argc, argv, Root);
    InstallLayoutManager(windows.forms());

    const std::string snapshots = "snapshot folder";
    RegisterListingFloor(SnapDir(), snapshots);
    RegisterFloors(HistoryPath(), "history");
    RegisterFloors(LongHistoryPath(), "50 MB line");
    RegisterFloors(LayoutsPath(), "50 MB layout name");
    const std::string downWith = "Down key on the snapshot page, 35,000 snapshots";
    const std::string downWithout = "Down key on the snapshot page, no snapshot folder";
    const std::string filterWith = "filter change, 35,000 snapshots";
    const std::string filterWithout = "filter change, no snapshot folder";
    const std::string helpStart = "key on the Help page, start of the history";
    const std::string helpEnd = "key on the Help page, end of the history";
    const std::string helpChanged = "key on the Help page, the history changed";
    const std::string longLine = "Help page of an entry with a 50 MB line";
    const std::string longName = "open the layout manager, 50 MB layout name";
    benchmark::RegisterBenchmark(downWith.c_str(), SnapshotDownKey, SnapDir())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(downWithout.c_str(), SnapshotDownKey, std::string())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(filterWith.c_str(), SnapshotFilterChange, SnapDir())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(filterWithout.c_str(), SnapshotFilterChange, std::string())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(helpStart.c_str(), HelpKeys, 100, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(helpEnd.c_str(), HelpKeys, kGames - 100, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(helpChanged.c_str(), HelpKeys, kGames - 100, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(longLine.c_str(), LongHistoryLine)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(longName.c_str(), OpenLayoutManager)
        ->Unit(benchmark::kMillisecond);
    const std::string listing = FloorOf(kListingFloor, snapshots);
    const std::string history = FloorOf(kReadSplitFloor, "history");
    RunAndReport(argc, argv,
                 {{downWith, {0.1, {listing}}},
                  {downWithout, {0.1, {listing}}},
                  {filterWith, {1, {listing}}},
                  {filterWithout, {1, {listing}}},
                  {helpStart, {0.5, {history}}},
                  {helpEnd, {0.5, {history}}},
                  {helpChanged, {2, {history}}},
                  {longLine, {3, {FloorOf(kReadSplitFloor, "50 MB line")}}},
                  {longName, {6, {FloorOf(kReadSplitFloor, "50 MB layout name")}}}});
    std::error_code ec;
    fs::remove_all(Root, ec);
    return 0;
}
