#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <iomanip>
#include <map>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "platform/clock.h"
#include "platform/path.h"
#include "platform/text_file.h"
#include "section_fixture.h"
#include "sections/open_section.h"
#include "shell/instance.h"
#include "shell/section_hooks.h"
#include "support/shown_texts.h"

namespace arvok::test {
namespace {

// The MAME stand-in lists its ROM folder while it runs.
class SectionLaunchTest : public MameCfgTest {
protected:
    void SetUp() override {
        MameCfgTest::SetUp();
        WriteStandIn("mame.sh", "ls roms");
        WriteBytes(dir_ / "roms/galaga.zip", "zip");
    }
};

TEST_F(SectionLaunchTest, ADoubleClickRunsTheGameWithItsOwnOptionsAndAnotherWithItsOwn) {
    open();
    clickButton("imgButSet");
    pickRom("Galaga");
    choose("cboMameMonitor", 2);
    doubleClick("lstMameRom");

    // Another game starts with its own settings, not with those left on the page, and from the
    // alternative ROM folder when only that folder holds its zip.
    WriteBytes(dir_ / "alt/xevious.zip", "zip");
    pickRom("Xevious");
    doubleClick("lstMameRom");
    EXPECT_EQ(ran(), dir_.path() + "/emu\nxevious -ignorecfg -soundcard 1\nxevious.zip\n");
    pickRom("Galaga");
    EXPECT_EQ(find<QComboBox>("cboMameMonitor")->currentIndex(), 2);

    // A ROM folder the game's record cannot hold is not stored, yet the game runs from it as
    // the page shows it, and the page keeps it.
    const std::string odd = dir_ / "my \"best\", roms";
    std::filesystem::create_directory(odd);
    std::filesystem::rename(dir_ / "roms/galaga.zip", odd + "/galaga.zip");
    auto* folder = find<QLineEdit>("txtMameRomPath");
    folder->setText(QString::fromStdString(odd));
    pressKey(find("lstMameRom"), Qt::Key_Return);
    ASSERT_EQ(dialogs_->asked.size(), 1u);
    EXPECT_EQ(dialogs_->asked[0].text.rfind("The ROM folder\r" + odd + "\rcannot be kept", 0), 0u);
    EXPECT_EQ(ran(),
              dir_.path() + "/emu\ngalaga -ignorecfg -monitor pal -soundcard 1\ngalaga.zip\n");
    EXPECT_EQ(folder->text().toStdString(), odd);
}

TEST_F(SectionLaunchTest, ARecordingChosenForPlaybackIsNotPlayedBackForAnotherGame) {
    WriteBytes(dir_ / "emu/INP/best.inp", "x");
    open();
    clickButton("imgButSet");
    pickRom("Galaga");
    auto* playback = find<QCheckBox>("chkMamePlayback");
    answerPicker("best.inp");
    playback->click();

    // Another game, taking the "[DEFAULT]" record, plays back nothing.
    dialogs_->answers = {Answer::Yes};
    clickButton("cmdApplytoAll");
    WriteBytes(dir_ / "roms/xevious.zip", "zip");
    pickRom("Xevious");
    doubleClick("lstMameRom");
    EXPECT_EQ(ran(), dir_.path() + "/emu\nxevious -ignorecfg -soundcard 1\nxevious.zip\n");
    EXPECT_FALSE(playback->isChecked());
}

TEST_F(SectionLaunchTest, EnterInAFavouriteLaunchesItAndEnterWithNothingChosenDoesNothing) {
    WriteCfg(Emu::Mame, {"Galaga", "Xevious"});
    open();
    auto* favourites = find<QListWidget>("lstMamePref");
    favourites->setCurrentRow(-1);
    pressKey(favourites, Qt::Key_Return);
    pressKey(find("lstMameRom"), Qt::Key_Return);
    EXPECT_EQ(ran(), "<missing>");

    // Tabbing into a list marks its first row without choosing it: the game shown stays, and
    // Enter and Delete act on nothing.
    for (QWidget* list : {static_cast<QWidget*>(favourites), find("lstMameRom")}) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &focus);
        pressKey(list, Qt::Key_Return);
        pressKey(list, Qt::Key_Delete);
    }
    EXPECT_EQ(ran(), "<missing>");
    EXPECT_EQ(text("lblMameRomSettings"), "Galaga");
    EXPECT_EQ(favourites->count(), 2);

