#include <QLabel>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "gif.h"
#include "platform/qt/click_label.h"
#include "sections/slide_show.h"
#include "sections/snapshot_files.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::TempDir;
using test::WriteBytes;

const std::string kRed = test::OnePixelGif(255, 0, 0);
const std::string kGreen = test::OnePixelGif(0, 255, 0);
const std::string kBlue = test::OnePixelGif(0, 0, 255);
const std::string kWhite = test::OnePixelGif(255, 255, 255);
const std::string kGrey = test::OnePixelGif(128, 128, 128);

class SnapshotPageTest : public ::testing::Test {
protected:
    std::unique_ptr<SnapshotPage> makePage(Emu emu) {
        return std::make_unique<SnapshotPage>(emu, dir.path(), [this] { return options; });
    }
    void snap(const std::string& name, const std::string& bytes) {
        WriteBytes(dir / ("snap/" + name), bytes);
    }
    // Writes <folder><set>.gif, then <set>00.gif, <set>01.gif, ... with the pictures in turn.
    void series(const std::string& folder, const std::string& set,
                const std::vector<std::string>& pictures) {
        for (size_t i = 0; i < pictures.size(); ++i)
            WriteBytes(dir / (folder + set + (i ? "0" + std::to_string(i - 1) : "") + ".gif"),
                       pictures[i]);
    }

    // The colour of the picture shown, or "none".
    static std::string Shown(const SnapshotPage& page) {
        const QPixmap picture = page.image()->pixmap();
        return picture.isNull() ? "none" : picture.toImage().pixelColor(0, 0).name().toStdString();
    }
    static std::string Counter(const SnapshotPage& page) {
        return page.counter()->text().toStdString();
    }
    static bool Visible(const SnapshotPage& page, const char* label) {
        return !page.findChild<QLabel*>(label)->isHidden();
    }
    // Steps the show once and tells what it shows: "<counter> <colour>".
    static std::string Step(SnapshotPage& page) {
        page.tick();
        return Counter(page) + " " + Shown(page);
    }
    static void Click(SnapshotPage& page) {
        emit qobject_cast<ClickLabel*>(page.image())->clicked();
    }

    TempDir dir;
    SnapOptions options{dir / "snap", ".gif", false, true, 2000};
};

TEST_F(SnapshotPageTest, DisplayShowsAnimationStillOrSlideShowByWhatTheGameHas) {
    auto page = makePage(Emu::Mame);

    series("snap/", "both", {kRed, kGreen});
    series("Anim/both/", "both", {kBlue, kWhite});
    EXPECT_EQ(page->showGame("both"), SnapShown::Animation);
    EXPECT_EQ(Counter(*page), "-");
    EXPECT_EQ(Step(*page), "00 #ffffff");

    series("snap/", "series", {kRed, kGreen});
    EXPECT_EQ(page->showGame("series"), SnapShown::SlideShow);
    EXPECT_EQ(Shown(*page), "#ff0000");
    EXPECT_EQ(Counter(*page), "-");

    // Names are found whatever their letter case.
    snap("UPPER.GIF", kBlue);
    snap("UPPER00.GIF", kBlue);
    options.noSlide = true;
    options.showCounter = false;
    EXPECT_EQ(page->showGame("upper"), SnapShown::Still);
    EXPECT_FALSE(page->isRunning()) << "the slide show before it stops";
    EXPECT_EQ(Shown(*page), "#0000ff");
    EXPECT_TRUE(page->counter()->isHidden());
}

// The folder's names are kept between displays; a picture added, renamed or removed while the
// page is open is seen at the next one, also where only a name in another letter case matches.
TEST_F(SnapshotPageTest, PicturesAddedRenamedOrRemovedAreSeenAtTheNextDisplay) {
    auto page = makePage(Emu::Mame);
    snap("other.gif", kRed);
    auto settled = [&page] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        page->showGame("late");
    };
    settled();
    EXPECT_EQ(page->showGame("late"), SnapShown::Nothing);
    snap("LATE.GIF", kGreen);
    EXPECT_EQ(page->showGame("late"), SnapShown::Still);
    EXPECT_EQ(Shown(*page), "#00ff00");
    settled();
    std::filesystem::rename(dir / "snap/other.gif", dir / "snap/Late00.Gif");
    EXPECT_EQ(page->showGame("late"), SnapShown::SlideShow);
    settled();
    std::filesystem::remove(dir / "snap/LATE.GIF");
    EXPECT_EQ(page->showGame("late"), SnapShown::Nothing);
}

