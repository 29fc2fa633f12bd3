// The window of an emulator section (frmMame, frmCallus ...): the favourites list, the five pages
// (snapshot, per-game settings, information, help, configuration) with the buttons that switch
// them, the filter combos and the game list. One class serves all five sections; what differs
// comes from the section's design row (section_design.h), its settings table and its filter
// items.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/section.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace arvok {

class ClickLabel;
class ConfPage;
class GameListView;
class HelpPage;
class InfoPage;
class NameListModel;
class PickerTarget;
class SettingsPage;
class SnapshotPage;
struct RomLookup;
struct SectionDesign;
enum class FolderField;

enum class Page { Snap, Settings, Info, Help, Conf };

class SectionWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window hidden and runs its load: the settings file, the favourites layout,
    // docking beside the launcher, the counts, the per-game page's defaults, the filters on
    // their first items and the game total.
    explicit SectionWindow(Emu emu);
    ~SectionWindow() override;
    Emu emu() const { return emu_; }

    // The window's public members.
    std::string DirSnap;  // the snapshot directory
    std::string RomSel;   // ROM set of the game last looked up
    std::string CloneOf;  // its parent set ("-" for none)
    bool NeoGeo = false;  // MAME: the parent set last asked about is no original
    int SnapDelay = 1500; // slide-show delay in milliseconds

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
    // Keeps a found game's set and parent; drops a missing game from the favourites when it is
    // the selected one and the data file holds records.
    void takeLookup(const std::string& game, const RomLookup& result);

    // What the pickers write back (the window is its section's picker target).
    void setPickedFolder(FolderField field, const std::string& folder);
    void setPickedProgram(const std::string& program, const std::string& directory);
    void setPickedRecording(const std::string& fileName);
    void recordingCancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Building.
    void buildFrame();
    void buildLists();
    void buildFilters();
    void buildPages();
    void load();
    void loadCfg();
    void readGameTotal();

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

    // Lists, favourites and the launch.
    std::string romText() const;
    std::string prefText() const;
    void selectRomRow(int row);
    void selectPrefRow(int row);
    void onRomSelected();
    void onPrefSelected();
    void launch(const std::string& game);
    void onPrefKey(int key);
    void removeFavourite(int row);
    void dropOnFavourites();
    void clearFavourites();
    void updateFavCount();
    void showFavShare();
    void updateRomCount();
    bool lookup(const std::string& game);
    void browseGameRomFolder();
    bool listEvent(QObject* watched, QEvent* event);

    // Filters.
    void onFilterChosen(int combo);
    void resetFilters();
    void neutralFilters();
    void colourFilter(int combo);

    Emu emu_;
    const SectionDesign& design_;
    std::string base_;
    bool filterBusy_ = false; // lblFilter<Emu>Hide reads "FREE"
    std::unique_ptr<PickerTarget> pickerTarget_;
    // The list and game shown last from a list, so that a click on the current entry of the
    // other list shows that entry again.
    struct ShownFrom {
        const QObject* list = nullptr;
        std::string game;
        bool operator!=(const ShownFrom& o) const { return list != o.list || game != o.game; }
    };
    ShownFrom lastShown_;

    // Frame.
    ClickLabel* title_ = nullptr;
    std::array<ClickLabel*, 5> pageButtons_{};
    std::array<QWidget*, 5> pages_{};
    ClickLabel* ridimen_ = nullptr;
    QLabel* ridimenWord_ = nullptr; // lbl<Emu>Ridimen: "up" or "down"
    QLabel* romSettings_ = nullptr; // lbl<Emu>RomSettings
    QLabel* total_ = nullptr;
    QLabel* romCount_ = nullptr;
    QLabel* favCount_ = nullptr;
    SnapshotPage* snapPage_ = nullptr;

    // Lists.
    GameListView* romList_ = nullptr;
    NameListModel* romModel_ = nullptr;
    QListWidget* prefList_ = nullptr;
    std::array<QComboBox*, 4> filters_{};

    InfoPage* info_ = nullptr;
    HelpPage* help_ = nullptr;

    ConfPage* conf_ = nullptr;
    SettingsPage* settings_ = nullptr;
};

} // namespace arvok
