#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "layouts/qt/layout_manager.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "platform/qt/geometry.h"
#include "sections/open_section.h"
#include "sections/section_fixture.h"
#include "settings/layout_files.h"
#include "shell/forms.h"
#include "support/control_table.h"
#include "support/cut_text.h"
#include "support/shown_texts.h"
#include "support/widgets.h"

namespace arvok::test {
namespace {

using Lines = std::vector<std::string>;

class LayoutManagerTest : public SectionTest {
protected:
    void SetUp() override {
        SectionTest::SetUp();
        InstallSectionWindows(*forms_);
        InstallLayoutManager(*forms_);
        WriteCfg(Emu::Mame, {"Galaga"});
    }
    void TearDown() override {
        delete ExistingLayoutManager();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SectionTest::TearDown();
    }

    void writeLayouts(const Lines& lines) { WriteLines(dir_ / "layouts.dat", lines); }
    void writeOptions(bool onTop, bool autoload, const std::string& name) {
        WriteLayoutOptions(dir_ / "arvok.ini", {onTop, autoload, name});
    }
    std::string layouts() { return ReadBytes(dir_ / "layouts.dat"); }

    // The launcher's "Lays" entry clicked.
    void showManager() {
        if (auto* lays = Find<ClickLabel>(&Forms::main(), "lblLays"))
            emit lays->clicked();
        manager_ = ExistingLayoutManager();
    }
    template <class T = QWidget> T* ui(const char* name) { return Find<T>(manager_, name); }
    void press(const char* button) { ui<QPushButton>(button)->click(); }
    // The entries of a combo or a list, as shown.
    Lines items(const char* name) {
        auto* box = qobject_cast<QComboBox*>(ui(name));
        QAbstractItemModel* model = box ? box->model() : ui<QListWidget>(name)->model();
        Lines names;
        for (int i = 0; i < model->rowCount(); ++i)
            names.push_back(ToAnsi(model->index(i, 0).data().toString()));
        return names;
    }
    std::string current(const char* combo) { return ToAnsi(ui<QComboBox>(combo)->currentText()); }
    // What the manager shows: "<layouts> | <the one shown> [<its windows>] | default <name>"; the
    // default's list holds the same layouts.
    std::string shown() {
        auto join = [](const Lines& names) {
            std::string text;
            for (const std::string& name : names)
                text += (text.empty() ? "" : ", ") + name;
            return text;
        };
        EXPECT_EQ(items("cboListaLayout2"), items("cboListaLayout"));
        return join(items("cboListaLayout")) + " | " + current("cboListaLayout") + " [" +
               join(items("lstEmulatori")) + "] | default " + current("cboListaLayout2");
    }
    // "Close" pressed, and the manager gone once the events are run.
    void pressClose() {
        press("cmdOk");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The layout the user picks from the list.
    void pick(const std::string& name) {
        auto* box = ui<QComboBox>("cboListaLayout");
        int index = box->findText(FromAnsi(name));
        ASSERT_GE(index, 0) << name;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Presses "button" of the manager and runs "act" on the name dialog it opens.
    void withNameDialog(const char* button, const std::function<void(QDialog&)>& act) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            act(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        press(button);
        EXPECT_TRUE(seen);
    }

    LayoutManager* manager_ = nullptr;
};

void Type(QDialog& dialog, const std::string& name) {
    Find<QLineEdit>(&dialog, "txtRinomina")->setText(FromAnsi(name));
}

TEST_F(LayoutManagerTest, TheListsShowTheFileAndFollowRemoval) {
    writeLayouts({"[A]", "MAIN,400,500", "MAME,400,3950,6345,4620", "CALLUS,0,0,3000,3000",
                  "NEORAGE,5,6,2400,4620", "M72,0,0,2400,4620", "-", "[B]", "MAIN,1,2",
                  "RAINE,0,0,6345,7260", "-", "[C]", "-", "[D]", "-"});
    std::string file = layouts();
    writeOptions(false, true, "C");
    showManager();
    ASSERT_NE(manager_, nullptr);
    EXPECT_FALSE(manager_->isHidden());
    // Every window line is listed, one of a tag the program does not know too.
    EXPECT_EQ(shown(), "A, B, C, D | A [MAME, CALLUS, NEORAGE, M72] | default C");
    // A size of no class leaves its row empty instead of moving the next size up beside it.
    EXPECT_EQ(items("lstEmulatoriSize"), (Lines{"Medium", "", "Small", "Small"}));
    EXPECT_TRUE(ui<QCheckBox>("chkEnableAutoload")->isChecked());
    EXPECT_TRUE(ui("cboListaLayout2")->isEnabled());
    EXPECT_FALSE(ui<QCheckBox>("chkAlwaysOnTop")->isChecked());

    pick("B");
    EXPECT_EQ(items("lstEmulatori"), (Lines{"RAINE"}));
    EXPECT_EQ(items("lstEmulatoriSize"), (Lines{"Large"}));

    // A later one, which is the default: the one before it is shown, the first is default.
    pick("C");
    press("cmdRemove");
    EXPECT_EQ(shown(), "A, B, D | B [RAINE] | default A");
    EXPECT_EQ(layouts(), file.erase(file.find("[C]"), 8)) << "C's lines alone are gone";

    // The first one, not the default: the new first is shown, the default stays.
    ui<QComboBox>("cboListaLayout2")->setCurrentIndex(2);
    pick("A");
    press("cmdRemove");
    EXPECT_EQ(shown(), "B, D | B [RAINE] | default D");

    press("cmdRemove");
    EXPECT_EQ(shown(), "D | D [] | default D");
    press("cmdRemove");
    EXPECT_EQ(shown(), " |  [] | default ");
    EXPECT_EQ(layouts(), "");

    // With no layout left, the manager opens again with autoload off.
    pressClose();
    showManager();
    EXPECT_FALSE(ui<QCheckBox>("chkEnableAutoload")->isChecked());
    EXPECT_FALSE(ui("cboListaLayout2")->isEnabled());
}

TEST_F(LayoutManagerTest, SavingWritesTheLauncherThenTheOpenWindowsInSectionOrder) {
    WriteDataFile("M72", kMameGames);
    writeLayouts({"[A]", "-", "[B]", "MAIN,1,2", "-"});
    Forms::main().setTwipsPosition(300, 600);
    ASSERT_NE(open(Emu::M72), nullptr);
    SetTwipsPos(window_, 1500, 9000);
    SetTwipsSize(window_, 2400, 4620);
    ASSERT_NE(open(Emu::Mame), nullptr);
    SetTwipsPos(window_, 150, 45000);
    SetTwipsSize(window_, 6345, 7260);
    showManager();
    pick("A");

    press("cmdSaveLayout");
    EXPECT_EQ(layouts(), WithCrLf({"[A]", "MAIN,300,600", "MAME,150,45000,6345,7260",
                                   "M72,1500,9000,2400,4620", "-", "[B]", "MAIN,1,2", "-"}));
    EXPECT_EQ(items("lstEmulatori"), (Lines{"MAME", "M72"}));
    EXPECT_EQ(items("lstEmulatoriSize"), (Lines{"Large", "Small"}));

    window_->closeSection();
    ExistingSectionWindow(Emu::M72)->closeSection();
    pick("B");
    press("cmdSaveLayout");
    EXPECT_EQ(layouts(), WithCrLf({"[A]", "MAIN,300,600", "MAME,150,45000,6345,7260",
                                   "M72,1500,9000,2400,4620", "-", "[B]", "MAIN,300,600", "-"}));
    EXPECT_TRUE(items("lstEmulatori").empty());

    // A layouts.dat that cannot be rewritten is reported and stays as it was.
    const std::string saved = layouts();
    chmod((dir_ / "layouts.dat").c_str(), 0444);
    const size_t asked = dialogs_->asked.size();
    press("cmdSaveLayout");
    ASSERT_EQ(dialogs_->asked.size(), asked + 1);
    EXPECT_NE(dialogs_->asked.back().text.find(dir_ / "layouts.dat"), std::string::npos);
    EXPECT_EQ(layouts(), saved);
}

TEST_F(LayoutManagerTest, LoadingSavesAndClosesTheOpenWindowsThenOpensTheLayoutsAtTheirPlaces) {
    WriteDataFile("M72", kMameGames);
    writeLayouts({"[Work]", "MAIN,450,750", "MAME,900,6000,6345,7260", "CALLUS,0,0,2400,4620",
                  "M72,1500,9000,2400,4620", "-"});
    QPointer<SectionWindow> before = open(Emu::Mame);
    ASSERT_FALSE(before.isNull());
    choose("cboSlideShowTimer", 4);
    showManager();
    pick("Work");

    press("cmdLoadLayout");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(before.isNull()) << "the open window was closed";
    EXPECT_NE(ReadBytes(dir_ / "Cfg/Mame.cfg").find("SlideDelay=4\r\n"), std::string::npos);
    EXPECT_EQ(std::pair(Forms::main().twipsTop(), Forms::main().twipsLeft()), std::pair(450, 750));
    // Callus has no data file: it is reported, and the layout goes on.
    ASSERT_FALSE(dialogs_->asked.empty());
    EXPECT_EQ(dialogs_->asked[0].text, shown::kNoDataFile);
    EXPECT_FALSE(Forms::main().sectionOpen(Emu::Callus));
    for (auto [emu, place] :
         {std::pair{Emu::Mame, QRect(400, 60, 423, 484)}, {Emu::M72, QRect(600, 100, 160, 308)}}) {
        SectionWindow* window = ExistingSectionWindow(emu);
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->isHidden());
        EXPECT_TRUE(Forms::main().sectionOpen(emu));
        EXPECT_EQ(window->geometry(), place);
    }
}

TEST_F(LayoutManagerTest, TheNameDialogAddsLayoutsWithNewNamesOnly) {
    writeLayouts({"[New Layout]", "MAIN,1,2", "-", "[Other]", "-"});
    writeOptions(false, true, "Other");
    showManager();
    pick("Other");

    withNameDialog("cmdAdd", [&](QDialog& dialog) {
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(ControlDifferences(&dialog, "frmRinomina.txt"), Lines{});
        auto* add = Find<QPushButton>(&dialog, "cmdAdd");
        auto* rename = Find<QPushButton>(&dialog, "cmdRename");
        EXPECT_TRUE(add->isDefault());
        EXPECT_EQ(Find<QLineEdit>(&dialog, "txtRinomina")->selectedText(), "New Layout");

        add->click();
        ASSERT_EQ(AskedTexts(*dialogs_), Lines{"Name already exist!"});
        EXPECT_EQ(MessageDifferences(*dialogs_), Lines{});
        EXPECT_EQ(current("cboListaLayout"), "New Layout") << "the layout of that name is shown";
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Find<QLineEdit>(&dialog, "txtRinomina")->text(), "New Layout");

        Type(dialog, "");
        EXPECT_FALSE(add->isEnabled());
        EXPECT_FALSE(rename->isEnabled());
        // Names the file cannot hold are refused, each with its own message.
        for (const auto& [name, message] :
             {std::pair{QStringLiteral("two\nlines"), "A layout name must fit on one line!"},
              {QString::fromLatin1("nul\0end", 7), "A layout name must fit on one line!"},
              {QString::fromUtf8("日本"),
               "A layout name can hold only Western European characters!"}}) {
            dialogs_->asked.clear();
            Find<QLineEdit>(&dialog, "txtRinomina")->setText(name);
            add->click();
            ASSERT_EQ(AskedTexts(*dialogs_), Lines{message});
            EXPECT_TRUE(dialog.isVisible());
        }

        Type(dialog, "new layout");
        EXPECT_TRUE(add->isEnabled());
        add->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(shown(), "New Layout, Other, new layout | new layout [] | default New Layout");
    EXPECT_EQ(layouts(),
              WithCrLf({"[New Layout]", "MAIN,1,2", "-", "[Other]", "-", "[new layout]", "-"}));

    withNameDialog("cmdAdd", [&](QDialog& dialog) {
        Find<QPushButton>(&dialog, "cmdCancel")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(items("cboListaLayout").size(), 3u);
}

TEST_F(LayoutManagerTest, RenamingKeepsTheLayoutsPlaceInTheFileAndTheDefaultFollows) {
    writeLayouts(
        {"[A]", "MAIN,1,2", "-", "[B]", "MAIN,3,4", "MAME,0,0,6345,4620", "-", "[C]", "-"});
    writeOptions(false, true, "B");
    showManager();
    pick("B");

    withNameDialog("cmdRename", [&](QDialog& dialog) {
        EXPECT_EQ(ControlDifferences(&dialog, "frmRinominaRename.txt"), Lines{});
        auto* rename = Find<QPushButton>(&dialog, "cmdRename");
        EXPECT_TRUE(rename->isDefault());
        Type(dialog, "Work");
        rename->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(rename, &enter);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(dialogs_->asked.empty());
    EXPECT_EQ(shown(), "A, C, Work | Work [MAME] | default Work");
    const std::string renamed = WithCrLf(
        {"[A]", "MAIN,1,2", "-", "[Work]", "MAIN,3,4", "MAME,0,0,6345,4620", "-", "[C]", "-"});
    EXPECT_EQ(layouts(), renamed);

    // Its own name, and another layout's name: nothing changes and the dialog closes.
    for (const char* name : {"Work", "A"})
        withNameDialog("cmdRename", [&](QDialog& dialog) {
            Type(dialog, name);
            Find<QPushButton>(&dialog, "cmdRename")->click();
            EXPECT_FALSE(dialog.isVisible()) << name;
        });
    ASSERT_EQ(AskedTexts(*dialogs_), Lines{"Name already exist!"});
    EXPECT_EQ(items("cboListaLayout"), (Lines{"A", "C", "Work"}));
    EXPECT_EQ(layouts(), renamed);

    // Another layout, listed before the default: the default stays the layout it was.
    pick("A");
    withNameDialog("cmdRename", [&](QDialog& dialog) {
        Type(dialog, "First");
        Find<QPushButton>(&dialog, "cmdRename")->click();
    });
    EXPECT_EQ(shown(), "C, Work, First | First [] | default Work");

    // Closed, the options name the renamed layout; reopened, the lists follow the file.
    pressClose();
    EXPECT_EQ(ReadLayoutOptions(dir_ / "arvok.ini").defaultLayout, "Work");
    showManager();
    EXPECT_EQ(shown(), "First, Work, C | First [] | default Work");
}

TEST_F(LayoutManagerTest, AlwaysOnTopIsDroppedWhileTheNameDialogIsOpenAndRestoredAfter) {
    auto toldOnTop = [this] {
        return manager_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    };
    writeLayouts({"[A]", "-"});
    writeOptions(true, false, "");
    showManager();
    EXPECT_TRUE(ui<QCheckBox>("chkAlwaysOnTop")->isChecked());
    EXPECT_FALSE(ui<QCheckBox>("chkEnableAutoload")->isChecked());
    EXPECT_TRUE(toldOnTop());

    for (const char* button : {"cmdAdd", "cmdRename"}) {
        withNameDialog(button, [&](QDialog& dialog) {
            EXPECT_FALSE(toldOnTop()) << button;
            Find<QPushButton>(&dialog, "cmdCancel")->click();
        });
        EXPECT_TRUE(toldOnTop()) << button;
        EXPECT_TRUE(manager_->isVisible()) << button;
    }

    // Either way the manager stays the active window, where it was and at its size.
    manager_->activateWindow();
    QApplication::processEvents();
    const QRect frame = manager_->frameGeometry();
    for (bool onTop : {false, true, false}) {
        ui<QCheckBox>("chkAlwaysOnTop")->click();
        QApplication::processEvents();
        EXPECT_EQ(toldOnTop(), onTop);
        EXPECT_EQ(QApplication::activeWindow(), manager_) << onTop;
        EXPECT_EQ(manager_->frameGeometry(), frame) << onTop;
    }
    EXPECT_TRUE(manager_->isVisible());
    withNameDialog("cmdAdd", [](QDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(toldOnTop());

    // "Lays" again raises the manager that is open.
    Raises raises;
    manager_->installEventFilter(&raises);
    showManager();
    EXPECT_EQ(raises.count, 1);
}

TEST_F(LayoutManagerTest, CloseWritesTheOptionsAndOnlyClose) {
    const std::string ini = dir_ / "arvok.ini";
    showManager();
    EXPECT_TRUE(items("cboListaLayout").empty());
    pressClose();
    EXPECT_EQ(ReadBytes(ini), LayoutOptionsText({false, false, ""}));

    writeLayouts({"[A]", "-", "[B]", "-"});
    writeOptions(false, true, "B");
    showManager();
    ui<QCheckBox>("chkAlwaysOnTop")->click();
    ui<QCheckBox>("chkEnableAutoload")->click();
    EXPECT_FALSE(ui("cboListaLayout2")->isEnabled());
    EXPECT_EQ(current("cboListaLayout2"), "B");
    pressClose();
    EXPECT_EQ(ExistingLayoutManager(), nullptr);
    EXPECT_EQ(ReadBytes(ini), LayoutOptionsText({true, false, "B"}));

    // Closed by its frame, the manager leaves the file alone.
    showManager();
    ui<QCheckBox>("chkEnableAutoload")->click();
    manager_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ReadBytes(ini), LayoutOptionsText({true, false, "B"}));

    // A file that cannot be written is reported; the manager stays open with its options.
    chmod(ini.c_str(), 0444);
    showManager();
    ui<QCheckBox>("chkEnableAutoload")->click();
    pressClose();
    ASSERT_EQ(dialogs_->asked.size(), 1u);
    EXPECT_NE(dialogs_->asked[0].text.find(ini), std::string::npos);
    EXPECT_EQ(ExistingLayoutManager(), manager_);
    EXPECT_EQ(ReadBytes(ini), LayoutOptionsText({true, false, "B"}));
}

TEST_F(LayoutManagerTest, ALayoutsFileThatCannotBeReadIsNamedOnceAndTheOptionsStayAsTheyWere) {
    writeOptions(true, true, "B");
    const std::string ini = ReadBytes(dir_ / "arvok.ini");
    std::filesystem::create_directory(dir_ / "layouts.dat");
    for (int opening = 0; opening < 2; ++opening) {
        showManager();
        EXPECT_TRUE(ui<QCheckBox>("chkEnableAutoload")->isChecked());
        pressClose();
    }
    EXPECT_EQ(ReadBytes(dir_ / "arvok.ini"), ini);
    ASSERT_EQ(AskedTexts(*dialogs_), Lines{shown::Unreadable(dir_ / "layouts.dat")});
}

TEST_F(LayoutManagerTest, AnOptionsFileInUtf16IsNamedOnceNeverWrittenAndItsOptionsLastTheRun) {
    writeLayouts({"[A]", "-"});
    const std::string ini = dir_ / "arvok.ini";
    const std::string utf16("\xFF\xFE[\0L\0]\0", 8);
    WriteBytes(ini, utf16);
    for (bool onTop : {false, true}) {
        showManager();
        EXPECT_EQ(ui<QCheckBox>("chkAlwaysOnTop")->isChecked(), onTop);
        ui<QCheckBox>("chkAlwaysOnTop")->setChecked(true);
        pressClose();
    }
    EXPECT_EQ(ReadBytes(ini), utf16);
    EXPECT_EQ(AskedTexts(*dialogs_), Lines{shown::Unreadable(ini)});
}

TEST_F(LayoutManagerTest, EveryControlStandsAsDesigned) {
    showManager();
    EXPECT_EQ(ControlDifferences(manager_, "frmOptions.txt"), Lines{});
}

// Every item the combos of every window's settings and configuration pages offer shows whole
// once chosen.
TEST_F(LayoutManagerTest, EveryComboItemShowsWholeOnceChosen) {
    for (Emu emu : kAllEmus) {
        WriteDataFile(Section(emu).baseName, kMameGames);
        WriteCfg(emu, {"Galaga"});
        open(emu);
        for (const char* page : {"Settings", "Conf"})
            EXPECT_EQ(CutComboItems(find(ObjectName(emu, "pic", page).c_str())), Lines{}) << page;
    }
}

} // namespace
} // namespace arvok::test
