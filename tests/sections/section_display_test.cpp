#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "gif.h"
#include "platform/path.h"
#include "platform/qt/click_label.h"
#include "section_fixture.h"
#include "sections/slide_show.h"
#include "support/shown_texts.h"

namespace arvok::test {
namespace {

const std::string kGif = OnePixelGif(255, 0, 0);

class SectionDisplayTest : public MameCfgTest {
protected:
    SnapshotPage* snapPage() { return find<SnapshotPage>("picMameSnap"); }
    bool running() { return snapPage()->isRunning(); }
    int interval() { return snapPage()->timer()->interval(); }
    bool hidden(const char* name) { return find(name)->isHidden(); }
};

TEST_F(SectionDisplayTest, TheSlideShowPlaysByTheConfigurationPagesOptions) {
    std::string cfg = ReadBytes(dir_ / "Cfg/Mame.cfg");
    cfg.replace(cfg.find("SlideDelay=2"), 12, "SlideDelay=4");
    WriteBytes(dir_ / "Cfg/Mame.cfg", cfg);
    for (const char* name : {"snap/galaga.gif", "snap/galaga00.gif", "snap/galaga01.gif",
                             "Anim/xevious/xevious.gif", "Anim/xevious/xevious00.gif"})
        WriteBytes(dir_ / name, kGif);
    open();

    // 1942 has no snapshot: nothing plays.
    EXPECT_FALSE(running());

    // The settings file's delay (fifth item, 2.5 seconds, not the start-up 1.5), counter hidden.
    pickRom("Galaga");
    EXPECT_TRUE(running());
    EXPECT_EQ(interval(), 2500);
    EXPECT_TRUE(hidden("lblContaSlideMame"));

    // The Medium size leaves the show running; the Small one stops it.
    clickButton("cmdMiddle");
    EXPECT_TRUE(running());
    clickButton("cmdShort");
    EXPECT_FALSE(running());
    clickButton("cmdLarge");

    // A new delay and the counter take effect at the next display.
    clickButton("imgButOpts");
    EXPECT_FALSE(running());
    find<QCheckBox>("chkMameShowCounter")->click();
    choose("cboSlideShowTimer", 6);
    clickButton("imgButSnap");
    EXPECT_EQ(text("lblMameRomSettings"), "Galaga");
    EXPECT_EQ(interval(), 4000);
    EXPECT_FALSE(hidden("lblContaSlideMame"));

    // "Disable" clears and locks the counter option and the delay; the still shows alone.
    clickButton("imgButOpts");
    EXPECT_TRUE(drawsIn("chkMameShowCounter", Qt::black));
    find<QCheckBox>("chkMameNoSlide")->click();
    EXPECT_FALSE(drawsIn("chkMameShowCounter", Qt::black)) << "greyed";
    EXPECT_FALSE(find<QCheckBox>("chkMameShowCounter")->isChecked());
    clickButton("imgButSnap");
    EXPECT_FALSE(running());
    EXPECT_TRUE(hidden("lblContaSlideMame"));
    EXPECT_FALSE(find<QLabel>("imgMameSnap")->pixmap().isNull());

    // An animation plays whatever the slide-show options; the information page stops it.
    pickRom("Xevious");
    EXPECT_TRUE(running());
    EXPECT_EQ(interval(), 55);
    // Stopped and started again by clicks, it keeps its own pace.
    emit find<ClickLabel>("imgMameSnap")->clicked();
    emit find<ClickLabel>("imgMameSnap")->clicked();
    EXPECT_TRUE(running());
    EXPECT_EQ(interval(), 55);
    clickButton("imgButInfo");
    EXPECT_FALSE(running());
    EXPECT_EQ(text("lblInfoName"), "Xevious");
}

TEST_F(SectionDisplayTest, PageButtonsSinkWhilePressedAndActWhenReleased) {
    open();
    auto* info = find("imgButInfo");
    const QPoint rest = info->pos();

    // 15 twips down and right: one pixel.
    SendMouse(info, QEvent::MouseButtonPress);
    EXPECT_EQ(info->pos(), rest + QPoint(1, 1));
    EXPECT_TRUE(hidden("picMameInfo"));

    SendMouse(info, QEvent::MouseButtonRelease);
    EXPECT_EQ(info->pos(), rest);
    EXPECT_FALSE(hidden("picMameInfo"));
}

TEST_F(SectionDisplayTest, OpeningAgainWithoutASettingsFileShowsTheConfigurationPageAlone) {
    RemoveFile(dir_ / "Cfg/Mame.cfg");
    open();
    clickButton("imgButInfo");
    open();

    EXPECT_EQ(AskedTexts(*dialogs_), Names(2, shown::kNoConfiguration));
    for (const char* page : {"picMameSnap", "picMameSettings", "picMameInfo", "picMameHelp"})
        EXPECT_TRUE(hidden(page)) << page;
    EXPECT_FALSE(hidden("picMameConf"));

    // A game chosen there becomes the game in hand and fills no other page.
    const std::string shownInfo = text("lblInfoName");
    pickRom("Galaga");
    EXPECT_EQ(text("lblMameRomSettings"), "Galaga");
    EXPECT_EQ(text("lblInfoName"), shownInfo);

    // A snapshot folder typed in there shows the game's GIF still, the format of a first visit.
    WriteBytes(dir_ / "snap/galaga.gif", kGif);
    find<QLineEdit>("txtOptMameSnap")->setText(QString::fromStdString(dir_ / "snap"));
    clickButton("imgButSnap");
    EXPECT_FALSE(find<QLabel>("imgMameSnap")->pixmap().isNull());
    EXPECT_TRUE(hidden("lblMameNoAvail"));
}

// Paths typed or picked with letters beyond ASCII are the file system's bytes.
TEST_F(SectionDisplayTest, PathsTypedOrPickedAreTheFileSystemsBytesShownAndSaved) {
    const std::string emu = dir_ / "emü 2", snap = dir_ / "snap shots ü", roms = dir_ / "röms";
    WriteBytes(emu + "/mäme", "");
    WriteBytes(snap + "/galaga.gif", kGif);
    open();
    clickButton("imgButOpts");
    find<QLineEdit>("txtOptMameExePath")->setText(QString::fromStdString(emu + "/old"));
    find<QLineEdit>("txtOptMameSnap")->setText(QString::fromStdString(snap));
    answerPicker("mäme");
    clickButton("cmdSfoglia");
    EXPECT_EQ(find<QLineEdit>("txtOptMameExePath")->text(), QString::fromStdString(emu + "/mäme"));

    clickButton("imgButSnap");
    pickRom("1942");
    EXPECT_EQ(find<QLabel>("lblNoSnapFound")->text(), QString::fromStdString(snap));
    pickRom("Galaga");
    EXPECT_TRUE(hidden("lblNoSnapFound"));
    clickButton("imgButSet");
    find<QLineEdit>("txtMameRomPath")->setText(QString::fromStdString(roms));
    find<QRadioButton>("optSnapJPG")->click();
    clickButton("cmdMameExit");

    const std::string cfg = ReadBytes(dir_ / "Cfg/Mame.cfg");
    EXPECT_NE(cfg.find("ExePath=" + emu + "/mäme\r\nEmuDir=" + emu + "\r\n"), std::string::npos);
    EXPECT_NE(cfg.find("SnapPath=" + snap + "\r\nSnapFormat=JPG\r\n"), std::string::npos);
    EXPECT_NE(ReadBytes(dir_ / "Cfg/Mame.set").find("\"Galaga\",\"" + roms + "\","),
              std::string::npos);

    // A folder whose name is no UTF-8 (a Latin-1 "ü", as another system may have named it) is
    // found, and the window saves it again byte for byte.
    const std::string legacy = dir_ / "snap \xFC";
    WriteBytes(legacy + "/galaga.jpg", kGif);
    WriteBytes(dir_ / "Cfg/Mame.cfg", cfg.substr(0, cfg.find("SnapPath=")) + "SnapPath=" + legacy +
                                          cfg.substr(cfg.find("\r\n", cfg.find("SnapPath="))));
    open();
    clickButton("imgButSnap");
    pickRom("Galaga");
    EXPECT_FALSE(find<QLabel>("imgMameSnap")->pixmap().isNull());
    EXPECT_TRUE(hidden("lblNoSnapFound"));
    clickButton("cmdMameExit");
    EXPECT_NE(ReadBytes(dir_ / "Cfg/Mame.cfg").find("SnapPath=" + legacy + "\r\n"),
              std::string::npos);
}

} // namespace
} // namespace arvok::test