TEST_F(SnapshotPageTest, NoSnapshotNoticeNamesTheFolderAndFileLookedFor) {
    auto page = makePage(Emu::Callus);
    snap("only00.gif", kGreen);
    snap("gifonly.gif", kRed);

    // A picture numbered "00" is no still.
    EXPECT_EQ(page->showGame("only"), SnapShown::Nothing);
    for (const char* label : {"lblCallusNoAvail", "lblSnapNo", "lblNoSnapFound", "lblLookFor",
                              "lblLookedFor", "lblSnapTip", "lblSnapInSite"})
        EXPECT_TRUE(Visible(*page, label)) << label;

    // With JPG chosen, a still kept only as GIF is not found.
    options.extension = SnapExtension(false, true, true);
    EXPECT_EQ(page->showGame("gifonly"), SnapShown::Nothing);
    EXPECT_EQ(page->findChild<QLabel*>("lblLookedFor")->text().toStdString(), "gifonly.jpg");

    // The next game with a still hides the notice again.
    options.extension = ".gif";
    page->showGame("gifonly");
    EXPECT_EQ(Shown(*page), "#ff0000");
    for (const char* label : {"lblCallusNoAvail", "lblSnapNo", "lblSnapInSite"})
        EXPECT_FALSE(Visible(*page, label)) << label;
}

TEST_F(SnapshotPageTest, SlideShowRunsConsecutivePicturesThenTheStillAndStartsOver) {
    auto page = makePage(Emu::Mame);
    series("snap/", "set", {kRed, kGreen, kBlue, "not a picture", kWhite});

    ASSERT_EQ(page->showGame("set"), SnapShown::SlideShow);
    EXPECT_EQ(Step(*page), "00 #00ff00");
    EXPECT_EQ(Step(*page), "01 #0000ff");
    // An unreadable picture ends the cycle like a missing one; "03" is never reached.
    EXPECT_EQ(Step(*page), "- #ff0000");
    EXPECT_EQ(Step(*page), "00 #00ff00");
    EXPECT_TRUE(page->isRunning());
}

TEST_F(SnapshotPageTest, AnimationEndsOnItsLastFrameAndOnlyMameRestartsItsCounter) {
    series("Anim/walk/", "walk", {kGrey, kGreen, kBlue});
    snap("walk00.gif", kRed); // a snapshot series is not looked at

    auto mame = makePage(Emu::Mame);
    mame->showGame("walk");
    EXPECT_EQ(Step(*mame), "00 #00ff00");
    EXPECT_EQ(Step(*mame), "01 #0000ff");
    EXPECT_EQ(Step(*mame), "- #0000ff");
    EXPECT_EQ(Step(*mame), "00 #00ff00");
    mame->showGame("walk");
    EXPECT_EQ(Counter(*mame), "-");

    auto raine = makePage(Emu::Raine);
    raine->showGame("walk");
    EXPECT_EQ(Step(*raine), "00 #00ff00");
    raine->showGame("walk");
    EXPECT_EQ(Step(*raine), "01 #0000ff");
}

TEST_F(SnapshotPageTest, ClickStopsAndRestartsTheShow) {
    series("snap/", "set", {kRed, kGreen, kBlue});

    auto mame = makePage(Emu::Mame);
    // Before any display a click shows nothing.
    Click(*mame);
    mame->tick();
    EXPECT_EQ(Shown(*mame), "none");
    Click(*mame);

    mame->showGame("set");
    EXPECT_EQ(Step(*mame), "00 #00ff00");
    Click(*mame);
    EXPECT_FALSE(mame->isRunning());
    EXPECT_EQ(Step(*mame), "00 #00ff00");

    // MAME restarts with the delay in force now, from the counter's value.
    options.delayMs = 4000;
    Click(*mame);
    EXPECT_TRUE(mame->isRunning());
    EXPECT_EQ(mame->timer()->interval(), 4000);
    EXPECT_EQ(Step(*mame), "01 #0000ff");

    // The other sections keep the interval the display set.
    options.delayMs = 1000;
    auto m72 = makePage(Emu::M72);
    m72->showGame("set");
    Click(*m72);
    options.delayMs = 5000;
    Click(*m72);
    EXPECT_EQ(m72->timer()->interval(), 1000);
}

TEST_F(SnapshotPageTest, ShowsNeverStepFasterThanEvery55Milliseconds) {
    series("Anim/fast/", "fast", {kGrey});
    auto page = makePage(Emu::Mame);
    page->showGame("fast");
    EXPECT_EQ(page->timer()->interval(), 55);

    series("snap/", "set", {kRed, kGreen});
    options.delayMs = 0;
    page->showGame("set");
    EXPECT_EQ(page->timer()->interval(), 55);
}

TEST(SlideCounter, WrapsAfterNinetyNine) {
    EXPECT_EQ(NextSlideCounter("99"), "00");
    EXPECT_EQ(NextSlideCounter("09"), "10");
}

} // namespace
} // namespace arvok
