#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "platform/dialogs.h"
#include "shell/pickers.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::TempDir;
using test::WriteBytes;

void EnsureApp() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "pickers_test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// Records what the pickers hand to a section window, in order.
class FakeTarget : public PickerTarget {
public:
    void setPickedFolder(FolderField field, const std::string& folder) override {
        calls.push_back("folder " + std::to_string(static_cast<int>(field)) + " " + folder);
    }
    void setPickedProgram(const std::string& program, const std::string& directory) override {
        calls.push_back("program " + program + " " + directory);
    }
    void saveSettings() override { calls.push_back("save"); }
    void setPickedRecording(const std::string& fileName) override {
        calls.push_back("recording " + fileName);
    }
    void recordingCancelled() override { calls.push_back("playback off"); }

    std::vector<std::string> calls;
};

std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->text().trimmed().toStdString());
    return out;
}

template <class T> T* Find(const QWidget& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Opens a folder of a folder list as the user does: the item made current, then Enter.
void OpenFolder(const QWidget& picker, const char* list, const std::string& name) {
    auto* folders = Find<QListWidget>(picker, list);
    auto found = folders->findItems(QString::fromStdString(name), Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1) << name;
    folders->setCurrentItem(found.front());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(folders, &enter);
}

void ChooseFile(const QWidget& picker, const std::string& name) {
    auto* files = Find<QListWidget>(picker, "filSelExe");
    auto found = files->findItems(QString::fromStdString(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    files->setCurrentItem(found.front());
}

void Click(const QWidget& picker, const char* button) {
    Find<QPushButton>(picker, button)->click();
}

class PickersTest : public ::testing::Test {
protected:
    PickersTest() {
        EnsureApp();
        Shared().DirInst = dir / "inst";
        WriteBytes(dir / "inst/arvok.ini", "");
        for (Emu emu : kAllEmus)
            RegisterPickerTarget(emu, emu == Emu::Callus ? &callus : &mame);
        asked = &InstallScriptedDialogs();
    }
    ~PickersTest() override {
        for (Emu emu : kAllEmus)
            RegisterPickerTarget(emu, nullptr);
    }

    TempDir dir;
    FakeTarget mame, callus;
    ScriptedDialogs* asked = nullptr;
};

TEST_F(PickersTest, FolderPickerListsMatchingFilesAndStoresTheOpenFolder) {
    WriteBytes(dir / "roms/pacman.zip", "z");
    WriteBytes(dir / "roms/GALAGA.ZIP", "z");
    WriteBytes(dir / "roms/readme.txt", "t");
    WriteBytes(dir / "roms/.hidden.zip", "z");
    WriteBytes(dir / "roms/Neo/neogeo.zip", "z");
    WriteBytes(dir / "roms/empty/readme.txt", "t");

    FolderPicker picker({"CALLUSROM", "*.zip", "Choose Directory", dir / "roms"});
    EXPECT_EQ(picker.windowTitle(), "Choose Directory");
    EXPECT_EQ(Find<QLabel>(picker, "Label1")->text(), "Founds:");
    EXPECT_EQ(Find<QLabel>(picker, "lblCount")->text(), "2");
    EXPECT_EQ(Items(Find<QListWidget>(picker, "filSelDir")),
              (std::vector<std::string>{"GALAGA.ZIP", "pacman.zip"}));
    EXPECT_EQ(Find<QLineEdit>(picker, "txtPattern")->text(), "*.zip");

    OpenFolder(picker, "dirSelDir", "empty");
    EXPECT_EQ(Find<QLabel>(picker, "lblCount")->text(), "0");
    OpenFolder(picker, "dirSelDir", "roms");
    EXPECT_EQ(Find<QLabel>(picker, "lblCount")->text(), "2");
    OpenFolder(picker, "dirSelDir", "Neo");
    EXPECT_EQ(Find<QLabel>(picker, "lblCount")->text(), "1");

    Click(picker, "cmdSeleziona");
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(callus.calls, (std::vector<std::string>{"folder 0 " + dir / "roms/Neo", "save"}));
    EXPECT_TRUE(mame.calls.empty());
}

TEST_F(PickersTest, FolderPickerStartsWhereTheCallerPointsOrAtTheInstallation) {
    WriteBytes(dir / "snaps/pacman.gif", "g");
    WriteBytes(dir / "snaps/pacman.jpg", "j");
    WriteBytes(dir / "inst/Cfg/Mame.cfg", "c");

    // Confirming without moving stores the start folder.
    FolderPicker snaps({"MAMESNAP", "*.gif", "Choose Directory", dir / "snaps/"});
    EXPECT_EQ(Items(Find<QListWidget>(snaps, "filSelDir")), std::vector<std::string>{"pacman.gif"});
    Click(snaps, "cmdSeleziona");
    EXPECT_EQ(mame.calls, (std::vector<std::string>{"folder 2 " + dir / "snaps", "save"}));

    mame.calls.clear();
    FolderPicker alt({"MAMEROMALT", "*.zip", "x", "C:\\Emu\\Mame\\Roms"});
    Click(alt, "cmdSeleziona");
    EXPECT_EQ(mame.calls, (std::vector<std::string>{"folder 1 " + dir / "inst", "save"}));

    // The game's own zip and its parent's.
    WriteBytes(dir / "roms/mspacman.zip", "z");
    WriteBytes(dir / "roms/puckman.zip", "z");
    WriteBytes(dir / "roms/galaga.zip", "z");
    FolderPicker game({"MAMESETTINGS", "mspacman.zip;puckman.zip",
                       "Search Rom for Ms. Pac-Man (mspacman.zip;puckman.zip)", dir / "roms"});
    EXPECT_EQ(Find<QLabel>(game, "lblCount")->text(), "2");
}

TEST_F(PickersTest, FolderPickerCancelledOrClosedOrWithAForeignTagChangesNothing) {
    FolderPicker cancelled({"MAMEROM", "*.zip", "x", dir.path()});
    Click(cancelled, "cmdCancel");

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    RunFolderPicker({"MAMEROM", "*.zip", "x", dir.path()});

    for (const char* tag : {"mamerom", "CALLUSROMALT", "MAME", "MAMEROM "}) {
        FolderPicker foreign({tag, "*.zip", "x", dir.path()});
        Click(foreign, "cmdSeleziona");
        EXPECT_FALSE(foreign.isVisible());
    }
    EXPECT_TRUE(mame.calls.empty());
    EXPECT_TRUE(callus.calls.empty());
}

TEST_F(PickersTest, ProgramPickerStoresProgramAndFolderOnlyAfterAFileIsChosen) {
    WriteBytes(dir / "emu/callus/callus", "x");
    WriteBytes(dir / "emu/callus/readme", "x");

    ProgramPickerRequest request;
    request.tag = "CALLUS";
    request.startDir = dir / "emu";
    ProgramPicker picker(request);
    picker.show();
    EXPECT_EQ(picker.windowTitle(), "Emulator's Full Path");
    OpenFolder(picker, "dirSelExe", "callus");

    Click(picker, "cmdOk");
    ASSERT_EQ(asked->asked.size(), 1u);
    EXPECT_EQ(asked->asked[0].text, "You must select a file!");
    EXPECT_EQ(asked->asked[0].style, MsgStyle::Information);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(Find<QLabel>(picker, "lblSelExeHide")->text(), "CALLUS");

    ChooseFile(picker, "callus");
    Click(picker, "cmdOk");
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(callus.calls,
              (std::vector<std::string>{
                  "program " + dir / "emu/callus/callus" + " " + dir / "emu/callus", "save"}));

    // A tag that names no section closes the picker and nothing else.
    request.tag = "Callus";
    ProgramPicker foreign(request);
    Click(foreign, "cmdOk");
    EXPECT_EQ(asked->asked.size(), 1u);
    EXPECT_EQ(callus.calls.size(), 2u);
}

TEST_F(PickersTest, RecordingModeStoresTheFileNameAndCancellingUnchecksPlayback) {
    WriteBytes(dir / "mame/INP/pacman.inp", "r");
    WriteBytes(dir / "mame/INP/notes.txt", "t");
    WriteBytes(dir / "mame/INP/old/galaga.inp", "r");
    ProgramPickerRequest request;
    request.tag = "MAME";
    request.pattern = kRecordingPattern;
    request.caption = "Choose the INP file";
    request.startDir = dir / "mame/INP";
    request.lockFolder = true;

    ProgramPicker picker(request);
    EXPECT_FALSE(Find<QListWidget>(picker, "dirSelExe")->isEnabled());
    EXPECT_EQ(Items(Find<QListWidget>(picker, "filSelExe")),
              std::vector<std::string>{"pacman.inp"});
    ChooseFile(picker, "pacman.inp");
    Click(picker, "cmdOk");
    EXPECT_EQ(mame.calls, std::vector<std::string>{"recording pacman.inp"});

    mame.calls.clear();
    ProgramPicker cancelled(request);
    Click(cancelled, "cmdCancel");
    EXPECT_EQ(mame.calls, std::vector<std::string>{"playback off"});

    // Closed by its window frame: the same as Cancel.
    mame.calls.clear();
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    RunProgramPicker(request);
    EXPECT_EQ(mame.calls, std::vector<std::string>{"playback off"});

    // A program picker closed by its frame stores nothing.
    mame.calls.clear();
    request.pattern = DefaultProgramPattern();
    ShowProgramPicker(request);
    QWidget* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmSelExe" && w->isVisible())
            shown = w;
    ASSERT_NE(shown, nullptr);
    shown->close();
    EXPECT_TRUE(mame.calls.empty());
}

TEST(PickerTags, FolderTagsAreExactAndRomAltIsMameOnly) {
    EXPECT_EQ(FolderTagText(Emu::System16, FolderField::Settings), "SYSTEM16SETTINGS");
    auto tag = ParseFolderTag("M72SNAP");
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->emu, Emu::M72);
    EXPECT_EQ(tag->field, FolderField::Snap);
    EXPECT_TRUE(ParseFolderTag("MAMEROMALT"));
    EXPECT_FALSE(ParseFolderTag("RAINEROMALT"));
    EXPECT_FALSE(ParseFolderTag("raineRom"));
    EXPECT_FALSE(ParseFolderTag("RAINE"));
}

TEST(PickerPatterns, WildcardsAndListsMatchWithoutRegardToCase) {
    EXPECT_TRUE(MatchesPattern("PACMAN.ZIP", "*.zip"));
    EXPECT_FALSE(MatchesPattern("pacman.zip.bak", "*.zip"));
    EXPECT_TRUE(MatchesPattern("puckman.zip", "mspacman.zip;puckman.zip"));
    EXPECT_FALSE(MatchesPattern("xmspacman.zip", "mspacman.zip;puckman.zip"));
    EXPECT_TRUE(MatchesPattern("a1.gif", "a?.gif"));
    EXPECT_FALSE(MatchesPattern("a12.gif", "a?.gif"));
    EXPECT_TRUE(MatchesPattern("anything", ""));
}

} // namespace
} // namespace arvok
