#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include "catalogue/data_file.h"
#include "sections/popup_menus.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::TempDir;
using test::WriteLines;

// The captions of a game menu's entries as the user reads them, separators as "-".
std::vector<std::string> Entries(const QMenu* menu) {
    std::vector<std::string> out;
    for (QAction* action : menu->actions())
        out.push_back(action->isSeparator() ? "-" : action->iconText().toStdString());
    return out;
}

std::string Record(const std::string& name, const std::string& type, const std::string& genre,
                   const std::string& maker, const std::string& year) {
    return name + ";" + name + ";" + type + ";-;" + genre + ";" + maker + ";" + year + ";";
}

class PopupMenusTest : public ::testing::Test {
protected:
    TempDir dir;
    DataFiles data{dir.path()};
    MenuWindow menus{data};
};

TEST_F(PopupMenusTest, GameMenuTellsMakerYearGenreAndOriginalOrClone) {
    QMenu* mame = menus.findChild<QMenu*>("mnuMame");
    ASSERT_NE(mame, nullptr);
    EXPECT_EQ(mame->title(), "Mame");
    EXPECT_EQ(Entries(mame), (std::vector<std::string>{"Manufactor", "Year", "Genre", "-", "OC"}));

    WriteLines(dir / "Data/Mame.dat", {Record("Ms. Pac-Man", "C", "Maze", "Midway & Namco", "1981"),
                                       Record("Odd", "o", "Puzzle", "Nobody", "1999")});
    menus.setGameCaptions(Emu::Mame, "Ms. Pac-Man");
    EXPECT_EQ(Entries(mame),
              (std::vector<std::string>{"Midway & Namco", "1981", "Maze", "-", "Clone"}));
    menus.setGameCaptions(Emu::Mame, "Odd");
    EXPECT_EQ(Entries(mame).back(), "");

    // A game the data file no longer holds shows nothing of the game shown before.
    for (const char* missing : {"Gone", ""}) {
        menus.setGameCaptions(Emu::Mame, missing);
        EXPECT_EQ(Entries(mame), (std::vector<std::string>{"", "", "", "-", ""})) << missing;
    }
}

TEST_F(PopupMenusTest, EachSectionHasItsOwnMenuAndTheFilterResetIsReported) {
    EXPECT_EQ(menus.findChild<QAction*>("mnuSystem16Manufactor")->text(), "Manufactor");

    int resets = 0;
    QObject::connect(&menus, &MenuWindow::resetFiltersRequested, [&resets] { ++resets; });
    menus.findChild<QAction*>("mnuResetFilters")->trigger();
    EXPECT_EQ(resets, 1);
}

} // namespace
} // namespace arvok