    // A click below the last favourite leaves the chosen one chosen and drawn so, and the
    // keypad's Enter launches it.
    favourites->setCurrentRow(0);
    Click(favourites, {4, favourites->viewport()->height() - 4});
    EXPECT_TRUE(drawsIn("lstMamePref", favourites->palette().color(QPalette::Highlight)));
    pressKey(favourites, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_NE(ran().find("galaga -ignorecfg -soundcard 1\n"), std::string::npos);

    // An Enter given to the frozen window while the game runs starts it no second time.
    const std::string runs = dir_ / "runs.txt";
    WriteStandIn("mame.sh", "echo run >> '" + runs + "'; sleep 0.3");
    std::thread typist([&runs, favourites] {
        for (int wait = 0; wait < 300 && ReadBytes(runs) == "<missing>"; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        QCoreApplication::postEvent(
            favourites, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    });
    pressKey(favourites, Qt::Key_Return);
    typist.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(ReadBytes(runs), "run\n");
}

// Catches the ending signals, runs "action" and the event loop, which must end as Exit does, in a
// process of its own (an ending lasts for its life) whose standard error goes to "errors".
template <class Action> void ExpectEnds(Action action, int errors) {
    EXPECT_EXIT(
        {
            alarm(10);
            dup2(errors, STDERR_FILENO);
            QuitOnEndingSignals();
            action();
            QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
            _exit(QCoreApplication::exec());
        },
        testing::ExitedWithCode(0), "");
}

// The same with standard error the file "errors".
template <class Action> void ExpectEnds(Action action, const std::string& errors) {
    const int fd = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ExpectEnds(action, fd);
    close(fd);
}

TEST_F(SectionLaunchTest, AnEndingSignalEndsTheEmulatorSavesEveryWindowAndAsksNothing) {
    WriteDataFile("Raine", kMameGames);
    WriteCfg(Emu::Raine, {});
    InstallSectionWindows(*forms_);
    for (const auto& [signal, favourite] :
         {std::pair{"TERM", "1942"}, {"INT", "Xevious"}, {"HUP", "Pac-Man"}}) {
        open(Emu::Raine);
        pickRom(favourite);
        dropOnFavourites();
        WriteStandIn("mame.sh", std::string("kill -") + signal +
                                    " $PPID; exec >/dev/null 2>&1; sleep 2; echo survived");
        open();
        pickRom("Galaga");
        ExpectEnds([this] { doubleClick("lstMameRom"); }, dir_ / "errors.txt");

        EXPECT_EQ(ran(), dir_.path() + "/emu\ngalaga -ignorecfg -soundcard 1\n") << signal;
        EXPECT_EQ(Entries(dir_ / "emu"), (Names{"mame.sh", "roms"})) << signal;
        EXPECT_TRUE(Entries(dir_ / "emu/roms").empty()) << signal;
        EXPECT_NE(savedFavourites(Emu::Raine).find(favourite), std::string::npos) << signal;
    }

    // Nobody may be there to answer: a failed save is told on standard error, a line a line.
    const std::string cfg = dir_ / "Cfg/Mame.cfg";
    chmod(cfg.c_str(), 0444);
    dialogs_->whenAsked = [] { _exit(2); };
    ExpectEnds([] { raise(SIGTERM); }, dir_ / "errors.txt");
    EXPECT_EQ(ReadBytes(dir_ / "errors.txt"), "The settings could not be saved in\n" + cfg + "\n");
    // Nor may its words end or hold it, on a standard error nobody reads any more or one full.
    for (const auto& [full, favourite] : {std::pair{false, "Donkey Kong"}, {true, "Metal Slug"}}) {
        open(Emu::Raine);
        pickRom(favourite);
        dropOnFavourites();
        int errors[2];
        ASSERT_EQ(pipe(errors), 0);
        fcntl(errors[1], F_SETFL, O_NONBLOCK);
        while (full && write(errors[1], "words", 5) > 0) {
        }
        fcntl(errors[1], F_SETFL, 0);
        if (!full)
            close(errors[0]);
        ExpectEnds([] { raise(SIGTERM); }, errors[1]);
        close(errors[1]);
        if (full)
            close(errors[0]);
        EXPECT_NE(savedFavourites(Emu::Raine).find(favourite), std::string::npos) << full;
    }
    open();
    pickRom("Galaga");
    // A signal during the launch's own message: nothing starts (to run on, with SIGTERM blocked).
    RemoveFile(dir_ / "ran.txt");
    dialogs_->whenAsked = [] {
        sigset_t term;
        sigemptyset(&term);
        sigaddset(&term, SIGTERM);
        sigprocmask(SIG_BLOCK, &term, nullptr);
        raise(SIGHUP);
    };
    ExpectEnds([this] { doubleClick("lstMameRom"); }, dir_ / "errors.txt");
    EXPECT_EQ(ran(), "<missing>");
    EXPECT_EQ(Entries(dir_ / "emu"), (Names{"mame.sh", "roms"}));
    EXPECT_TRUE(Entries(dir_ / "emu/roms").empty());
}

TEST_F(SectionLaunchTest, AMissingEmulatorIsToldOnTheConfigurationPage) {
    RemoveFile(dir_ / "emu/mame.sh");
    WriteBytes(dir_ / "emu/mame2.sh", "");
    open();
    doubleClick("lstMameRom");
    EXPECT_EQ(AskedTexts(*dialogs_), Names{shown::kEmuNotFound});
    EXPECT_TRUE(find("picMameConf")->isVisible());
    EXPECT_FALSE(find("picMameSettings")->isVisible());
    // The program picker left open beside the window puts the program chosen there in the
    // page's field and the settings file.
    auto* files = find<QListWidget>("filSelExe");
    files->setCurrentItem(files->findItems("mame2.sh", Qt::MatchExactly).value(0));
    find<QPushButton>("cmdOk")->click();
    EXPECT_EQ(text("txtOptMameExePath"), dir_ / "emu/mame2.sh");
    EXPECT_NE(ReadBytes(dir_ / "Cfg/Mame.cfg").find("ExePath=" + dir_ / "emu/mame2.sh"),
              std::string::npos);
}

TEST_F(SectionLaunchTest, NamesTwinnedButForCaseOrAccentedRunTheirOwnSets) {
    std::vector<Game> games = kMameGames;
    games.push_back({"Ast\xE9rix (World)", "asterix", "O", "-", "Fighting", "Konami", "1992"});
    games.push_back({"Hangly-Man", "hangly", "C", "puckman", "Maze", "hack", "1981"});
    games.push_back({"HANGLY-MAN", "hangly2", "C", "puckman", "Maze", "hack", "1981"});
    WriteDataFile("Mame", games);
    for (const char* set : {"asterix", "hangly", "hangly2"})
        WriteBytes(dir_ / ("roms/" + std::string(set) + ".zip"), "zip");
    open();

    EXPECT_EQ(find<QListView>("lstMameRom")->model()->index(1, 0).data().toString(),
              QString::fromUtf8("Ast\u00e9rix (World)"));
    EXPECT_EQ(romNames(), (Names{"1942", "Ast\xE9rix (World)", "Donkey Kong",
                                 "Donkey Kong (US set 2)", "Galaga", "HANGLY-MAN", "Hangly-Man",
                                 "Metal Slug", "Pac-Man", "Puck Man (Japan)", "Xevious"}));
    for (auto game = games.end() - 3; game != games.end(); ++game) {
        pickRom(game->name);
        doubleClick("lstMameRom");
        EXPECT_NE(ran().find(std::string("\n") + game->set + " -ignorecfg"), std::string::npos)
            << game->name << ": " << ran();
    }
}

// The switch table of a section in tests/fixtures/switches.txt: its controls in the order of
// their switches, each with the record item that stores it and the switch of each value.
struct SwitchValue {
    std::string value, text;
};
struct SwitchControl {
    std::string name, byDefault;
    int item = 0; // 0: not stored
    std::vector<SwitchValue> values;
    std::vector<std::string> gate; // a control, then its values that let this one give its switch
};
using Choices = std::vector<std::pair<std::string, std::string>>;
struct SwitchSection {
    std::string list, game, head, zip;
    std::vector<SwitchControl> controls;
    std::vector<Choices> tries;
};

SwitchSection SwitchTable(const std::string& base) {
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadLines(Fixture("switches.txt"), lines));
    std::map<std::string, SwitchSection> sections;
    SwitchSection* s = nullptr;
    for (const std::string& line : lines) {
        // The words of the line; a word in double quotes may hold blanks.
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> std::quoted(word);)
            w.push_back(word);
        if (w.empty() || w[0][0] == '#')
            continue;
        if (w[0][0] == '[') {
            s = &(sections[w[0]] = {w.at(1), w.at(2), w.at(3), w.at(4), {}, {}});
        } else if (w[0] == "try") {
            Choices& choices = s->tries.emplace_back();
            for (std::size_t i = 1; i + 1 < w.size(); i += 2)
                choices.emplace_back(w[i], w[i + 1]);
        } else if (line[0] != ' ') {
            s->controls.push_back({w[0], "", w.at(1) == "-" ? 0 : std::stoi(w[1]), {}, {}});
        } else if (SwitchControl& control = s->controls.back(); w[0] == "while") {
            control.gate.assign(w.begin() + 1, w.end());
        } else {
            const bool byDefault = w[0].back() == '*';
            control.values.push_back({w[0].substr(0, w[0].size() - byDefault), w.at(1)});
            if (byDefault)
                control.byDefault = control.values.back().value;
        }
    }
    return sections["[" + base + "]"];
}

// Each section's window, opened once, launches its game again and again from its settings page
// set as a user sets it, and the stand-in emulator's arguments must be the table's switches in
// their order, the game's record holding each control's value at its item.
class SwitchTableTest : public SectionTest, public ::testing::WithParamInterface<std::string> {
protected:
    void TearDown() override {
        SetClock({});
        SectionTest::TearDown();
    }

