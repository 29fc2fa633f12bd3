#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "platform/path.h"
#include "shell/forms.h"
#include "shell/pickers.h"
#include "support/control_table.h"
#include "support/shown_texts.h"
#include "support/test_support.h"
#include "support/widgets.h"

namespace arvok {
namespace {

using test::Find;
using test::TempDir;
using test::WriteBytes;
using Lines = std::vector<std::string>;

Lines Items(const QListWidget* list) {
    Lines out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->text().trimmed().toStdString());
    return out;
}

// Opens a folder of a folder list as the user does: the item made current, then Enter.
void OpenFolder(const QWidget& picker, const char* list, const std::string& name) {
    auto* folders = Find<QListWidget>(&picker, list);
    auto found = folders->findItems(QString::fromStdString(name), Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1) << name;
    folders->setCurrentItem(found.front());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(folders, &enter);
}

void ChooseFile(const QWidget& picker, const std::string& name) {
    auto* files = Find<QListWidget>(&picker, "filSelExe");
    auto found = files->findItems(QString::fromStdString(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    files->setCurrentItem(found.front());
}

void Click(const QWidget& picker, const char* button) {
    Find<QPushButton>(&picker, button)->click();
}

class PickersTest : public ::testing::Test {
protected:
    PickersTest() {
        WriteBytes(dir / "inst/arvok.ini", "");
        asked = &InstallScriptedDialogs();
        SetPickers(std::make_unique<QtPickers>());
    }

    TempDir dir;
    Installation installation{dir / "inst"};
    Forms forms{installation};
    ScriptedDialogs* asked = nullptr;
};

// The folder a picker answers when its Select is clicked.
std::string Selected(FolderPicker& picker) {
    Click(picker, "cmdSeleziona");
    return picker.result() == QDialog::Accepted ? picker.folder() : "<none>";
}

TEST_F(PickersTest, FolderPickerListsMatchingFilesAndAnswersTheOpenFolder) {
    for (const char* file :
         {"bosco.zip", "pacman.zip", "GALAGA.ZIP", "readme.txt", ".hidden.zip", ".old/galaga.zip",
          "Néo/neogeo.zip", "Néo/a set whose name runs on past the list.zip", "empty/readme.txt"})
        WriteBytes(dir / ("roms/" + std::string(file)), "z");

    FolderPicker own({"MAMESETTINGS", "mspacman.zip;pacman.zip", "x", dir / "roms"});
    EXPECT_EQ(Find(&own, "lblCount")->text(), "1");

    FolderPicker picker({"CALLUSROM", "*.zip", "Choose Directory", dir / "roms/empty"});
    EXPECT_EQ(test::ControlDifferences(&picker, "frmSelDir.txt"), Lines{});
    OpenFolder(picker, "dirSelDir", "roms");
    EXPECT_EQ(Find(&picker, "lblCount")->text(), "3");
    // In alphabetical order without regard to case, whatever order the folder lists them in.
    const Lines zips{"bosco.zip", "GALAGA.ZIP", "pacman.zip"};
    const Lines listed = ListPresentFiles(dir / "roms");
    ASSERT_GT(std::find(listed.begin(), listed.end(), "bosco.zip"),
              std::find(listed.begin(), listed.end(), "pacman.zip"));
    EXPECT_EQ(Items(Find<QListWidget>(&picker, "filSelDir")), zips);
    for (auto [folder, count] : {std::pair{"empty", "0"}, {"roms", "3"}, {"Néo", "2"}}) {
        OpenFolder(picker, "dirSelDir", folder);
        EXPECT_EQ(Find(&picker, "lblCount")->text(), count) << folder;
    }
    OpenFolder(picker, "dirSelDir", "roms");
    auto* folders = Find<QListWidget>(&picker, "dirSelDir");
    // A folder gone from the disk meanwhile leaves the picker where it was.
    std::filesystem::remove_all(dir / "roms/empty");
    OpenFolder(picker, "dirSelDir", "empty");
    EXPECT_EQ(folders->currentItem()->text().trimmed(), "roms");
    OpenFolder(picker, "dirSelDir", "Néo");

    EXPECT_EQ(Selected(picker), dir / "roms/Néo");
}

TEST_F(PickersTest, FolderPickerStartsWhereTheCallerPointsOrAtTheInstallation) {
    // Confirming without moving stores the start folder; a folder that does not exist here
    // starts the picker at the installation directory.
    WriteBytes(dir / "roms/pacman.zip", "z");
    // The folders above it are listed from the root "/" down, and the root picked is "/".
    FolderPicker snaps({"MAMESNAP", "*.gif", "Choose Directory", dir / "roms/"});
    EXPECT_EQ(Items(Find<QListWidget>(&snaps, "dirSelDir")).front(), "/");
    FolderPicker alt({"MAMEROMALT", "*.zip", "x", "C:\\Emu\\Mame\\Roms"});
    FolderPicker root({"MAMESNAP", "*.gif", "x", "/"});
    EXPECT_EQ((Lines{Selected(snaps), Selected(alt), Selected(root)}),
              (Lines{dir / "roms", dir / "inst", "/"}));
}

TEST_F(PickersTest, FolderPickerCancelledOrClosedAnswersNothing) {
    const FolderPickerRequest request{"MAMEROM", "*.zip", "x", dir.path()};
    QTimer::singleShot(0, [] { Click(*QApplication::activeModalWidget(), "cmdCancel"); });
    EXPECT_EQ(ChooseFolder(request, nullptr), std::nullopt);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(ChooseFolder(request, nullptr), std::nullopt);

    // One that the test does not answer fails it at once, by its title, and is cancelled.
    const FolderPickerRequest unanswered{"MAMEROM", "*.zip", "Search Rom for Nobody", dir.path()};
    EXPECT_NONFATAL_FAILURE(ChooseFolder(unanswered, nullptr), "\"Search Rom for Nobody\"");
}

TEST_F(PickersTest, ProgramPickerAnswersOnlyAfterAFileIsChosen) {
    WriteBytes(dir / "emu/callus/callus", "x");
    WriteBytes(dir / "emu/callus/readme", "x");

    ProgramPickerRequest request;
    request.tag = "CALLUS";
    request.startDir = dir / "emu";
    ProgramPicker picker(request);
    EXPECT_EQ(test::ControlDifferences(&picker, "frmSelExe.txt"), Lines{});
    picker.show();
    OpenFolder(picker, "dirSelExe", "callus");

    // A file that only has the focus, as the list gives its first one, is not chosen.
    Find<QListWidget>(&picker, "filSelExe")->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    Click(picker, "cmdOk");
    ASSERT_EQ(test::AskedTexts(*asked), Lines{"You must select a file!"});
    EXPECT_EQ(test::MessageDifferences(*asked), Lines{});
    EXPECT_TRUE(picker.isVisible());

    ChooseFile(picker, "callus");
    Click(picker, "cmdOk");
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ((Lines{picker.picked().folder, picker.picked().file}),
              (Lines{dir / "emu/callus", "callus"}));
}

TEST_F(PickersTest, ARecordingsPickerListsOnlyRecordings) {
    WriteBytes(dir / "mame/INP/pacman.inp", "r");
    WriteBytes(dir / "mame/INP/notes.txt", "t");
    ProgramPicker picker({"MAME", "*.inp", "Choose the INP file", dir / "mame/INP", true});
    EXPECT_EQ(Items(Find<QListWidget>(&picker, "filSelExe")), Lines{"pacman.inp"});
}

} // namespace
} // namespace arvok
