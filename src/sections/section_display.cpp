// The selected-game display and the page buttons of a section window.
#include <QLabel>
#include <QLineEdit>

#include "platform/qt/ansi.h"
#include "sections/help_page.h"
#include "sections/info_page.h"
#include "sections/section_window.h"
#include "sections/slide_show.h"

namespace arvok {

std::string SectionWindow::romSettingsKey() const {
    return ToAnsi(romSettings_->text());
}

// Shows "title" on the page that is visible. The snapshot page counts as visible while its
// picture has its own visible flag set, even behind another page.
void SectionWindow::ShowGameDetail(const std::string& title) {
    if (filterBusy_)
        return;
    snapPage_->stop();
    if (!snapPage_->image()->isHidden()) {
        DirSnap = ToPath(snapPath_->text());
        if (title.empty() || !lookup(title))
            return;
        romSettings_->setText(FromAnsi(title));
        if (snapPage_->showGame(RomSel) == SnapShown::Nothing)
            loadGameSettings(title);
        return;
    }
    switch (visiblePage()) {
    case Page::Settings:
        saveGameSettings();
        romSettings_->setText(FromAnsi(title));
        loadGameSettings(title);
        break;
    case Page::Info:
        romSettings_->setText(FromAnsi(title));
        info_->showGame(title);
        break;
    case Page::Help:
        romSettings_->setText(FromAnsi(title));
        help_->showGame(title, ToPath(emuDir_->text()));
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
    saveGameSettings();
    ShowGameDetail(romSettingsKey());
}

// The information, help and configuration buttons.
void SectionWindow::onLeaveButton(Page page) {
    snapPage_->stop();
    saveGameSettings();
    showPage(page);
    if (page == Page::Info)
        info_->showGame(romSettingsKey());
    else if (page == Page::Help)
        help_->showGame(romSettingsKey(), ToPath(emuDir_->text()));
}

void SectionWindow::onSettingsButton() {
    snapPage_->stop();
    if (visiblePage() == Page::Settings)
        return;
    showPage(Page::Settings);
    if (romSettingsKey().empty())
        selectFirstGame();
    const std::string key = romSettingsKey();
    if (key.empty())
        return;
    if (loadGameSettings(key) != SettingsSource::BuiltIn && gameRomPath_->text().isEmpty())
        gameRomPath_->setText(romPath_->text());
}

} // namespace arvok
