// The folder picker frmSelDir ("Choose Directory") and the program picker frmSelExe
// ("Emulator's Full Path"), shared by the five sections. A caller names the field the choice is
// for with a picker tag; on Select or Ok the picker writes the path into that field of the
// section window and saves the section's settings file, through the PickerTarget the window
// has registered. Cancelling, or closing the picker by its window frame, changes nothing, except
// that the recording mode ("*.inp") then unchecks MAME's Playback box.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <string_view>

#include "core/section.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;

namespace arvok {

// The fields the folder picker fills: the ROM folder ("<TAG>ROM"), MAME's alternative ROM
// folder ("MAMEROMALT"), the snapshot folder ("<TAG>SNAP") and the shown game's own ROM folder
// on the settings page ("<TAG>SETTINGS").
enum class FolderField { Rom, RomAlt, Snap, Settings };

struct FolderTag {
    Emu emu;
    FolderField field;
};
// The folder picker's tag of a field ("MAMEROM", "CALLUSSNAP", "M72SETTINGS" ...) and back;
// tags are compared exactly, case included, and only MAME has "ROMALT".
std::string FolderTagText(Emu emu, FolderField field);
std::optional<FolderTag> ParseFolderTag(std::string_view tag);

// The pattern that puts the program picker in MAME's recording mode.
inline constexpr const char* kRecordingPattern = "*.inp";

// True when "name" matches one of the ";"-separated wildcard patterns ("*" and "?"), letter
// case ignored: "*.zip", "pacman.zip;puckman.zip".
bool MatchesPattern(std::string_view name, std::string_view patterns);

// What a section window does with a picker's choice. The window registers itself for its
// section when it is created and removes itself (nullptr) when it goes away.
class PickerTarget {
public:
    virtual ~PickerTarget() = default;
    // Folder picker: the chosen folder goes into the field's text box.
    virtual void setPickedFolder(FolderField field, const std::string& folder) = 0;
    // Program picker: "program" (folder joined with the file) goes into txtOpt<Emu>ExePath,
    // "directory" (the folder) into the emulator directory lblOpt<Emu>Hide.
    virtual void setPickedProgram(const std::string& program, const std::string& directory) = 0;
    // Rewrites the section's settings file from the window; runs after either choice above.
    virtual void saveSettings() = 0;
    // MAME's recording mode: the chosen recording's file name without its folder goes into
    // lblHideInp; nothing is saved.
    virtual void setPickedRecording(const std::string& fileName);
    // MAME's recording mode cancelled: the window unchecks chkMamePlayback as a user would.
    virtual void recordingCancelled();
};

void RegisterPickerTarget(Emu emu, PickerTarget* target);
PickerTarget* PickerTargetFor(Emu emu);

// How a caller sets a picker up before showing it; every showing starts from these values.
struct FolderPickerRequest {
    std::string tag;               // lblSelDirHide: a folder tag
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

    QLabel* tag_;
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
    // Cancel, Escape and the window frame all end here.
    void reject() override;

private:
    void confirm() override;
};

// Shows a picker modally and returns when it has closed; the choice is then in the target.
void RunFolderPicker(const FolderPickerRequest& request, QWidget* parent = nullptr);
void RunProgramPicker(const ProgramPickerRequest& request, QWidget* parent = nullptr);
// Shows the program picker without waiting (the launches, when the program is missing); a
// program picker still open from an earlier call is closed as by Cancel first.
void ShowProgramPicker(const ProgramPickerRequest& request, QWidget* parent = nullptr);

} // namespace arvok
