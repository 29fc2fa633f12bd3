#include <QAction>
#include <QComboBox>
#include <QListView>
#include <QMenu>

#include "platform/path.h"
#include "platform/qt/geometry.h"
#include "section_fixture.h"
#include "sections/popup_menus.h"
#include "support/shown_texts.h"

namespace arvok::test {
namespace {

class SectionListsTest : public MameCfgTest {
protected:
    void chooseText(const char* combo, const char* item) {
        choose(combo, find<QComboBox>(combo)->findText(QString::fromLatin1(item)));
    }
    // Whether Tab, pressed from where the focus is more often than the window has controls,
    // reaches the game list.
    bool tabReachesGames() {
        for (int i = 0; i < 40 && window_->focusWidget() != find("lstMameRom"); ++i)
            pressKey(window_->focusWidget() ? window_->focusWidget() : window_, Qt::Key_Tab);
        return window_->focusWidget() == find("lstMameRom");
    }
};

const QColor kGrey = VbColor(0xC0C0C0), kLit = VbColor(0xE4AAAA), kMaroon = VbColor(0x80),
             kBlack = VbColor(0), kNavy = VbColor(0x400000);

TEST_F(SectionListsTest, FiltersNarrowTheListAndShiftInAnyOfThemWidensItAgain) {
    open();
    pickRom("Pac-Man");
    const QImage neutralYear = find("cboFilterMameYear")->grab().toImage();

    // The first game left is selected and shown.
    chooseText("cboFilterMameGenre", "Shooter");
    EXPECT_EQ(romNames(), (Names{"1942", "Galaga", "Xevious"}));
    EXPECT_EQ(find<QListView>("lstMameRom")->currentIndex().data().toString(), "1942");
    EXPECT_EQ(texts({"lblMameRomSettings", "lblMameRomCount"}), (Names{"1942", "3"}));
    EXPECT_EQ(back("cboFilterMameGenre"), kLit);
    EXPECT_TRUE(drawsIn("cboFilterMameGenre", kMaroon));
    EXPECT_EQ(back("cboFilterMameYear"), kGrey);

    chooseText("cboFilterMameYear", "1981");
    chooseText("cboFilterMameManufactor", "Namco");
    EXPECT_EQ(romNames(), Names{"Galaga"});
    chooseText("cboFilterMameMisc", "Clones Only");
    EXPECT_TRUE(romNames().empty());
    EXPECT_EQ(text("lblMameRomCount"), "0");
    EXPECT_EQ(back("cboFilterMameMisc"), kLit);
    EXPECT_TRUE(drawsIn("cboFilterMameMisc", kNavy));

    // Choosing a neutral item again gives back its look, pixel for pixel.
    chooseText("cboFilterMameYear", "- Year");
    EXPECT_EQ(find("cboFilterMameYear")->grab().toImage(), neutralYear);
    EXPECT_TRUE(drawsIn("cboFilterMameYear", kBlack));
    EXPECT_FALSE(drawsIn("cboFilterMameYear", kMaroon));

    pressKey(find("cboFilterMameManufactor"), Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(romNames().size(), 8u);
    EXPECT_EQ(text("lblMameRomCount"), "8");
    for (const char* combo : {"cboFilterMameMisc", "cboFilterMameGenre", "cboFilterMameManufactor",
                              "cboFilterMameYear"}) {
        EXPECT_EQ(find<QComboBox>(combo)->currentIndex(), 0) << combo;
        EXPECT_EQ(back(combo), kGrey) << combo;
    }
    EXPECT_FALSE(drawsIn("cboFilterMameGenre", kMaroon));
    EXPECT_TRUE(drawsIn("cboFilterMameMisc", kNavy));

    // Shift together with Ctrl is no reset.
    chooseText("cboFilterMameGenre", "Shooter");
    pressKey(find("cboFilterMameYear"), Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(romNames().size(), 3u);
}

TEST_F(SectionListsTest, OwnedOrMissingRomsWithoutAScanFileSendTheUserToScan) {
    open();
    Names listed{"not shown"};
    dialogs_->whenAsked = [&] {
        if (!find("lstMameRom")->isHidden())
            listed = romNames();
    };
    chooseText("cboFilterMameMisc", "Missing Roms");
    dialogs_->whenAsked = nullptr;

    ASSERT_EQ(AskedTexts(*dialogs_), Names{shown::kNoScanFile});
    // The message is read over the list shown empty.
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(find<QComboBox>("cboFilterMameMisc")->currentIndex(), 0);
    EXPECT_EQ(romNames().size(), 8u);
    EXPECT_TRUE(find("picMameConf")->isVisible());

    // The scan file gone while "Available Roms" is chosen: the next filter puts the category
    // back on its first item, in its neutral colour.
    clickButton("lblScanNow");
    chooseText("cboFilterMameMisc", "Available Roms");
    EXPECT_EQ(back("cboFilterMameMisc"), kLit);
    RemoveFile(dir_ / "Cfg/Mame.scn");
    chooseText("cboFilterMameGenre", "Shooter");
    EXPECT_EQ(dialogs_->asked.back().text, shown::kNoScanFile);
    EXPECT_EQ(MessageDifferences(*dialogs_), Names{});
    EXPECT_EQ(find<QComboBox>("cboFilterMameMisc")->currentIndex(), 0);
    EXPECT_EQ(back("cboFilterMameMisc"), kGrey);
    EXPECT_EQ(romNames(), (Names{"1942", "Galaga", "Xevious"}));
}

TEST_F(SectionListsTest, TheTallFavouritesLayoutComesBackFromTheFileAndOnlyInTheLargeSize) {
    WriteCfg(Emu::Mame, {}, "down");
    open();
    auto left = [&](const char* name) { return find(name)->x(); };
    EXPECT_EQ(left("lstMameRom"), TwipsToPx(2430));
    EXPECT_EQ(find("lstMamePref")->height(), TwipsToPx(6415));
    EXPECT_EQ(left("cboFilterMameGenre"), TwipsToPx(4050));
    EXPECT_TRUE(find("cboFilterMameYear")->isHidden());

    // Back from the tall layout, what it hid is shown again.
    clickButton("cmdMameRidimen");
    for (const char* name : {"cboFilterMameManufactor", "cboFilterMameYear"})
        EXPECT_FALSE(find(name)->isHidden()) << name;
    EXPECT_EQ(left("lstMameRom"), TwipsToPx(90));
    EXPECT_EQ(left("cboFilterMameGenre"), TwipsToPx(1690));
    clickButton("cmdMameRidimen");
    EXPECT_EQ(left("lstMameRom"), TwipsToPx(2400));
    EXPECT_EQ(left("cboFilterMameGenre"), TwipsToPx(3990));
    window_->SaveCfg();
    EXPECT_NE(ReadBytes(dir_ / "Cfg/Mame.cfg").find("FavSize=down\r\n"), std::string::npos);

    clickButton("cmdMiddle");
    EXPECT_EQ(GetTwips(window_).Height, 4620);
    EXPECT_EQ(text("lblMameRidimen"), "up");
    clickButton("cmdMameRidimen");
    EXPECT_EQ(text("lblMameRidimen"), "up");
    clickButton("cmdLarge");
    clickButton("cmdShort");
    EXPECT_EQ(GetTwips(window_).Width, 2400);

    window_->SaveCfg();
    EXPECT_NE(ReadBytes(dir_ / "Cfg/Mame.cfg").find("FavSize=up\r\n"), std::string::npos);
}

TEST_F(SectionListsTest, TabReachesTheGameListOnlyInTheLargeSize) {
    open();
    // The game list holds the focus as the window becomes shorter.
    for (const std::string size : {"cmdLarge", "cmdMiddle", "cmdShort", "cmdLarge"}) {
        clickButton(size.c_str());
        EXPECT_EQ(tabReachesGames(), size == "cmdLarge") << size;
    }
    // Where the focus is shows: the frame of that control, and of no other, in the highlight.
    window_->activateWindow();
    QApplication::processEvents();
    for (const std::string focused : {"lstMameRom", "cboFilterMameYear", "lstMamePref"}) {
        find(focused.c_str())->setFocus();
        for (const char* name : {"lstMameRom", "lstMamePref", "cboFilterMameYear"}) {
            const QImage drawn = find(name)->grab().toImage();
            const QColor frame = drawn.pixelColor(0, drawn.height() / 2);
            EXPECT_EQ(frame == qApp->palette().color(QPalette::Highlight), name == focused) << name;
        }
    }
}

TEST_F(SectionListsTest, AClickOnTheCurrentFavouriteShowsItAgainAfterTheGameList) {
    WriteCfg(Emu::Mame, {"Galaga"});
    open();
    pickRom("Xevious");
    EXPECT_EQ(text("lblMameRomSettings"), "Xevious");

    clickFavourite("Galaga");
    EXPECT_EQ(text("lblMameRomSettings"), "Galaga");
    clickCurrentGame();
    EXPECT_EQ(text("lblMameRomSettings"), "Xevious");
}

TEST_F(SectionListsTest, TheRightButtonTellsTheSelectedGamesFactsWithoutChangingTheSelection) {
    open();
    pickRom("Galaga");
    rightClick("lstMameRom");

    QMenu* menu = FrmMenu().gameMenu(Emu::Mame);
    Names captions;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            captions.push_back(action->text().toStdString());
    EXPECT_EQ(captions, (Names{"Namco", "1981", "Shooter", "Original"}));
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    EXPECT_EQ(find<QListView>("lstMameRom")->currentIndex().data().toString(), "Galaga");

    // The filter-reset entry of the popup window resets the MAME filters.
    chooseText("cboFilterMameGenre", "Shooter");
    FrmMenu().findChild<QAction*>("mnuResetFilters")->trigger();
    EXPECT_EQ(romNames().size(), 8u);

    // With nothing selected the game list opens its menu all the same, telling nothing; the
    // empty favourites open none.
    chooseText("cboFilterMameGenre", "Shooter");
    chooseText("cboFilterMameMisc", "Clones Only");
    rightClick("lstMamePref");
    EXPECT_FALSE(menu->isVisible());
    rightClick("lstMameRom");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->actions().front()->text().toStdString(), "");
    menu->close();
}

// A combo's text ends short of its arrow: the arrow looks the same whatever item is shown.
TEST_F(SectionListsTest, AComboShowsItsTextClearOfItsArrow) {
    open();
    auto* combo = find<QComboBox>("cboFilterMameManufactor");
    auto arrow = [combo] {
        const QImage drawn = combo->grab().toImage();
        return drawn.copy(drawn.width() - 14, 0, 14, drawn.height());
    };
    combo->setCurrentIndex(-1);
    const QImage empty = arrow();
    combo->setCurrentIndex(combo->findText("Cinematronics + Advanced Microcompute"));
    EXPECT_EQ(arrow(), empty);
}

} // namespace
} // namespace arvok::test
