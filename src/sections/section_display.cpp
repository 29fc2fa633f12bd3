// The selected-game display and the page buttons of a section window.
#include <QLabel>

#include "platform/qt/ansi.h"
#include "sections/conf_page.h"
#include "sections/help_page.h"
#include "sections/info_page.h"
#include "sections/section_window.h"
#include "sections/settings_page.h"
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
        selectFirstGame();
    const std::string key = romSettingsKey();
    if (key.empty())
        return;
    settings_->loadShown(key);
}

} // namespace arvok
