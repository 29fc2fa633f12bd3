// The folder picker frmSelDir ("Choose Directory") and the program picker frmSelExe
// ("Emulator's Full Path"), shared by the five sections, and the pickers service on them. Select
// or Ok closes a picker with the open folder, or the chosen file, as its answer; Cancel, Escape
// and the window frame close it with none.
#pragma once

#include <QDialog>
#include <QPointer>
#include <string>
#include <string_view>

#include "platform/dialogs.h"

class QGridLayout;
class QLabel;
class QListWidget;

namespace arvok {

// True when "name" matches one of the ";"-separated wildcard patterns ("*" and "?"), letter
// case ignored: "*.zip", "pacman.zip;puckman.zip".
bool MatchesPattern(std::string_view name, std::string_view patterns);

// What the folder and program pickers share: the hidden tag, the folder list (double click or
// Enter opens a folder) beside the list of the open folder's files that match the pattern, the
// read-only pattern box, the button that confirms and cmdCancel ("Cancel").
class PathPicker : public QDialog {
    Q_OBJECT
public:
    // The open folder of the folder list.
    const std::string& folder() const { return folder_; }
    void setFolder(const std::string& folder);

protected:
    // The names of a picker's controls, and where its pattern box and buttons stand below the
    // two lists.
    struct Look {
        const char* window;
        const char* tag;
        const char* folders;
        const char* files;
        const char* patternBox;
        int patternColumn;
        const char* confirm;
        const char* confirmCaption;
        int buttonRow;
    };
    PathPicker(const Look& look, const std::string& caption, const std::string& tag,
               const std::string& pattern, QWidget* parent);
    // What the confirming button does.
    virtual void confirm() = 0;
    // Told how many files the file list shows, each time a folder is opened.
    virtual void listed(int files);

    QListWidget* folders_;
    QListWidget* files_;
    QGridLayout* grid_;
    std::string pattern_;

private:
    std::string folder_;
};

// frmSelDir: the folder list dirSelDir, the file list filSelDir, the count lblCount beside
// "Founds:", the pattern box txtPattern, cmdSeleziona ("Select") and cmdCancel ("Cancel").
class FolderPicker : public PathPicker {
    Q_OBJECT
public:
    explicit FolderPicker(const FolderPickerRequest& request, QWidget* parent = nullptr);

private:
    void confirm() override;
    void listed(int files) override;

    QLabel* count_;
};

// frmSelExe: the folder list dirSelExe, the file list filSelExe, the pattern box
// txtShowFiltri, cmdOk ("Ok") and cmdCancel ("Cancel"). Ok without a chosen file says
// "You must select a file!" and stays open.
class ProgramPicker : public PathPicker {
    Q_OBJECT
public:
    explicit ProgramPicker(const ProgramPickerRequest& request, QWidget* parent = nullptr);
    // The file chosen by Ok, in the folder open then.
    PickedProgram picked() const { return {folder(), file_}; }

private:
    void confirm() override;

    std::string file_;
};

// The pickers on these windows. The program picker shown without waiting (the launches, when
// the program is missing) closes one still open from an earlier call as by Cancel first.
class QtPickers : public Pickers {
public:
    std::optional<std::string> chooseFolder(const FolderPickerRequest& request,
                                            QWidget* parent) override;
    std::optional<PickedProgram> chooseProgram(const ProgramPickerRequest& request,
                                               QWidget* parent) override;
    void chooseProgramLater(const ProgramPickerRequest& request, QWidget* parent,
                            std::function<void(const PickedProgram&)> picked) override;

private:
    QPointer<ProgramPicker> later_;
};

} // namespace arvok
