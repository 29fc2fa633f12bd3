// Every section window held to the table of its controls, at its first visit.
#include "section_fixture.h"
#include "support/control_table.h"

namespace arvok::test {
namespace {

class ControlTableTest : public SectionTest {};

TEST_F(ControlTableTest, TheMameWindowStandsAsDesigned) {
    ASSERT_NE(open(Emu::Mame), nullptr);
    EXPECT_EQ(ControlDifferences(window_, "frmMame.txt"), std::vector<std::string>{});
}

} // namespace
} // namespace arvok::test
