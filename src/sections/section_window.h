// The window of an emulator section (frmMame, frmCallus ...): its frame with the title, the size
// buttons and the buttons of the five pages, the lists (game_lists.h) and the pages, each a class
// of its own (snapshot, per-game settings, information, help, configuration); the window shows a
// game on the page that is visible, saves and starts the emulator. One class serves all five
// sections; what differs comes from the section's design row (section_design.h), its settings
// table and its filter items.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "core/section.h"
#include "platform/folder_listing.h"
#include "settings/emulator_cfg.h"

class QLabel;

namespace arvok {

class ClickLabel;
class ConfPage;
class GameLists;
class HelpPage;
class InfoPage;
class Installation;
class SettingsPage;
class SnapshotPage;
struct RomLookup;
struct SectionDesign;

enum class Page { Snap, Settings, Info, Help, Conf };

class SectionWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window hidden and runs its load: the settings file, the favourites layout,
    // docking beside the launcher, the counts, the per-game page's defaults, the filters on
    // their first items and the game total.
    SectionWindow(Emu emu, Installation& installation);
    Emu emu() const { return emu_; }
    Installation& installation() { return installation_; }

    // The window's public members.
    std::string DirSnap;                  // the snapshot directory
    std::string RomSel;                   // ROM set of the game last looked up
    std::string CloneOf;                  // its parent set ("-" for none)
    int SnapDelay = kDefaultSlideDelayMs; // slide-show delay in milliseconds

    // Opening the section: the game list refilled with every game of the section and the filter
    // combos put on their neutral items, then the first favourite or else the first game
    // selected and shown.
    void fillGameList();
    void selectFirstGame();
    // Shows one page; the snapshot picture's own visible flag is set for the snapshot page and
    // cleared for the others.
    void showPage(Page page);
    // Turns to the configuration page while the snapshot picture keeps its visible flag, so
    // that a game chosen there is still looked up and becomes the game in hand.
    void showConfigurationPage();
    Page visiblePage() const;

    // The selected-game display: shows "title" on the page that is visible.
    void ShowGameDetail(const std::string& title);
    // The game in hand: the caption of lbl<Emu>RomSettings.
    std::string romSettingsKey() const;

    // Rewrites the section's settings file from the window (Save<Emu>Cfg).
    void SaveCfg();
    // What closing the window and quitting the program save: the settings file and the per-game
    // settings of the game whose settings the page holds.
    void saveAll();
    // The close button: saves, marks the section closed and unloads the window.
    void closeSection();
    // Docks at the launcher's top and its left edge + 3450 twips.
    void dock();
    // Applies the favourites layout held in lbl<Emu>Ridimen.
    void Ridimen();

    // The configuration and per-game settings pages, as the launch asks them.
    ConfPage& confPage() { return *conf_; }
    SettingsPage& settingsPage() { return *settings_; }
    FolderListings& romFolders() { return romFolders_; }
    // Keeps a found game's set and parent; drops a missing game from the favourites when it is
    // the selected one and the data file holds records.
    void takeLookup(const std::string& game, const RomLookup& result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Building.
    void buildFrame();
    void buildPages();
    void load();
    void loadCfg();

    // Sizes and the favourites layout.
    void setSize(int width, int height);
    void applyUpLayout();
    void applyDownLayout(int listLeft, int genreLeft);
    void toggleLayout();
    void setShort();
    void setMiddle();

    // Page buttons.
    void onSnapButton();
    void onSettingsButton();
    void onLeaveButton(Page page);

    // Lookups and the launch.
    bool lookup(const std::string& game);
    void browseGameRomFolder();
    void launch(const std::string& game);

    Emu emu_;
    Installation& installation_;
    const SectionDesign& design_;
    std::string base_;

    // Frame.
    ClickLabel* title_ = nullptr;
    std::array<ClickLabel*, 5> pageButtons_{};
    std::array<QWidget*, 5> pages_{};
    ClickLabel* ridimen_ = nullptr;
    QLabel* ridimenWord_ = nullptr; // lbl<Emu>Ridimen: "up" or "down"
    QLabel* romSettings_ = nullptr; // lbl<Emu>RomSettings
    SnapshotPage* snapPage_ = nullptr;

    GameLists* lists_ = nullptr;
    InfoPage* info_ = nullptr;
    HelpPage* help_ = nullptr;
    ConfPage* conf_ = nullptr;
    SettingsPage* settings_ = nullptr;
    FolderListings romFolders_;
};

} // namespace arvok
