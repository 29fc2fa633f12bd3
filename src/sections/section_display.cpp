// The selected-game display, the page buttons, the lookups and the launch of a section window.
#include <QLabel>

#include "catalogue/rom_lookup.h"
#include "launch/launch.h"
#include "platform/qt/ansi.h"
#include "sections/conf_page.h"
#include "sections/game_lists.h"
#include "sections/help_page.h"
#include "sections/info_page.h"
#include "sections/section_design.h"
#include "sections/section_launch.h"
#include "sections/section_window.h"
#include "sections/settings_page.h"
#include "sections/slide_show.h"
#include "shell/installation.h"

namespace arvok {

std::string SectionWindow::romSettingsKey() const {
    return ToAnsi(romSettings_->text());
}

// Shows "title" on the page that is visible. The snapshot page counts as visible while its
// picture has its own visible flag set, even behind another page.
void SectionWindow::ShowGameDetail(const std::string& title) {
    if (lists_->busy())
        return;
    snapPage_->stop();
    if (!snapPage_->image()->isHidden()) {
        DirSnap = conf_->snapPath();
        if (title.empty() || !lookup(title))
            return;
        romSettings_->setText(FromAnsi(title));
        if (snapPage_->showGame(RomSel) == SnapShown::Nothing)
            settings_->load(title);
        return;
    }
    switch (visiblePage()) {
    case Page::Settings:
        settings_->save();
        romSettings_->setText(FromAnsi(title));
        settings_->load(title);
        break;
    case Page::Info:
        romSettings_->setText(FromAnsi(title));
        info_->showGame(title);
        break;
    case Page::Help:
        romSettings_->setText(FromAnsi(title));
        help_->showGame(title, conf_->emulatorDir());
        break;
    case Page::Conf:
        romSettings_->setText(FromAnsi(title));
        break;
    case Page::Snap:
        break;
    }
}

void SectionWindow::onSnapButton() {
    showPage(Page::Snap);
    settings_->save();
    ShowGameDetail(romSettingsKey());
}

// The information, help and configuration buttons.
void SectionWindow::onLeaveButton(Page page) {
    snapPage_->stop();
    settings_->save();
    showPage(page);
    if (page == Page::Info)
        info_->showGame(romSettingsKey());
    else if (page == Page::Help)
        help_->showGame(romSettingsKey(), conf_->emulatorDir());
}

void SectionWindow::onSettingsButton() {
    snapPage_->stop();
    if (visiblePage() == Page::Settings)
        return;
    showPage(Page::Settings);
    if (romSettingsKey().empty())
        lists_->selectFirst();
    const std::string key = romSettingsKey();
    if (key.empty())
        return;
    settings_->loadShown(key);
}

// Looks the game up for the display or a picker. A game the data file lacks has been reported
// and, as takeLookup says, may have left the favourites; the favourite that took its place is
// then selected and shown.
bool SectionWindow::lookup(const std::string& game) {
    RomLookup result = LookupRom(installation_.data, emu_, game);
    if (!result.found)
        installation_.notices.tell(NotFound(result));
    takeLookup(game, result);
    return result.found;
}

// The game's own ROM folder: the picker lists the game's zip and, in a section whose picker
// offers the parent, the parent's zip as the launch offers it. A parent the data file lacks is
// reported and not offered.
void SectionWindow::browseGameRomFolder() {
    const std::string game = romSettingsKey();
    if (!lookup(game))
        return;
    std::string offeredParent;
    if (design_.romPickerOffersParent) {
        bool parentMissing = false;
        offeredParent = MameParentToOffer(installation_.data, CloneOf, &parentMissing);
        if (parentMissing)
            installation_.notices.gameMissing();
        if (offeredParent.empty())
            CloneOf.clear();
    }
    settings_->openRomFolderPicker(
        GameRomFolderRequest(emu_, game, RomSel, offeredParent, settings_->romFolder()));
}

void SectionWindow::takeLookup(const std::string& game, const RomLookup& result) {
    if (result.found) {
        RomSel = result.romSel;
        CloneOf = result.cloneOf;
        return;
    }
    if (result.dataFileHasRecords)
        lists_->dropMissing(game);
}

// The launch: the settings file saved, the settings page stored for the game it holds (so that
// changes made there just before are not lost), the game's settings loaded into the page unless
// it holds them already, then the emulator started with them. When the page holds this very game
// and could not be stored, the game runs with the settings as the page shows them, not with the
// record they were to replace, and the page keeps them.
void SectionWindow::launch(const std::string& game) {
    if (game.empty())
        return;
    SaveCfg();
    settings_->save();
    if (settings_->loadedKey() != game)
        settings_->load(game);
    RunSection(*this, game);
}

} // namespace arvok
