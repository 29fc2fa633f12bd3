// The configuration page of a section window (pic<Emu>Conf): the program, ROM and snapshot paths
// with their pickers, the snapshot format, the ROM scan and the slide-show options. The page keeps
// each control it needs as it builds it.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "core/section.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace arvok {

class Installation;
struct EmulatorCfg;
struct PickedProgram;
struct SnapOptions;
enum class StoredPath;

class ConfPage : public QWidget {
public:
    // "delayChosen" hears the slide-show delay, in milliseconds, whenever a delay is chosen;
    // "saveSettingsFile" rewrites the section's settings file after each choice in a picker.
    ConfPage(Emu emu, Installation& installation, QWidget* window,
             std::function<void(int)> delayChosen, std::function<void()> saveSettingsFile);

    // The paths as the page holds them.
    std::string exePath() const;
    std::string emulatorDir() const; // lblOpt<Emu>Hide
    std::string romPath() const;
    std::string altRomPath() const; // empty in a section without a second ROM folder
    std::string snapPath() const;
    // The ROM path's text, as the per-game page's "Def." copies it.
    QString romPathText() const;
    // The ROM path is the section's ROM folder from the moment it changes; "changed" hears it
    // after that.
    void whenRomPathChanges(std::function<void()> changed);
    // The snapshot format and slide-show options, into "options".
    void snapOptions(SnapOptions& options) const;

    // The page from a settings file that could be read ("cfg.read"); the slide-show delay is
    // chosen from it in any case.
    void load(const EmulatorCfg& cfg);
    // The page's part of the settings file.
    void store(EmulatorCfg& cfg) const;

    // The program picker, modal or not, opened in the program's folder.
    void openProgramPicker(bool modal);

private:
    void onNoSlideClicked();
    void onSlideDelayChosen();
    // The folder picker of a folder field, its hidden label the section's tag and "tagSuffix".
    void browseFolder(QLineEdit* edit, StoredPath which, const char* tagSuffix);
    // The program picked goes into txtOpt<Emu>ExePath, its folder into lblOpt<Emu>Hide.
    void takeProgram(const PickedProgram& picked);
    void scanNow();

    Emu emu_;
    Installation& installation_;
    std::function<void(int)> delayChosen_;
    std::function<void()> saveSettingsFile_;
    std::function<void()> romPathChanged_;
    QLineEdit* exePath_ = nullptr;
    QLabel* emuDir_ = nullptr;
    QLineEdit* romPath_ = nullptr;
    QLineEdit* romPathAlt_ = nullptr;
    QLineEdit* snapPath_ = nullptr;
    QRadioButton* snapGif_ = nullptr;
    QRadioButton* snapJpg_ = nullptr;
    QRadioButton* snapBmp_ = nullptr;
    QRadioButton* merged_ = nullptr;
    QCheckBox* noSlide_ = nullptr;
    QCheckBox* showCounter_ = nullptr;
    QComboBox* slideDelay_ = nullptr;
};

} // namespace arvok
