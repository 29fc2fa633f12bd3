// A fresh installation for the section window tests: the launcher running, a temporary DirInst
// with a small MAME data file, scripted dialogs, and helpers that drive the real widgets by
// their object names as a user would.
#pragma once

#include <QComboBox>
#include <QEvent>
#include <QListView>
#include <QListWidget>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "sections/section_window.h"
#include "support/test_support.h"

namespace arvok::test {

// The games of the MAME data file written by the fixture, in file order: name, set, type,
// parent, genre, manufacturer, year.
struct Game {
    const char *name, *set, *type, *parent, *genre, *manufacturer, *year;
};
extern const std::vector<Game> kMameGames;
// A data-file record line for "game", 21 fields.
std::string Record(const Game& game);

// What a picker showed when it opened: its caption, hidden tag, pattern and the folder listed.
struct Shown {
    std::string caption, tag, pattern, folder;
};

class SectionTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the section's data file from "games" with a header block announcing their number.
    void WriteDataFile(const std::string& base, const std::vector<Game>& games);
    // Writes Cfg/<Base>.cfg with these favourites (last one first, as the program writes them):
    // the program emu/<base>.sh, the ROM folder roms, the snapshots in snap.
    void WriteCfg(Emu emu, const std::vector<std::string>& favourites,
                  const std::string& favSize = "up");
    void WriteMameCfg(const std::vector<std::string>& favourites,
                      const std::string& favSize = "up");

    // A stand-in emulator emu/<program>: records its working directory, its arguments and what
    // the shell command "listing" (run in its directory) lists meanwhile; ran() reads it back.
    void WriteStandIn(const std::string& program, const std::string& listing);
    std::string ran();

    // OpenSectionWindow, then the window (nullptr when none was opened).
    SectionWindow* open(Emu emu = Emu::Mame);

    template <class T = QWidget> T* find(const char* name) {
        T* w = window_ ? window_->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    std::string text(const char* label);
    // What a control looks like on screen: the colour of a combo's face above the text, and
    // whether any pixel is drawn in "colour" or near it (a text's smoothed strokes).
    QColor back(const char* combo);
    bool drawsIn(const char* control, const QColor& colour);
    // "lst<Base><suffix>" of the open window's section.
    std::string listName(const char* suffix) const;
    // The game list's entries and the favourites, as shown.
    std::vector<std::string> romNames();
    std::vector<std::string> favourites();

    // A user's actions.
    void pickRom(const std::string& name);
    void pickFavourite(const std::string& name);
    // A left-button press and release on the favourite "name", as a user clicks it; on the game
    // list's current game; at "at" of "list".
    void clickFavourite(const std::string& name);
    void clickCurrentGame();
    static void clickAt(QAbstractItemView* list, const QPoint& at);
    void clickButton(const char* name);
    void choose(const char* combo, int index);
    void pressKey(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A left-button press or release, or a move with no button held, at (2, 2) of "w".
    static void sendMouse(QWidget* w, QEvent::Type type);
    void doubleClick(QAbstractItemView* list);
    // Drops a game dragged from the game list of the section "from" (the open window's own when
    // none) onto the favourites.
    void dropOnFavourites(std::optional<Emu> from = std::nullopt);
    // Clicks "button", notes the modal picker it opens and closes it by Select (or Cancel),
    // after opening the subfolder "into" of its folder list when one is named.
    Shown pick(const char* button, bool select = false, const std::string& into = {});
    // Answers the program picker that the next action opens: picks "file" and presses Ok, or
    // closes the picker by its frame when "file" is empty.
    static void answerPicker(const std::string& file);

    TempDir dir_;
    ScriptedDialogs* dialogs_ = nullptr;
    SectionWindow* window_ = nullptr;
};

} // namespace arvok::test
