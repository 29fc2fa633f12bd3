#include <gtest/gtest.h>

#include "layouts/layout_files.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::TempDir;
using test::WriteLines;

std::string Describe(const Placement& p) {
    std::string tag = p.section ? Section(*p.section).tag : "MAIN";
    std::string text = tag + " " + std::to_string(p.top) + " " + std::to_string(p.left);
    if (p.section)
        text += " " + std::to_string(p.width) + " " + std::to_string(p.height);
    return text;
}

std::vector<std::string> Describe(const LayoutRead& read) {
    std::vector<std::string> lines;
    for (const auto& p : read.placements)
        lines.push_back(Describe(p));
    return lines;
}

using Lines = std::vector<std::string>;

void WriteIni(const TempDir& dir, const std::string& autoload, const std::string& layout) {
    WriteLines(dir / "arvok.ini", {std::string(62, '-'), " Arvok - The definitive Multifrontend",
                                   "[Layouts]", "LayoutAlwaysOnTop = 0", autoload, layout, " "});
}

TEST(StartupLayout, TheDefaultLayoutIsReadOnlyWhenAutoloadIsOnAndANameIsGiven) {
    TempDir dir;
    WriteLines(dir / "layouts.dat", {"[Work]", "MAIN,400,500", "MAME,400,3950,6345,4620", "-",
                                     "[ame]", "MAIN,1,2", "-"});
    struct Case {
        std::string autoload, layout;
        LayoutStop stop;
        Lines placed;
    };
    const Lines work{"MAIN 400 500", "MAME 400 3950 6345 4620"};
    const std::vector<Case> cases{
        {"AutoloadOnStartup = 1", "DefaultLayout = Work", LayoutStop::Complete, work},
        {"AutoloadOnStartup =1", "DefaultLayout = Work", LayoutStop::Complete, work},
        {"AutoloadOnStartup = 0", "DefaultLayout = Work", LayoutStop::AutoloadOff, {}},
        {"AutoloadOnStartup = 1", "DefaultLayout = ", LayoutStop::NoDefaultName, {}},
        {"AutoloadOnStartup = 1", "DefaultLayout =", LayoutStop::NoDefaultName, {}},
        {"AutoloadOnStartup = 1", "DefaultLayout = work", LayoutStop::NotFound, {}},
        {"AutoloadOnStartup = 1", "DefaultLayout =Name", LayoutStop::Complete, {"MAIN 1 2"}},
    };
    for (const auto& c : cases) {
        WriteIni(dir, c.autoload, c.layout);
        LayoutRead read = ReadStartupLayout(dir.path());
        EXPECT_EQ(read.stop, c.stop) << c.autoload << " / " << c.layout;
        EXPECT_EQ(Describe(read), c.placed) << c.autoload << " / " << c.layout;
    }

    TempDir empty;
    EXPECT_EQ(ReadStartupLayout(empty.path()).stop, LayoutStop::AutoloadOff);
    WriteIni(empty, "AutoloadOnStartup = 1", "DefaultLayout = Work");
    EXPECT_EQ(ReadStartupLayout(empty.path()).stop, LayoutStop::NotFound);
}

TEST(StartupLayout, ALayoutIsReadLineByLineUntilItsEndOrAFaultyLine) {
    TempDir dir;
    std::string path = dir / "layouts.dat";
    auto read = [&](const Lines& lines, const std::string& name = "L") {
        WriteLines(path, lines);
        return ReadLayout(path, name);
    };

    LayoutRead all =
        read({"[Other]", "MAIN,0,0", "-", "[L]", "MAIN,400,500", "CALLUS,-120,3950,2400,4620",
              "NEORAGE,1,2,3,4", "M72,70000,40000,6345,4620", "-", "[Next]", "MAIN,9,9", "-"});
    EXPECT_EQ(all.stop, LayoutStop::Complete);
    EXPECT_EQ(Describe(all),
              (Lines{"MAIN 400 500", "CALLUS -120 3950 2400 4620", "M72 70000 40000 6345 4620"}));

    LayoutRead lastWithoutDash = read({"[L]", "MAIN,400,500", "MAME,400,3950,6345,4620"});
    EXPECT_EQ(lastWithoutDash.stop, LayoutStop::EndOfFile);
    EXPECT_EQ(Describe(lastWithoutDash), (Lines{"MAIN 400 500"}));

    LayoutRead lastWithDash = read({"[L]", "MAIN,400,500", "MAME,400,3950,6345,4620", "-"});
    EXPECT_EQ(Describe(lastWithDash), (Lines{"MAIN 400 500", "MAME 400 3950 6345 4620"}));

    LayoutRead runsIntoNext = read({"[L]", "MAIN,400,500", "[M]", "MAME,1,2,3,4", "-"});
    EXPECT_EQ(runsIntoNext.stop, LayoutStop::NextLayout);
    EXPECT_EQ(Describe(runsIntoNext), (Lines{"MAIN 400 500"}));

    EXPECT_EQ(Describe(read({"[L]", "MAIN,400,500,77", "-"})), (Lines{"MAIN 400 500"}));
    EXPECT_EQ(read({"[L]", "-"}).placements.size(), 0u);
    EXPECT_EQ(read({"[l]", "MAIN,1,1", "-"}).stop, LayoutStop::NotFound);
    EXPECT_EQ(read({"[L]"}).stop, LayoutStop::EndOfFile);

    for (const Lines& bad : {
             Lines{"[L]", "MAME,1,2,3,4", "CALLUS,400,abc,6345,4620", "RAINE,1,2,3,4", "-"},
             Lines{"[L]", "MAME,1,2,3,4", "CALLUS,400,3950,6345,4620,9", "-"},
             Lines{"[L]", "MAME,1,2,3,4", "MAIN,400", "-"},
             Lines{"[L]", "MAME,1,2,3,4", "CALLUS,1,2,3,2147483648", "-"},
             Lines{"[L]", "MAME,1,2,3,4", "", "-"},
         }) {
        LayoutRead r = read(bad);
        EXPECT_EQ(r.stop, LayoutStop::BadLine) << bad[2];
        EXPECT_EQ(Describe(r), (Lines{"MAME 1 2 3 4"})) << bad[2];
    }
}

TEST(LayoutOptions, KeysMatchUpToTheirFirstEqualsSignExactly) {
    TempDir dir;
    std::string ini = dir / "arvok.ini";
    WriteLines(ini, {"no equals sign", " AutoloadOnStartup = 1", "autoloadonstartup = 1",
                     "AutoloadOnStartup = 0", "AutoloadOnStartup = 1", "LayoutAlwaysOnTop=1",
                     "DefaultLayout =Name"});
    LayoutOptionsRead read = ReadLayoutOptions(ini);
    EXPECT_EQ(read.autoload, false);
    EXPECT_EQ(read.alwaysOnTop, std::nullopt);
    EXPECT_EQ(read.defaultLayout, "ame");
    LayoutOptionsRead none = ReadLayoutOptions(dir / "none.ini");
    EXPECT_FALSE(none.alwaysOnTop || none.autoload || none.defaultLayout);
}

} // namespace
} // namespace arvok
