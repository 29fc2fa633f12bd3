// The per-game settings page of a section window (pic<Emu>Settings): the game's own ROM folder
// with its picker and "Def.", a control for every option of the section's settings table placed
// by its design row, the rules that enable one control by a check box, Record and Playback, and
// "All".
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/section.h"
#include "platform/qt/controls.h"
#include "settings/game_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace arvok {

class ConfPage;
class Installation;
struct GameOptions;
struct RomFolderRequest;
struct SettingControl;

class SettingsPage : public QWidget {
public:
    // "conf" gives the section's ROM folder, which a page without a record of its own follows,
    // and the emulator's folder; "browseRomFolder" answers the ROM folder's picker button;
    // "saveSettingsFile" rewrites the section's settings file after a ROM folder is picked.
    SettingsPage(Emu emu, Installation& installation, ConfPage& conf, QWidget* window,
                 std::function<void()> browseRomFolder, std::function<void()> saveSettingsFile);

    // The defaults the window's load puts in.
    void setDefaults();
    // Shows the settings stored for "key" (a record of its own, the defaults or the built-in
    // ones) and says which.
    SettingsSource load(const std::string& key);
    // As the Settings button shows a game: a stored record without a ROM folder shows the
    // configuration page's.
    void loadShown(const std::string& key);
    // Stores the page under the game it was loaded for, never another one; nothing is stored
    // before a load, nor for a game without a record of its own while the page holds what was
    // filled in for it. False when it could not be stored.
    bool save();
    // The game whose settings the page was last loaded for; empty before a load.
    const std::string& loadedKey() const { return loadedKey_; }
    // The page as a launch passes it on.
    void launchOptions(GameOptions& options) const;
    // The game's own ROM folder as the page holds it.
    std::string romFolder() const;

    // The game's ROM-folder picker: the folder picked becomes the game's ROM folder.
    void openRomFolderPicker(const RomFolderRequest& request);

private:
    // A control of the settings table, built with its design row's place, caption and tooltips.
    using OptionControl = std::variant<QComboBox*, QCheckBox*, QLineEdit*>;
    OptionControl addOption(const GameOption& option);
    QCheckBox* addCheck(const std::string& name);
    const SettingControl* place(QWidget* control, const std::string& name, int height);
    void placeLabelled(QWidget* control, const std::string& name);
    // The control of the option named "name" when it is a W; nullptr otherwise.
    template <class W> W* optionControl(const char* name) const;
    void applyFields(const SettingsFields& fields, SettingsSource source);
    // The page as filled in; "followsSection" when its ROM folder is the section's.
    void filledIn(bool followsSection);
    void followSectionRomFolder();
    SettingsFields readFields() const;
    Handler handlerOf(QWidget* control);
    void applyToAll();
    void onPlaybackClicked();
    void onRecordClicked();
    void showRecordLook();
    void onSkipEdited(QLineEdit* edit);
    void applyEnableRules();

    Emu emu_;
    Installation& installation_;
    ConfPage& conf_;
    std::function<void()> saveSettingsFile_;
    std::string loadedKey_;
    // What the page held once filled in for loadedKey_.
    SettingsFields filled_;
    bool followsSection_ = false;
    // Slot 0 is the ROM folder, slot k the control of option k.
    QLineEdit* romFolder_ = nullptr;
    std::vector<OptionControl> slotControls_;
    std::vector<QCheckBox*> clearedByDefaults_;
    QCheckBox* playback_ = nullptr;
    QCheckBox* record_ = nullptr;
    QLabel* hideInp_ = nullptr;  // lblHideInp
    QComboBox* gated_ = nullptr; // SectionDesign::gatedCombo
    // Check box and the control it enables (SectionDesign::enableRules).
    std::vector<std::pair<QCheckBox*, QWidget*>> enableRules_;
};

} // namespace arvok
