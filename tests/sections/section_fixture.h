// A fresh installation for the section window tests: the launcher running, a temporary DirInst
// with a small MAME data file, scripted dialogs, the picker windows, and helpers that drive the
// real widgets by their object names as a user would.
#pragma once

#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "sections/section_window.h"
#include "shell/forms.h"
#include "support/test_support.h"
#include "support/widgets.h"

namespace arvok::test {

// What a test lists: games, texts, messages.
using Names = std::vector<std::string>;

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
    std::string tagAndFolder() const { return tag + " " + folder; }
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
    // A label's or a text box's text, or a check box's caption.
    std::string text(const char* control);
    // The texts of these controls, in turn.
    std::vector<std::string> texts(std::initializer_list<const char*> controls);
    int comboIndex(const char* combo) { return find<QComboBox>(combo)->currentIndex(); }
    bool checked(const char* box);
    // Every caption of the labels on a page, in the order they were made.
    std::vector<std::string> captions(const char* page);
    // What a control looks like on screen: the colour of a combo's face above the text, and
    // whether any pixel is drawn in "colour" or near it (a text's smoothed strokes).
    QColor back(const char* combo);
    bool drawsIn(const char* control, const QColor& colour);
    // "lst<Base><suffix>" of the open window's section.
    std::string listName(const char* suffix) const;
    // A list's entries as shown; the game list's and the favourites.
    std::vector<std::string> items(const std::string& list);
    std::vector<std::string> romNames() { return items(listName("Rom")); }
    std::vector<std::string> favourites() { return items(listName("Pref")); }
    // The section's settings file from its favourites on.
    std::string savedFavourites(Emu emu = Emu::Mame);

    // A user's actions.
    void pickRom(const std::string& name) { select(listName("Rom"), name); }
    void pickFavourite(const std::string& name) { select(listName("Pref"), name); }
    void select(const std::string& list, const std::string& name);
    // A left-button press and release on the favourite "name", as a user clicks it; on the game
    // list's current game.
    void clickFavourite(const std::string& name);
    void clickCurrentGame();
    // A window the click closes is gone at once, as the event loop would delete it.
    void clickButton(const char* name);
    void choose(const char* combo, int index);
    void pressKey(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void doubleClick(const std::string& list);
    // A right-button press at the bottom right of a list.
    void rightClick(const std::string& list);
    // Closes the section's window at once, as if it had never been opened.
    static void closeSection(Emu emu);
    // Drops a game dragged from the game list of the section "from" (the open window's own when
    // none) onto the favourites.
    void dropOnFavourites(std::optional<Emu> from = std::nullopt);
    // Picks "game" in the game list and drags it onto the favourites.
    void dropOnFavourites(const std::string& game) {
        pickRom(game);
        dropOnFavourites();
    }
    // Clicks "button", notes the modal picker it opens and closes it by Select (or Cancel),
    // after opening the subfolder "into" of its folder list when one is named.
    Shown pick(const char* button, bool select = false, const std::string& into = {});
    // Answers the program picker that the next action opens: picks "file" and presses Ok, or
    // closes the picker by its frame when "file" is empty.
    static void answerPicker(const std::string& file);

    TempDir dir_;
    std::unique_ptr<Installation> installation_;
    std::unique_ptr<Forms> forms_;
    ScriptedDialogs* dialogs_ = nullptr;
    SectionWindow* window_ = nullptr;
};

// The same, with a MAME settings file that holds no favourites.
class MameCfgTest : public SectionTest {
protected:
    void SetUp() override {
        SectionTest::SetUp();
        WriteCfg(Emu::Mame, {});
    }
};

} // namespace arvok::test