    // What a control shows: a box's 0 or 1, a text, a combo's index.
    static std::string value(QWidget* w) {
        if (auto* box = qobject_cast<QCheckBox*>(w))
            return box->isChecked() ? "1" : "0";
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text().toStdString();
        return std::to_string(static_cast<QComboBox*>(w)->currentIndex());
    }
    // A box ticked for any value but "0" (a value other than "1" is the recording to pick), an
    // item chosen by its index, a text typed.
    void set(const std::string& name, const std::string& value) {
        QWidget* w = widgets_.at(name);
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            if (box->isChecked() == (value == "0")) {
                if (value != "0" && value != "1")
                    answerPicker(value);
                box->click();
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setText(QString::fromStdString(value));
        } else if (auto* combo = static_cast<QComboBox*>(w);
                   combo->currentIndex() != std::stoi(value)) {
            combo->setCurrentIndex(std::stoi(value));
            emit combo->activated(combo->currentIndex());
        }
    }

    // The page at its defaults, then "choices" set in turn where the page lets the user set them,
    // then the launch by a double click or, when "enter", by Enter.
    void launch(const Choices& choices, bool enter = false) {
        std::map<std::string, std::string> state;
        for (const SwitchControl& control : s_.controls)
            set(control.name, state[control.name] = control.byDefault);
        std::string told = base_;
        for (const auto& [name, value] : choices)
            if (widgets_.at(name)->isEnabled()) {
                set(name, state[name] = value);
                told += " " + name + " " + value;
            }
        std::string line = s_.head;
        std::map<int, std::string> stored; // by item, from the third on
        for (const SwitchControl& control : s_.controls) {
            if (control.item)
                stored[control.item] = state[control.name];
            for (const SwitchValue& v : control.values)
                if (v.value == state[control.name] &&
                    (control.gate.empty() ||
                     std::count(control.gate.begin() + 1, control.gate.end(),
                                state[control.gate[0]]))) {
                    line += v.text;
                    tried_.insert(control.name + " " + v.value);
                }
        }

        std::filesystem::remove(dir_ / "ran.txt");
        if (enter)
            pressKey(find(s_.list.c_str()), Qt::Key_Return);
        else
            doubleClick(s_.list);
        EXPECT_EQ(ran(), dir_.path() + "/emu\n" + line + "\n" + s_.zip + "\n") << told;
        const std::string record = ReadBytes(dir_ / ("Cfg/" + base_ + ".set"));
        const std::size_t at = record.find("\"" + s_.game + "\",");
        // The page as it was filled in for a game without a record stores none.
        if (choices.empty()) {
            EXPECT_EQ(at, std::string::npos) << record;
            return;
        }
        ASSERT_NE(at, std::string::npos) << told << ": no record in " << record;
        const QStringList items =
            QString::fromStdString(record.substr(at, record.find('\r', at) - at))
                .remove('"')
                .split(',');
        std::map<int, std::string> saved;
        for (int item = 3; item <= items.size(); ++item)
            saved[item] = items[item - 1].toStdString();
        EXPECT_EQ(saved, stored) << told;
    }

