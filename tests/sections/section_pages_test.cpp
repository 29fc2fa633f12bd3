#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <sys/stat.h>

#include "gif.h"
#include "section_fixture.h"
#include "settings/game_settings.h"
#include "support/shown_texts.h"

namespace arvok::test {
namespace {

const std::string kGif = OnePixelGif(255, 0, 0);

// A MAME record of "key": the built-in defaults with the given slots changed.
std::string MameRecord(const std::string& key,
                       std::vector<std::pair<size_t, std::string>> changes) {
    SettingsFields fields = BuiltInDefaults(SettingsFiles(""), Emu::Mame);
    fields[kRomPathSlot] = "/roms/" + key;
    for (const auto& [slot, value] : changes)
        fields[slot] = value;
    return EncodeRecord(Emu::Mame, key, fields);
}

using SectionPagesTest = MameCfgTest;

TEST_F(SectionPagesTest, TheSnapshotPageShowsTheStillOrWhatWasLookedForAndThatGamesSettings) {
    WriteBytes(dir_ / "snap/galaga.gif", kGif);
    WriteLines(dir_ / "Cfg/Mame.set", {MameRecord("1942", {{mame::Monitor, "2"}})});
    open();

    // 1942 has no still: the notice names the folder and the file, and the game's own
    // settings come into the settings page.
    EXPECT_EQ(texts({"lblNoSnapFound", "lblLookedFor", "lblMameRomSettings"}),
              (Names{dir_.path() + "/snap", "1942.gif", "1942"}));
    EXPECT_EQ(comboIndex("cboMameMonitor"), 2);

    pickRom("Galaga");
    EXPECT_FALSE(find<QLabel>("imgMameSnap")->pixmap().isNull());
    EXPECT_EQ(window_->RomSel, "galaga");
    EXPECT_EQ(text("lblMameRomSettings"), "Galaga");
    // A still leaves the settings page as it was.
    EXPECT_EQ(comboIndex("cboMameMonitor"), 2);
    pickRom("1942");
    EXPECT_TRUE(find<QLabel>("imgMameSnap")->pixmap().isNull()) << "Galaga's still is gone";
}

TEST_F(SectionPagesTest, TheInformationAndHelpPagesFollowTheSelectedGame) {
    WriteBytes(dir_ / "emu/gamelist.txt", "Galaga (c) 1981 Namco\r\nA space shooter.\r\n\r\n"
                                          "\r\nXevious (c) 1982 Namco\r\nScrolling.\r\n\r\n\r\n");
    open();

    clickButton("imgButInfo");
    EXPECT_TRUE(find("picMameInfo")->isVisible());
    EXPECT_TRUE(find<QLabel>("imgMameSnap")->isHidden());
    EXPECT_EQ(text("lblInfoName"), "1942");
    pickRom("Puck Man (Japan)");
    EXPECT_EQ(texts({"lblMameRomSettings", "lblInfoName"}),
              (Names{"Puck Man (Japan)", "Puck Man (Japan)"}));

    clickButton("imgButHelp");
    EXPECT_EQ(items("lstMameHelp"), Names{"Game info not found in gamelist.txt!"});
    pickRom("Galaga");
    EXPECT_EQ(items("lstMameHelp"), (Names{"Galaga (c) 1981 Namco", "A space shooter.", "", ""}));
    EXPECT_TRUE(dialogs_->asked.empty());
}

// An empty ROM folder of a record takes the configuration page's folder when the settings page
// is opened on the game, and only then.
TEST_F(SectionPagesTest, AnEmptyRomFolderTakesTheSectionsFolderWhenTheSettingsPageOpens) {
    WriteLines(dir_ / "Cfg/Mame.set", {MameRecord("Galaga", {{kRomPathSlot, ""}}),
                                       MameRecord("[DEFAULT]", {{kRomPathSlot, ""}})});
    open();
    clickButton("imgButSet");
    EXPECT_EQ(text("txtMameRomPath"), dir_ / "roms");

    pickRom("Galaga");
    EXPECT_EQ(text("txtMameRomPath"), "");
    clickButton("imgButInfo");
    clickButton("imgButSet");
    EXPECT_EQ(text("txtMameRomPath"), dir_ / "roms");
}

TEST_F(SectionPagesTest, BrowsingOnOtherPagesNeverStoresOneGamesSettingsUnderAnother) {
    const Names records{
        MameRecord("1942", {{mame::Monitor, "1"}}),
        MameRecord("Galaga", {{mame::Monitor, "2"}, {mame::Cheat, "1"}}),
        MameRecord("Xevious", {{mame::Monitor, "3"}}),
    };
    WriteLines(dir_ / "Cfg/Mame.set", records);
    open();

    clickButton("imgButInfo");
    pickRom("Galaga");
    pickRom("Xevious");
    clickButton("imgButOpts");
    pickRom("Pac-Man");
    clickButton("imgButSnap");
    clickButton("imgButHelp");
    window_->saveAll();

    // The three records stay as they were; Pac-Man, shown on the snapshot page without a still,
    // had its default settings loaded and, left as they were, gets no record.
    EXPECT_EQ(ReadBytes(dir_ / "Cfg/Mame.set"),
              records[0] + "\r\n" + records[1] + "\r\n" + records[2] + "\r\n");
}

// Each step through the list with the settings page shown stores the game shown before, then
// loads the next; a store that changes no byte leaves the file as it stands, not rewritten.
TEST_F(SectionPagesTest, BrowsingOverUnchangedSettingsLeavesTheFileUntouched) {
    const Names records{MameRecord("1942", {}), MameRecord("Galaga", {{mame::Monitor, "2"}}),
                        MameRecord("Metal Slug", {{mame::Monitor, "3"}}),
                        MameRecord("Pac-Man", {{mame::Monitor, "1"}})};
    const std::string path = dir_ / "Cfg/Mame.set";
    WriteLines(path, records);
    auto stamp = [&path] {
        struct stat st {};
        return std::tuple(stat(path.c_str(), &st), st.st_ino, st.st_mtim.tv_sec,
                          st.st_mtim.tv_nsec);
    };
    const auto before = stamp();
    open();
    clickButton("imgButSet");
    pickRom("Galaga");

    QWidget* list = find("lstMameRom");
    pressKey(list, Qt::Key_Down);
    pressKey(list, Qt::Key_Down);
    EXPECT_EQ(texts({"lblMameRomSettings", "txtMameRomPath"}), (Names{"Pac-Man", "/roms/Pac-Man"}));
    EXPECT_EQ(comboIndex("cboMameMonitor"), 1);
    EXPECT_EQ(stamp(), before);

    // A record another program changed meanwhile stays as it left it when the game is left
    // unchanged; a change made on the page is stored at the next step, in the record's place.
    const std::string edited = MameRecord("Pac-Man", {{mame::Monitor, "3"}});
    WriteLines(path, {records[0], records[1], records[2], edited});
    pressKey(list, Qt::Key_Up);
    choose("cboMameMonitor", 0);
    pressKey(list, Qt::Key_Down);
    EXPECT_EQ(ReadBytes(path), records[0] + "\r\n" + records[1] + "\r\n" +
                                   MameRecord("Metal Slug", {}) + "\r\n" + edited + "\r\n");
}

TEST_F(SectionPagesTest, RecordAndPlaybackExcludeEachOtherAndPlaybackAsksForItsRecording) {
    // The recordings folder is found whatever the letter case of its name.
    WriteBytes(dir_ / "emu/inp/best.inp", "x");
    WriteLines(dir_ / "Cfg/Mame.set",
               {MameRecord("Xevious", {{mame::Record, "1"}}), MameRecord("1942", {})});
    open();
    clickButton("imgButSet");
    auto* record = find<QCheckBox>("chkMameRecord");
    auto* playback = find<QCheckBox>("chkMamePlayback");
    auto state = [&] {
        return std::tuple(record->isChecked(), record->font().bold(), playback->isChecked());
    };

    record->click();
    EXPECT_TRUE(record->font().bold());
    EXPECT_EQ(record->palette().color(record->foregroundRole()), VbColor(0x80));

    // The picker lists the recordings folder and lets no other be opened.
    bool folderLocked = false;
    QTimer::singleShot(0, [&] {
        folderLocked =
            !QApplication::activeModalWidget()->findChild<QWidget*>("dirSelExe")->isEnabled();
    });
    answerPicker("best.inp");
    playback->click();
    EXPECT_TRUE(folderLocked);
    EXPECT_EQ(state(), std::tuple(false, false, true));
    EXPECT_EQ(text("lblHideInp"), "best.inp");
    EXPECT_EQ(playback->toolTip().toStdString(), " Playback:  <best.inp> ");

    record->click();
    EXPECT_EQ(state(), std::tuple(true, true, false));

    // A picker closed by its frame leaves Playback unchecked, Record unchecked too.
    answerPicker("");
    playback->click();
    EXPECT_EQ(state(), std::tuple(false, false, false));

    // Settings that tick Record act as a click on it: its look comes and Playback goes; the
    // next game's settings untick it and take its look away.
    answerPicker("best.inp");
    playback->click();
    pickRom("Xevious");
    EXPECT_EQ(state(), std::tuple(true, true, false));
    pickRom("Galaga");
    EXPECT_EQ(state(), std::tuple(false, false, false));

    // A game's own settings that leave Record unticked leave Playback as it stands.
    answerPicker("best.inp");
    playback->click();
    pickRom("1942");
    EXPECT_EQ(state(), std::tuple(false, false, true));
}

TEST_F(SectionPagesTest, SkipFieldsHoldOnlyAnOptionalMinusAndDigits) {
    open();
    clickButton("imgButSet");
    auto* row = find<QLineEdit>("txtMameSkipR");
    auto* column = find<QLineEdit>("txtMameSkipC");

    auto type = [](QLineEdit* edit, int key, const char* text,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString::fromLatin1(text));
        QApplication::sendEvent(edit, &event);
    };
    row->selectAll();
    type(row, Qt::Key_Minus, "-");
    type(row, Qt::Key_9, "9", Qt::KeypadModifier);
    EXPECT_EQ(row->text().toStdString(), "-9");
    EXPECT_TRUE(dialogs_->asked.empty());

    QImage behindWarning;
    dialogs_->whenAsked = [&] { behindWarning = row->grab().toImage(); };
    type(row, Qt::Key_X, "x");
    EXPECT_EQ(row->text().toStdString(), "0");
    EXPECT_EQ(behindWarning, row->grab().toImage());
    ASSERT_EQ(AskedTexts(*dialogs_), Names{"Format not valid!  \rYou must enter only 0-9 or\r"
                                           "optionally '-' for negative values"});
    EXPECT_EQ(dialogs_->asked[0].title, "Warning!");
    row->selectAll();
    type(row, Qt::Key_Plus, "+");
    EXPECT_EQ(row->text().toStdString(), "0");

    // Pasted text is held to the same rule; a minus after a digit is refused too.
    column->selectAll();
    column->insert(QStringLiteral("1-2"));
    emit column->textEdited(column->text());
    EXPECT_EQ(column->text().toStdString(), "0");
    EXPECT_EQ(dialogs_->asked.back().title, "");
    EXPECT_EQ(MessageDifferences(*dialogs_), Names{});

    column->selectAll();
    type(column, Qt::Key_Backspace, "");
    EXPECT_EQ(column->text().toStdString(), "0");
}

} // namespace
} // namespace arvok::test
