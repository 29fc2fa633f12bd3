// Every text of a section window shows whole at the window's design size: captions, check-box
// and option-button captions with their indicators, and every combo item.
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
        EXPECT_EQ(CutTexts(window_), std::vector<std::string>{}) << Section(emu).tag;
        EXPECT_EQ(ControlsOnFrames(window_), std::vector<std::string>{}) << Section(emu).tag;
        for (const char* page : {"Settings", "Conf"})
            EXPECT_EQ(CutComboItems(find(ObjectName(emu, "pic", page).c_str())),
                      std::vector<std::string>{})
                << Section(emu).tag << " " << page;
    }
}

} // namespace
} // namespace arvok::test