    const std::string base_ = GetParam();
    const Emu emu_ = *EmuFromTag(QString::fromLatin1(base_).toUpper().toStdString());
    const SwitchSection s_ = SwitchTable(base_);
    std::map<std::string, QWidget*> widgets_;
    std::set<std::string> tried_;
};

TEST_P(SwitchTableTest, EverySwitchReachesTheEmulatorFromThePage) {
    ASSERT_FALSE(s_.controls.empty());
    const std::string zipDir = s_.zip.substr(0, s_.zip.rfind('/') + 1),
                      set = s_.zip.substr(zipDir.size()), name = set.substr(0, set.size() - 4);
    WriteDataFile(base_, {{s_.game.c_str(), name.c_str(), "O", "-", "Action", "Maker", "1990"}});
    WriteBytes(dir_ / ("roms/" + set), "zip");
    std::filesystem::create_directories(dir_ / ("emu/" + zipDir));
    WriteBytes(dir_ / "emu/INP/best.inp", "x");
    SetClock([] { return Moment(9, 30, 5, 7, 2, 1999); });
    WriteCfg(emu_, {s_.game});
    // The stand-in notes its working directory, its arguments and the zips in its ROM folder.
    WriteStandIn(QString::fromLatin1(base_).toLower().toStdString() + ".sh",
                 "echo " + zipDir + "*.zip");
    ASSERT_NE(open(emu_), nullptr);
    clickButton(emu_ == Emu::Mame ? "imgButSet" : ("img" + base_ + "ButSet").c_str());
    select(s_.list, s_.game);
    EXPECT_EQ(pick(("cmd" + base_ + "SelDir").c_str()).caption,
              "Search Rom for " + s_.game + " (" + set + ")");
    // A game without settings shows the defaults.
    for (const SwitchControl& control : s_.controls) {
        QWidget* w = widgets_[control.name] = find(control.name.c_str());
        EXPECT_EQ(value(w), control.byDefault) << control.name;
    }

    // The defaults; then a launch per row, each with one box (a control of two values) at its
    // other value alone, and every list at the row's value, each list shifted by its place so
    // that no two lists move in step.
    launch({});
    std::size_t rows = 0, boxes = 0;
    for (const SwitchControl& control : s_.controls)
        rows = std::max(rows, control.values.size() == 2 ? ++boxes : control.values.size());
    for (std::size_t row = 0; row < rows; ++row) {
        Choices choices;
        std::size_t box = 0, list = 0;
        for (const SwitchControl& c : s_.controls)
            if (c.values.size() != 2)
                choices.emplace_back(c.name, c.values[(row + list++) % c.values.size()].value);
            else if (box++ == row)
                choices.insert(choices.begin(),
                               {c.name, c.values[c.values[0].value == c.byDefault].value});
        launch(choices, row % 2);
    }
    for (const Choices& choices : s_.tries)
        launch(choices);
    for (const SwitchControl& control : s_.controls)
        for (const SwitchValue& v : control.values)
            EXPECT_TRUE(tried_.count(control.name + " " + v.value))
                << control.name << " " << v.value << " never given";
    EXPECT_TRUE(dialogs_->asked.empty());
}

INSTANTIATE_TEST_SUITE_P(EverySection, SwitchTableTest,
                         ::testing::Values("Mame", "Callus", "Raine", "System16", "M72"),
                         [](const auto& row) { return row.param; });

} // namespace
} // namespace arvok::test
