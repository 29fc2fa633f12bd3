// Every message box and question of the program goes through one service, so that tests can
// script the answers and see what was asked; the folder and program pickers through another,
// which answers with what was picked.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace arvok {

// Message-box styles by their numeric values.
enum class MsgStyle { Warning = 48, WarningYesNo = 52, Information = 64 };
enum class Answer { Ok = 1, Yes = 6, No = 7 };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows "text" (CR breaks lines) and waits for the answer. The title is the program's
    // name and version unless one is given.
    virtual Answer message(const std::string& text, MsgStyle style,
                           const std::string& title = {}) = 0;
};

// The service in force; a Qt one is installed by main, a scripted one by tests. While the
// program is ending on a signal, none of them: every message goes to standard error, each line of
// it a line there, and is answered Ok, or No to a question.
Dialogs& dialogs();
void SetDialogs(std::unique_ptr<Dialogs> service);

// Records every message and gives the prepared answers in order; with none prepared it answers
// Ok, or No to a question.
class ScriptedDialogs : public Dialogs {
public:
    struct Asked {
        std::string text;
        MsgStyle style;
        std::string title; // empty for the program's own title
    };
    Answer message(const std::string& text, MsgStyle style, const std::string& title = {}) override;

    std::vector<Asked> asked;
    std::deque<Answer> answers;
    // Runs as each message is asked, before it is answered: what the windows show meanwhile.
    std::function<void()> whenAsked;
};

// Installs a fresh ScriptedDialogs and returns it.
ScriptedDialogs& InstallScriptedDialogs();

// How a caller sets a picker up before showing it; every showing starts from these values.
struct FolderPickerRequest {
    std::string tag;               // lblSelDirHide: the field the folder is for ("MAMEROM" ...)
    std::string pattern = "*.zip"; // filSelDir and txtPattern
    std::string caption = "Choose Directory";
    std::string startDir; // dirSelDir; when it is no folder, DirInst
};

struct ProgramPickerRequest {
    std::string tag;           // lblSelExeHide: the bare section tag ("MAME" ...)
    std::string pattern = "*"; // filSelExe and txtShowFiltri: every file
    std::string caption = "Emulator's Full Path";
    std::string startDir;    // dirSelExe; when it is no folder, DirInst
    bool lockFolder = false; // the folder list is disabled
};

// The file chosen in the program picker, without its folder, and the folder it lies in.
struct PickedProgram {
    std::string folder;
    std::string file;
};

// The folder picker and the program picker. Each answers what was picked, or nothing when it
// was cancelled or closed by its window's frame; the caller keeps the answer where it belongs.
class Pickers {
public:
    virtual ~Pickers() = default;
    // Shown modal over "parent".
    virtual std::optional<std::string> chooseFolder(const FolderPickerRequest& request,
                                                    QWidget* parent) = 0;
    virtual std::optional<PickedProgram> chooseProgram(const ProgramPickerRequest& request,
                                                       QWidget* parent) = 0;
    // The program picker shown without waiting: "picked" hears the choice if one is made.
    virtual void chooseProgramLater(const ProgramPickerRequest& request, QWidget* parent,
                                    std::function<void(const PickedProgram&)> picked) = 0;
};

// The pickers in force: the picker windows, installed by main and by the tests that open them;
// while none is installed every picker answers nothing.
void SetPickers(std::unique_ptr<Pickers> service);
std::optional<std::string> ChooseFolder(const FolderPickerRequest& request, QWidget* parent);
std::optional<PickedProgram> ChooseProgram(const ProgramPickerRequest& request, QWidget* parent);
void ChooseProgramLater(const ProgramPickerRequest& request, QWidget* parent,
                        std::function<void(const PickedProgram&)> picked);

} // namespace arvok
