// A text longer than its list or label is clipped at its edge.
#include <QLabel>

#include "section_fixture.h"

namespace arvok::test {
namespace {

using SectionTextTest = SectionTest;

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
