#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/path.h"
#include "section_fixture.h"
#include "shell/pickers.h"
#include "support/shown_texts.h"

namespace arvok::test {
namespace {

using SectionConfTest = MameCfgTest;

// Every option of the page comes from the settings file and goes back into it as it was; the
// tags beside the two ROM paths cannot be typed into.
TEST_F(SectionConfTest, EveryOptionIsReadFromTheSettingsFileAndSavedBackAsItWas) {
    const std::string cfg = dir_ / "Cfg/Mame.cfg";
    open()->SaveCfg();
    const std::string saved = ReadBytes(cfg);
    closeSection(Emu::Mame);
    const struct {
        const char *key, *value, *control, *property, *shown;
    } kOptions[] = {
        {"ExePath", "/opt/mame", "txtOptMameExePath", "text", "/opt/mame"},
        {"EmuDir", "/opt", "lblOptMameHide", "text", "/opt"},
        {"RomPath", "/opt/roms", "txtOptMameRomPath", "text", "/opt/roms"},
        {"AltRomPath", "/opt/alt", "txtOptMameRomPathAlt", "text", "/opt/alt"},
        {"SnapPath", "/opt/snapshots/of/every/game/I/played/in/the/arcades", "txtOptMameSnap",
         "text", "/opt/snapshots/of/every/game/I/played/in/the/arcades"},
        {"SnapFormat", "JPG", "optSnapJPG", "checked", "true"},
        {"SnapFormat", "BMP", "optSnapBMP", "checked", "true"},
        {"NoSlideShow", "1", "chkMameNoSlide", "checked", "true"},
        {"ShowCounter", "1", "chkMameShowCounter", "checked", "true"},
        {"SlideDelay", "7", "cboSlideShowTimer", "currentText", "5,0 Seconds"},
    };
    for (const auto& o : kOptions) {
        std::string bytes = saved;
        const size_t at = bytes.find(std::string("\n") + o.key + "=") + 1;
        bytes.replace(at, bytes.find('\r', at) - at, o.key + std::string("=") + o.value);
        WriteBytes(cfg, bytes);
        open();
        EXPECT_EQ(find(o.control)->property(o.property).toString().toStdString(), o.shown)
            << o.key << "=" << o.value;
        if (auto* edit = qobject_cast<QLineEdit*>(find(o.control))) {
            const QImage shown = edit->grab().toImage();
            edit->home(false);
            EXPECT_EQ(edit->grab().toImage(), shown) << o.key;
        }
        window_->SaveCfg();
        EXPECT_EQ(ReadBytes(cfg), bytes);
        closeSection(Emu::Mame);
    }
    open();
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    for (const char* tag : {"Text2", "Text3"})
        QApplication::sendEvent(find(tag), &typed);
    EXPECT_EQ(texts({"Text2", "Text3"}), (Names{"DEF", "ALT"}));
}

TEST_F(SectionConfTest, TheGamesRomFolderPickerListsItsZipAndAnOriginalParentsZip) {
    std::vector<Game> games = kMameGames;
    games.push_back({"Ghost Clone", "ghostc", "C", "ghost", "Shooter", "Namco", "1982"});
    WriteDataFile("Mame", games);
    open();
    clickButton("imgButSet");

    pickRom("Puck Man (Japan)");
    Shown clone = pick("cmdMameSelDir");
    EXPECT_EQ(clone.caption, "Search Rom for Puck Man (Japan) (puckman.zip;pacman.zip)");
    EXPECT_EQ(clone.pattern, "puckman.zip;pacman.zip");
    EXPECT_EQ(clone.tag, "MAMESETTINGS");

    pickRom("Metal Slug");
    EXPECT_EQ(pick("cmdMameSelDir").caption, "Search Rom for Metal Slug (mslug.zip)");
    EXPECT_TRUE(dialogs_->asked.empty()) << "the Neo-Geo set is no parent to look up";
    EXPECT_EQ(window_->CloneOf, "");

    // A parent the data file lacks is reported and not offered.
    pickRom("Ghost Clone");
    dialogs_->asked.clear();
    EXPECT_EQ(pick("cmdMameSelDir").pattern, "ghostc.zip");
    ASSERT_EQ(AskedTexts(*dialogs_), Names{shown::kNoRomInDataFile});

    // It opens on the game's ROM folder; Select writes the folder opened in the picker into the
    // game's ROM folder and saves the settings file.
    find<QLineEdit>("txtMameRomPath")->setText(QString::fromStdString(dir_ / "mine"));
    WriteBytes(dir_ / "mine/roms/mslug.zip", "zip");
    RemoveFile(dir_ / "Cfg/Mame.cfg");
    EXPECT_EQ(pick("cmdMameSelDir", true, "roms").folder, dir_ / "mine");
    EXPECT_EQ(text("txtMameRomPath"), dir_ / "mine/roms");
    EXPECT_NE(ReadBytes(dir_ / "Cfg/Mame.cfg"), "<missing>");
}

TEST_F(SectionConfTest, PickersOpenOnTheFieldsFoldersWithTheirTagsAndPatterns) {
    WriteBytes(dir_ / "snap/galaga.jpg", "jpg");
    WriteBytes(dir_ / "snap/more/galaga.jpg", "jpg");
    WriteBytes(dir_ / "emu/mame.sh", "");
    open();
    clickButton("imgButOpts");
    find<QRadioButton>("optSnapJPG")->click();
    Shown snap = pick("cmdDirSnap", true, "more");
    EXPECT_EQ(snap.tagAndFolder(), "MAMESNAP " + dir_ / "snap");
    EXPECT_EQ(snap.pattern, "*.jpg");
    EXPECT_EQ(text("txtOptMameSnap"), dir_ / "snap/more");
    EXPECT_NE(ReadBytes(dir_ / "Cfg/Mame.cfg").find("SnapPath=" + dir_ / "snap/more\r"),
              std::string::npos)
        << "saved at once";
    EXPECT_NE(text("txtMameRomPath"), dir_ / "snap/more");
    // B.ALT lists the zips and writes the folder chosen into the alternative path alone.
    WriteBytes(dir_ / "alt/more/x.zip", "zip");
    const Shown alt = pick("cmdSelDirAlt", true, "more");
    EXPECT_EQ(alt.tag + " " + alt.pattern, "MAMEROMALT *.zip");
    EXPECT_EQ(text("txtOptMameRomPathAlt"), dir_ / "alt/more");
    EXPECT_EQ(text("txtOptMameRomPath"), dir_ / "roms");
    EXPECT_EQ(pick("cmdSfoglia").tagAndFolder(), "MAME " + dir_ / "emu");
}

TEST_F(SectionConfTest, APathHoldingALineBreakIsRefusedNamedAndNeverStored) {
    WriteBytes(dir_ / "snap/shots\nold/galaga.gif", "gif");
    open();
    clickButton("imgButOpts");
    // A folder chosen in a picker.
    pick("cmdDirSnap", true, "shots\nold");
    EXPECT_EQ(text("txtOptMameSnap"), dir_ / "snap");
    // A program pasted into its field.
    const std::string cfg = ReadBytes(dir_ / "Cfg/Mame.cfg");
    const std::string program = dir_ / "emu/ma\rme/mame";
    find<QLineEdit>("txtOptMameExePath")->setText(QString::fromStdString(program));
    window_->SaveCfg();
    EXPECT_EQ(text("txtOptMameExePath"), program);
    EXPECT_EQ(ReadBytes(dir_ / "Cfg/Mame.cfg"), cfg);
    EXPECT_EQ(
        AskedTexts(*dialogs_),
        (Names{"The snapshot folder\r" + dir_ / "snap/shots\nold" +
                   "\rcannot be kept in the settings file: it holds a line break. It was not "
                   "chosen.",
               "The program\r" + program +
                   "\rcannot be kept in the settings file: it holds a line break. The settings "
                   "were not saved."}));
}

TEST_F(SectionConfTest, ScanNowFindsTheZipsOfBothRomFoldersForTheAvailableList) {
    WriteBytes(dir_ / "roms/galaga.zip", "zip");
    WriteBytes(dir_ / "roms/pacman.zip", "zip");
    WriteBytes(dir_ / "alt/XEVIOUS.ZIP", "zip");
    open();
    clickButton("imgButOpts");
    clickButton("lblScanNow");
    ASSERT_EQ(dialogs_->asked.size(), 1u);

    // Merged, as the window opens: a clone is owned with its parent's zip.
    choose("cboFilterMameMisc", 3);
    EXPECT_EQ(romNames(), (Names{"Galaga", "Pac-Man", "Puck Man (Japan)", "Xevious"}));
    choose("cboFilterMameMisc", 4);
    EXPECT_EQ(romNames().size(), 4u);

    // Split: a clone needs a zip of its own.
    find<QRadioButton>("optSplitted")->click();
    clickButton("lblScanNow");
    choose("cboFilterMameMisc", 3);
    EXPECT_EQ(romNames(), (Names{"Galaga", "Pac-Man", "Xevious"}));
}

} // namespace
} // namespace arvok::test
