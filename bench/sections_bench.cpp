// The MAME section window on a data file of 40,000 games and a per-game file of 100,000 records:
// opening the section (the game list filled, the first game shown) and one filter change, each
// printed with its ratio to one read of the data file, and one Down key in the game list with
// the settings page shown over records it leaves as they are, printed with its ratio to one read
// of the per-game file and a memchr split. The opening painted is compared with a bare build and
// paint of the same widgets, plain Qt ones without the program's style, and a plain model filled
// with the same names; Enter on a game whose settings nothing changed, until the emulator has
// ended, with a posix_spawn of the same program and a wait for it. The floors are measured in
// the same run.
#include "bench_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
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

// The stand-in emulator, a program that ends at once, and its ROM folder, below the
// installation.
const std::string kEmulator = "/emu/mame";
const std::string kRoms = "/emu/roms";

// A per-game file of kRecords records: those of games the data file lacks, then one for each of
// its games, each with the stand-in emulator's ROM folder.
void WriteGameSettings(const std::string& root) {
    std::string bytes;
    SettingsFields fields = BuiltInDefaults(SettingsFiles(""), Emu::Mame);
    fields[kRomPathSlot] = root + kRoms;
    for (int i = kGames; i < kRecords; ++i)
        bytes += EncodeRecord(Emu::Mame, "Other " + GameName(i), fields) + "\r\n";
    for (int i = 0; i < kGames; ++i)
        bytes += EncodeRecord(Emu::Mame, GameName(i), fields) + "\r\n";
    std::ofstream(root + "/Cfg/Mame.set", std::ios::binary) << bytes;
}

// An installation whose MAME data file holds kGames games, with a settings file, a per-game file,
// no snapshots, and a stand-in emulator (a copy of true) whose ROM folder holds the first game's
// set.
std::string Generate() {
    std::string root = MakeInstallation();
    std::ofstream(root + "/Data/Mame.dat", std::ios::binary) << GeneratedMameData();
    WriteGameSettings(root);
    fs::create_directories(root + kRoms);
    std::ofstream(root + kRoms + "/" + SetName(0) + ".zip");
    fs::copy_file("/bin/true", root + kEmulator);
    std::ofstream(root + "/Cfg/Mame.cfg", std::ios::binary)
        << "[Paths]\r\nExePath=" << root << kEmulator << "\r\nEmuDir=" << root
        << "/emu\r\nRomPath=" << root << kRoms
        << "\r\nAltRomPath=\r\n\r\n[SnapShots]\r\nSnapPath=\r\nSnapFormat=GIF\r\n"
           "NoSlideShow=0\r\nShowCounter=0\r\nSlideDelay=2\r\n\r\n[Gui]\r\nFavSize=up\r\n\r\n"
           "[Favorties]\r\n";
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

void FirstOpening(benchmark::State& state) {
    for (auto _ : state) {
        OpenSectionWindow(Emu::Mame);
        benchmark::DoNotOptimize(ExistingSectionWindow(Emu::Mame)->grab().cacheKey());
        state.PauseTiming();
        delete ExistingSectionWindow(Emu::Mame);
        state.ResumeTiming();
    }
}

// What a bare build of one of the window's widgets takes from it: the Qt class it is made of,
// its parent (an earlier widget, or the window), its place, whether it is hidden, and what it
// shows.
struct BareWidget {
    QByteArray qtClass;
    int parent;
    QRect geometry;
    bool hidden;
    QString text;
    QPixmap pixmap;
    QStringList items;
};

struct BareWindow {
    QSize size;
    QFont font;
    std::vector<BareWidget> widgets;
    std::vector<std::string> names; // the game list's, in the data file's order
};

QByteArray QtClassOf(const QObject* object) {
    const QMetaObject* meta = object->metaObject();
    while (meta->className()[0] != 'Q')
        meta = meta->superClass();
    return meta->className();
}

// The widgets below "widget", each before those it holds; Qt's own parts of a control are left
// to the control.
void Describe(const QWidget* widget, int parent, std::vector<BareWidget>& out) {
    for (QObject* child : widget->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        BareWidget bare{QtClassOf(w), parent, w->geometry(), w->isHidden(), {}, {}, {}};
        if (auto* label = qobject_cast<QLabel*>(w)) {
            bare.text = label->text();
            bare.pixmap = label->pixmap();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            bare.text = button->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            bare.text = box->title();
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            bare.text = edit->text();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                bare.items.push_back(combo->itemText(i));
        }
        out.push_back(bare);
        if (bare.qtClass == "QWidget" || bare.qtClass == "QGroupBox")
            Describe(w, static_cast<int>(out.size()) - 1, out);
    }
}

// The window as it opens, and the names of the data file cut at their first ";".
BareWindow DescribeOpening() {
    BareWindow bare;
    OpenSectionWindow(Emu::Mame);
    SectionWindow* window = ExistingSectionWindow(Emu::Mame);
    bare.size = window->size();
    bare.font = window->font();
    Describe(window, -1, bare.widgets);
    delete window;
    const std::string bytes = ReadWhole(Root() + "/Data/Mame.dat");
    const char* end = bytes.data() + bytes.size();
    for (const char* at = bytes.data(); at < end;) {
        const char* lf = static_cast<const char*>(std::memchr(at, '\n', end - at));
        const char* next = lf ? lf + 1 : end;
        const char* semi = static_cast<const char*>(std::memchr(at, ';', next - at));
        if (*at != '#' && *at != '*' && semi)
            bare.names.emplace_back(at, semi);
        at = next;
    }
    return bare;
}

template <class W> QWidget* Make(QWidget* parent) {
    return new W(parent);
}

QWidget* MakeBare(const QByteArray& qtClass, QWidget* parent) {
    static const std::map<QByteArray, QWidget* (*)(QWidget*)> kMakers{
        {"QLabel", Make<QLabel>},           {"QComboBox", Make<QComboBox>},
        {"QCheckBox", Make<QCheckBox>},     {"QRadioButton", Make<QRadioButton>},
        {"QPushButton", Make<QPushButton>}, {"QLineEdit", Make<QLineEdit>},
        {"QGroupBox", Make<QGroupBox>},     {"QListWidget", Make<QListWidget>},
        {"QListView", Make<QListView>},     {"QWidget", Make<QWidget>}};
    auto maker = kMakers.find(qtClass);
    if (maker == kMakers.end()) {
        std::fprintf(stderr, "no bare build for %s\n", qtClass.constData());
        std::abort();
    }
    return maker->second(parent);
}

// The floor of the opening: the same widgets built plainly with what they show, the game list a
// plain model of the names in rows of one height, and the window painted.
void BareOpening(benchmark::State& state, const BareWindow& bare) {
    for (auto _ : state) {
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.setFont(bare.font);
        window.resize(bare.size);
        std::vector<QWidget*> made;
        QStringListModel model;
        for (const BareWidget& b : bare.widgets) {
            QWidget* w =
                MakeBare(b.qtClass, b.parent < 0 ? &window : made[static_cast<size_t>(b.parent)]);
            w->setGeometry(b.geometry);
            w->setHidden(b.hidden);
            if (auto* label = qobject_cast<QLabel*>(w)) {
                label->setText(b.text);
                if (!b.pixmap.isNull())
                    label->setPixmap(b.pixmap);
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                button->setText(b.text);
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                box->setTitle(b.text);
            } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                edit->setText(b.text);
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                combo->addItems(b.items);
            } else if (auto* list = qobject_cast<QListView*>(w); list && b.qtClass == "QListView") {
                QStringList names;
                names.reserve(static_cast<qsizetype>(bare.names.size()));
                for (const std::string& name : bare.names)
                    names.push_back(
                        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
                model.setStringList(names);
                list->setUniformItemSizes(true);
                list->setModel(&model);
            }
            made.push_back(w);
        }
        window.show();
        benchmark::DoNotOptimize(window.grab().cacheKey());
    }
}

// The floor of a launch: the stand-in emulator started by posix_spawn in its folder's stead with
// the set's name, and waited for.
void SpawnEmulator(benchmark::State& state) {
    const std::string program = Root() + kEmulator;
    const std::string set = SetName(0);
    char* const args[] = {const_cast<char*>(program.c_str()), const_cast<char*>(set.c_str()),
                          nullptr};
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, program.c_str(), nullptr, nullptr, args, environ) != 0 ||
            waitpid(child, &status, 0) != child)
            std::abort();
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

