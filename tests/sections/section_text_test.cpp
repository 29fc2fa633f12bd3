// Every text of a section window shows whole at the window's design size: captions, check-box
// and option-button captions with their indicators, and every combo item; a text longer than its
// list or label is clipped at its edge.
#include <QLabel>

#include "section_fixture.h"
#include "support/cut_text.h"

namespace arvok::test {
namespace {

using SectionTextTest = SectionTest;

TEST_F(SectionTextTest, NoCaptionCheckBoxOrComboTextIsCut) {
    WriteDataFile("Callus", kMameGames);
    WriteDataFile("Raine", kMameGames);
    WriteDataFile("System16", kMameGames);
    WriteDataFile("M72", kMameGames);
    for (Emu emu : kAllEmus) {
        ASSERT_NE(open(emu), nullptr) << Section(emu).tag;
        EXPECT_EQ(CutTexts(window_), Names{}) << Section(emu).tag;
        for (const char* page : {"Settings", "Conf"})
            EXPECT_EQ(CutComboItems(find(ObjectName(emu, "pic", page).c_str())), Names{})
                << Section(emu).tag << " " << page;
    }
}

// A long name is clipped at the edge of the favourites and of the history, neither of which
// scrolls sideways; a long maker is clipped clear of "Year:" beside it.
TEST_F(SectionTextTest, LongNamesAndValuesAreClippedAtTheirListOrLabel) {
    const std::string name =
        "Arkanoid - Revenge of DOH (US, Romstar license, set 2 of 3, Taito America Corporation)";
    std::vector<Game> games = kMameGames;
    games.push_back({name.c_str(), "arkanoid", "O", "-", "Breakout", "Taito America Corp (F)", ""});
    WriteDataFile("Mame", games);
    WriteCfg(Emu::Mame, {name});
    WriteBytes(dir_ / "emu/gamelist.txt", name + "\r\n" + std::string(50, 'W') + "\r\n");
    open();
    clickButton("imgButHelp");
    for (const char* list : {"lstMamePref", "lstMameHelp"})
        EXPECT_EQ(find(list)->grab().toImage().pixelColor(4, find(list)->height() - 5),
                  find(list)->palette().color(QPalette::Base))
            << list;
    clickButton("imgButInfo");
    // The three columns right of the maker's label are the page's grey.
    const QRect made = find("lblInfoMadeBy")->geometry();
    QImage gap =
        find("picMameInfo")->grab().toImage().copy(made.right() + 1, made.y(), 3, made.height());
    const QImage text = gap;
    gap.fill(QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(text, gap);
}

} // namespace
} // namespace arvok::test
