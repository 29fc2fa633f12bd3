#include <QCloseEvent>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/qt/window_drag.h"
#include "shell/installation.h"
#include "shell/instance.h"
#include "shell/launcher.h"
#include "shell/section_hooks.h"
#include "support/control_table.h"
#include "support/shown_texts.h"
#include "support/test_support.h"
#include "support/widgets.h"

namespace arvok {
namespace {

namespace fs = std::filesystem;
using test::BackColor;
using test::Find;
using test::TextColor;
using test::WriteLines;
using Lines = std::vector<std::string>;

constexpr std::uint32_t kEntryText = 13538452, kHighlightBack = 9398111;

Lines HeaderLines(const std::string& name, int lines) {
    Lines block;
    for (int i = 1; i <= lines; ++i)
        block.push_back("*" + name + " " + std::to_string(i));
    return block;
}

class Launcher : public testing::Test {
protected:
    void SetUp() override {
        oldCwd_ = fs::current_path();
        fs::current_path(dir_.path());
        home_ = fs::current_path().string();
        dialogs_ = &InstallScriptedDialogs();
        installation = std::make_unique<Installation>(home_);
        hooks = DefaultHooks(*installation);
        hooks.open = [this](Emu emu) { note("open", emu); };
        hooks.place = [this](Emu emu, int top, int left, int width, int height) {
            note("place", emu);
            for (int twips : {top, left, width, height})
                calls_.back() += " " + std::to_string(twips);
        };
        hooks.saveForQuit = [this](Emu emu) { note("save", emu); };
    }
    void TearDown() override { fs::current_path(oldCwd_); }
    // A hook's call, "<hook> <section's tag>".
    void note(const std::string& hook, Emu emu) { calls_.push_back(hook + " " + Section(emu).tag); }

    std::unique_ptr<LauncherWindow> Start() {
        auto window = std::make_unique<LauncherWindow>(*installation, hooks);
        window->load();
        return window;
    }
    void WriteLayout(const Lines& layout) {
        WriteLines(home_ + "/arvok.ini", {"[Layouts]", "LayoutAlwaysOnTop = 0",
                                          "AutoloadOnStartup = 1", "DefaultLayout = Work"});
        WriteLines(home_ + "/layouts.dat", layout);
    }

