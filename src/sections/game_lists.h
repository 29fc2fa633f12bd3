// The lists of a section window and what goes with them: the favourites with their heading, count
// and "C", the game list with its total and count, and the four filter combos. The controls are
// the window's own children, placed by its design row; this object answers their mouse and keys.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/section.h"

class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

namespace arvok {

class DataFiles;
class GameListView;
class NameListModel;
struct RomLookup;
struct SectionDesign;

class GameLists : public QObject {
public:
    // What the lists ask of their window.
    struct Hooks {
        std::function<void(const std::string&)> show;   // a game chosen in either list
        std::function<void(const std::string&)> launch; // a game started from either list
        std::function<void()> showConfiguration;        // the scan file a filter needs is missing
    };
    GameLists(Emu emu, DataFiles& files, QWidget* window, Hooks hooks);

    // lblFilter<Emu>Hide reads "FREE": a filter is being applied and no selection is shown.
    bool busy() const { return filterBusy_; }
    QWidget* favouritesList() const;

    // The game list refilled with every game of the section, the filters on their neutral items.
    void fill();
    // The first favourite or else the first game selected and shown.
    void selectFirst();
    std::vector<std::string> favourites() const;
    void setFavourites(const std::vector<std::string>& names);
    // The favourites count and the game list's count.
    void showCounts();
    // The game total from the data file's header.
    void readGameTotal();
    // Puts the four filter combos on their neutral items, with the filters held off.
    void neutralFilters();
    // Every filter combo chosen back to its first item, as the user would choose it.
    void resetFilters();
    // A game the data file lacks leaves the favourites when it is the selected one (asked only
    // when the data file holds records).
    void dropMissing(const std::string& game);
    // The favourites layout: "down" stretches the favourites and puts the game list, one column
    // wide, beside them from "listLeft", with the category combo there too, the genre combo at
    // "genreLeft" and the manufacturer and year combos hidden; "up" puts them all back.
    void layOutUp();
    void layOutDown(int listLeft, int genreLeft);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLists(QWidget* window);
    void buildFilters(QWidget* window);
    std::string romText() const;
    std::string prefText() const;
    void selectRomRow(int row);
    void selectPrefRow(int row);
    void onRomSelected();
    void onPrefSelected();
    void onPrefKey(int key);
    void removeFavourite(int row);
    void dropOnFavourites();
    void clearFavourites();
    void updateFavCount();
    void showFavShare();
    void updateRomCount();
    void onFilterChosen(int combo);
    void colourFilter(int combo);
    bool listEvent(QObject* watched, QEvent* event);

    Emu emu_;
    DataFiles& files_;
    const SectionDesign& design_;
    Hooks hooks_;
    bool filterBusy_ = false;
    // The list and game shown last from a list, so that a click on the current entry of the
    // other list shows that entry again.
    struct ShownFrom {
        const QObject* list = nullptr;
        std::string game;
        bool operator!=(const ShownFrom& o) const { return list != o.list || game != o.game; }
    };
    ShownFrom lastShown_;

    QListWidget* prefList_ = nullptr;
    QLabel* favCount_ = nullptr;
    GameListView* romList_ = nullptr;
    NameListModel* romModel_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* romCount_ = nullptr;
    std::array<QComboBox*, 4> filters_{};
};

} // namespace arvok