// Presses "key" once an iteration in the game list of the window, its first game chosen, after a
// click on the page button "page" when one is named. Down steps through the list, one game a
// key, with the settings page shown; Enter launches the first game, whose settings the page
// holds as they are stored: the settings file and the game's record saved, the emulator started
// in its folder and waited for.
void KeyInGameList(benchmark::State& state, Qt::Key key, const char* page) {
    OpenSectionWindow(Emu::Mame);
    SectionWindow* window = ExistingSectionWindow(Emu::Mame);
    if (page)
        emit window->findChild<ClickLabel*>(page)->clicked();
    auto* list = window->findChild<QAbstractItemView*>("lstMameRom");
    list->setCurrentIndex(list->model()->index(0, 0));
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(list, &press);
    }
    delete window;
}

} // namespace

int main(int argc, char** argv) {
    Windows windows(argc, argv, Root());

    RegisterFloors(Root() + "/Data/Mame.dat");
    RegisterFloors(Root() + "/Cfg/Mame.set", "per-game file");
    const BareWindow bare = DescribeOpening();
    const std::string bareFloor = "bare widgets built and painted, names in a model (floor)";
    benchmark::RegisterBenchmark(bareFloor.c_str(), BareOpening, bare)
        ->Unit(benchmark::kMillisecond);
    const std::string spawnFloor = "posix_spawn + waitpid (floor)";
    benchmark::RegisterBenchmark(spawnFloor.c_str(), SpawnEmulator)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("open the MAME section", OpenSection)
        ->Unit(benchmark::kMillisecond);
    const std::string painted = "open the MAME section, painted";
    benchmark::RegisterBenchmark(painted.c_str(), FirstOpening)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("one filter change", FilterChange)->Unit(benchmark::kMillisecond);
    const std::string down = "one Down key on the settings page, 100,000 records";
    benchmark::RegisterBenchmark(down.c_str(), KeyInGameList, Qt::Key_Down, "imgButSet")
        ->Unit(benchmark::kMillisecond);
    const std::string launch = "Enter to the emulator's end, nothing changed";
    benchmark::RegisterBenchmark(launch.c_str(), KeyInGameList, Qt::Key_Return, nullptr)
        ->Unit(benchmark::kMillisecond);
    RunAndReport(argc, argv,
                 {{"open the MAME section", {40, {kReadFloor}}},
                  {painted, {4, {bareFloor}}},
                  {"one filter change", {15, {kReadFloor}}},
                  {down, {1, {FloorOf(kReadSplitFloor, "per-game file")}}},
                  {launch, {3, {spawnFloor}}}});
    std::error_code ec;
    fs::remove_all(Root(), ec);
    return 0;
}