    test::TempDir dir_;
    fs::path oldCwd_;
    std::string home_;
    ScriptedDialogs* dialogs_ = nullptr;
    std::unique_ptr<Installation> installation;
    SectionHooks hooks;
    Lines calls_;
};

TEST_F(Launcher, AFirstStartGreetsBeforeAnyWorkDirectoryExistsAndThenMakesThem) {
    // Which work directories exist at every message.
    Lines existing;
    dialogs_->whenAsked = [&] {
        for (const char* name : {"Cfg", "Data", "Anim"})
            if (IsDirectory(home_ + "/" + name))
                existing.push_back(name);
    };
    Start();

    ASSERT_EQ(test::AskedTexts(*dialogs_), Lines{test::shown::kWelcome});
    EXPECT_EQ(test::MessageDifferences(*dialogs_), Lines{});
    EXPECT_TRUE(existing.empty());
    for (const char* name : {"Cfg", "Data", "Anim"})
        EXPECT_TRUE(IsDirectory(home_ + "/" + name)) << name;
    EXPECT_TRUE(calls_.empty());

    dialogs_ = &InstallScriptedDialogs();
    Start();
    EXPECT_EQ(dialogs_->asked.size(), 1u) << "Cfg still holds no file";

    dialogs_ = &InstallScriptedDialogs();
    test::WriteBytes(home_ + "/Cfg/Mame.cfg", "");
    Start();
    EXPECT_TRUE(dialogs_->asked.empty());
}

TEST_F(Launcher, AnExistingLowerCaseCfgIsNotDoubledAndCountsForTheGreeting) {
    test::WriteBytes(home_ + "/cfg/Mame.cfg", "");
    Start();
    EXPECT_TRUE(dialogs_->asked.empty());
    EXPECT_EQ(test::Entries(home_), (Lines{"Anim", "Data", "cfg"}));
}

TEST_F(Launcher, TheDefaultLayoutOpensAndPlacesSectionsInFileOrder) {
    std::vector<int> leftAtOpen;
    LauncherWindow window(*installation, hooks);
    hooks.open = [&](Emu emu) {
        note("open", emu);
        leftAtOpen.push_back(window.twipsLeft());
    };
    WriteLayout({"[Other]", "MAIN,1,1", "RAINE,1,1,1,1", "-", "[Work]", "MAIN,600,900",
                 "MAME,600,4350,6345,4620", "NEORAGE,1,2,3,4", "M72,10,20,2400,4620", "-"});
    test::WriteBytes(home_ + "/Cfg/Mame.cfg", "");
    window.load();
    EXPECT_EQ(calls_, (Lines{"open MAME", "place MAME 600 4350 6345 4620", "open M72",
                             "place M72 10 20 2400 4620"}));
    EXPECT_EQ(leftAtOpen, (std::vector<int>{900, 900}));
    EXPECT_EQ(std::pair(window.twipsTop(), window.twipsLeft()), std::pair(600, 900));
}

TEST_F(Launcher, TheBannerStartsOnEveryWayOutOfStartUpAndRotatesThroughSixTexts) {
    WriteLayout({"[Work]", "MAME,1,2,3,4", "CALLUS,400,abc,6345,4620", "RAINE,1,2,3,4", "-"});
    auto stopped = Start();
    auto* stoppedTimer = stopped->findChild<QTimer*>("Timer1");
    ASSERT_NE(stoppedTimer, nullptr);
    EXPECT_TRUE(stoppedTimer->isActive());
    EXPECT_EQ(stoppedTimer->interval(), 10000);
    EXPECT_EQ(calls_, (Lines{"open MAME", "place MAME 1 2 3 4"}));

    LauncherWindow window(*installation, hooks);
    auto* timer = window.findChild<QTimer*>("Timer1");
    EXPECT_FALSE(timer->isActive());
    window.load();
    QLabel* banner = Find(&window, "lblMiscText");
    Lines shown{banner->text().toStdString()};
    for (int tick = 0; tick < 7; ++tick) {
        QMetaObject::invokeMethod(timer, "timeout");
        shown.push_back(banner->text().toStdString());
        // No text touches the banner's edges.
        const QRect ink = test::Ink(banner->grab().toImage());
        EXPECT_TRUE(ink.left() > 0 && ink.right() < banner->width() - 1) << shown.back();
    }
    Lines texts{"---> The Definitive Multifrontend <---", "Arvok is written by the Arvok team",
                "What do you want to emulate today?",     "Home page: " + test::shown::kWebAddress,
                "Thanks to all emu-developers!",          "Thanks to all rom-dumpers!"};
    texts.insert(texts.end(), {texts[0], texts[1]});
    EXPECT_EQ(shown, texts);
}

TEST_F(Launcher, ASectionWithoutItsDataFileIsReportedAndStillPlaced) {
    hooks.open = DefaultHooks(*installation).open;
    WriteLayout({"[Work]", "MAME,1,2,3,4", "M72,5,6,7,8", "-"});
    test::WriteBytes(home_ + "/Cfg/Mame.cfg", "");
    WriteLines(home_ + "/data/m72.dat", HeaderLines("M72", 17));
    // A FIFO that nothing writes is no data file, and nothing waits on it: neither the start nor
    // the statistics of the section's entry.
    test::UnwrittenFifo data(home_ + "/data/Mame.dat");
    auto window = Start();
    ASSERT_EQ(test::AskedTexts(*dialogs_), Lines{test::shown::kNoDataFile});
    EXPECT_EQ(calls_, (Lines{"place MAME 1 2 3 4", "place M72 5 6 7 8"}));
    test::MoveOver(Find(window.get(), "lblMame"));
    EXPECT_EQ(Find(window.get(), "lblName")->text(), "");
    EXPECT_FALSE(data.waitedOn());

    // A layouts file that cannot be read (a FIFO, a folder) places nothing and is named once,
    // however often the launcher starts.
    dialogs_->asked.clear();
    calls_.clear();
    fs::remove(home_ + "/layouts.dat");
    {
        test::UnwrittenFifo layouts(home_ + "/layouts.dat");
        Start();
        EXPECT_FALSE(layouts.waitedOn());
    }
    EXPECT_EQ(test::AskedTexts(*dialogs_), Lines{test::shown::Unreadable(home_ + "/layouts.dat")});
    fs::remove(home_ + "/layouts.dat");
    fs::create_directory(home_ + "/layouts.dat");
    Start();
    Start();
    EXPECT_TRUE(calls_.empty());
    ASSERT_EQ(test::AskedTexts(*dialogs_), Lines{test::shown::Unreadable(home_ + "/layouts.dat")});
}

TEST_F(Launcher, PointingAtAnEntryShowsOnlyItsOwnStatistics) {
    WriteLines(home_ + "/Data/Mame.dat", HeaderLines("MAME", 17));
    Lines raine = HeaderLines("RAINE", 17);
    raine[9] = "";
    WriteLines(home_ + "/Data/Raine.dat", raine);
    auto window = Start();
    test::MoveOver(Find(window.get(), "lblMame"));
    EXPECT_EQ(test::Texts(window.get(), {"lblMachine", "lblContrib", "lblOldest"}),
              (Lines{"MAME 2", "MAME 17", "MAME 12"}));
    test::MoveOver(Find(window.get(), "lblRaine"));
    EXPECT_EQ(test::Texts(window.get(), {"lblName", "lblNoClones", "lblWorking", "lblContrib"}),
              (Lines{"RAINE 1", "RAINE 9", "", ""}));
    test::MoveOver(Find(window.get(), "lblCallus"));
    EXPECT_EQ(Find(window.get(), "lblName")->text(), "");
}

TEST_F(Launcher, EntriesAndMenuLabelsAnswerTheMouse) {
    int rested = 0, layouts = 0;
    hooks.restClearFavourites = [&] { ++rested; };
    hooks.showLayoutManager = [&] { ++layouts; };
    auto window = Start();
    QLabel* callus = Find(window.get(), "lblCallus");
    test::SendMouse(callus, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(TextColor(callus), VbColor(65535));
    test::SendMouse(callus, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(TextColor(callus), VbColor(kEntryText));
    EXPECT_TRUE(calls_.empty()) << "only the left button opens";
    test::Click(callus);
    EXPECT_EQ(calls_, (Lines{"open CALLUS"}));

    QLabel* lays = Find(window.get(), "lblLays");
    test::MoveOver(lays);
    test::Click(lays);
    EXPECT_EQ(layouts, 1);
    EXPECT_EQ(BackColor(lays), VbColor(12551557));

    // The pointer leaves the launcher straight from a menu label: the label rests.
    window->show();
    for (const char* name : {"lblLays", "lblAbout", "lblExit"}) {
        QLabel* label = Find(window.get(), name);
        const QPoint at = label->geometry().center();
        QMouseEvent move(QEvent::MouseMove, at, window->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QEvent leave(QEvent::Leave);
        for (QEvent* event : {static_cast<QEvent*>(&move), &leave}) {
            QCoreApplication::sendEvent(window->windowHandle(), event);
            EXPECT_EQ(label->grab().toImage().pixelColor(0, 0),
                      VbColor(event == &move ? kHighlightBack : 12551557))
                << name;
        }
    }

    test::MoveOver(window.get(), {3, 300});
    EXPECT_EQ(rested, 0);
    window->setCurrentSectionTag("CALLUS");
    test::MoveOver(window.get(), {3, 300});
    EXPECT_EQ(rested, 1);

    QLabel* version = Find(window.get(), "lblVersion");
    test::MoveOver(version);
    EXPECT_EQ(version->toolTip(), " 02/07/99 ");

    test::DoubleClick(Find(window.get(), "imgArvok"));
    EXPECT_EQ(std::pair(window->twipsTop(), window->twipsLeft()), std::pair(0, 0));

    // The window system is asked to move the launcher once a drag by the left button, from its
    // background or its logo; not from a control on it, nor by another button.
    std::vector<QWindow*> moved;
    SetSystemMove([&](QWindow* w) { moved.push_back(w); });
    test::Drag(window.get(), {3, 300}, Qt::RightButton);
    test::Drag(window.get(), Find(window.get(), "lblMame")->geometry().center());
    test::Drag(Find(window.get(), "imgArvok"));
    test::Drag(window.get(), {3, 300});
    SetSystemMove(nullptr);
    EXPECT_EQ(moved, std::vector<QWindow*>(2, window->windowHandle()));
}

TEST_F(Launcher, EveryControlStandsAsDesigned) {
    fs::create_directory(home_ + "/Data");
    for (Emu emu : kAllEmus) {
        std::string name = std::string(Section(emu).baseName) + ".dat";
        ASSERT_TRUE(CopyFile(test::ShippedData(name), home_ + "/Data/" + name));
    }
    auto window = Start();
    EXPECT_EQ(test::ControlDifferences(window.get(), "frmMain.txt"), Lines{});
}

// A window that counts the times it was asked to close, and stays open.
class ClosingProbe : public QWidget {
public:
    int closings = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closings;
        event->ignore();
    }
};

TEST_F(Launcher, QuittingAsksFirstAndSavesTheOpenSectionsInTheirOrder) {
    auto window = Start();
    dialogs_->asked.clear();
    window->setSectionOpen(Emu::M72, true);
    window->setSectionOpen(Emu::Raine, true);
    window->setSectionOpen(Emu::Mame, true);
    window->setSectionOpen(Emu::Raine, false);
    const std::string before = test::Contents(home_);

    // With a section window open, No leaves both on screen, the program running, nothing saved;
    // Yes ends the program without the section's closing, which would save it a second time.
    ClosingProbe section;
    window->show();
    section.show();
    dialogs_->answers = {Answer::No, Answer::Yes};
    QTimer::singleShot(0, [&] {
        test::Click(Find(window.get(), "lblExit"));
        EXPECT_TRUE(calls_.empty());
        EXPECT_EQ(test::Contents(home_), before);
        EXPECT_TRUE(window->isVisible() && section.isVisible());
        QTimer::singleShot(50, [&] { test::Click(Find(window.get(), "lblExit")); });
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(test::AskedTexts(*dialogs_), Lines(2, "Do you really want to quit ?"));
    EXPECT_EQ(test::MessageDifferences(*dialogs_), Lines{});
    EXPECT_EQ(calls_, (Lines{"save MAME", "save M72"}));
    EXPECT_EQ(section.closings, 0);
}

// What a power cut or another program leaves at the lock's name never keeps the program from
// starting, nor makes it wait.
TEST_F(Launcher, AnyLeftoverAtTheLockNameLetsTheProgramStart) {
    const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> leftovers{
        {"empty", [](const std::string& at) { test::WriteBytes(at, ""); }},
        {"garbage", [](const std::string& at) { test::WriteBytes(at, "\x01\xFFsomebody else"); }},
        {"pipe", [](const std::string& at) { mkfifo(at.c_str(), 0644); }},
        {"folder", [](const std::string& at) { fs::create_directory(at); }},
        {"dangling link", [](const std::string& at) { fs::create_symlink("gone", at); }},
        {"link to a device", [](const std::string& at) { fs::create_symlink("/dev/zero", at); }},
    };
    for (const auto& [what, make] : leftovers) {
        const std::string dir = home_ + "/" + what;
        fs::create_directory(dir);
        make(dir + "/.arvok.lock");
        EXPECT_TRUE(ClaimInstallation(dir)) << what;
    }
    EXPECT_TRUE(dialogs_->asked.empty());
}

} // namespace
} // namespace arvok
