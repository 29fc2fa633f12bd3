#include "sections/help_page.h"

#include <QLabel>
#include <QListWidget>

#include "platform/qt/ansi.h"
#include "platform/qt/controls.h"
#include "sections/section_design.h"
#include "sections/section_widgets.h"

namespace arvok {

HelpPage::HelpPage(Emu emu, QWidget* window) : QWidget(window), emu_(emu) {
    const std::string base = Section(emu).baseName;
    PlacePage(this, "pic" + base + "Help");
    const SectionDesign& design = Design(emu);
    if (design.buildHelpPage) {
        design.buildHelpPage(this);
        return;
    }
    const bool history = Section(emu).hasHistory;
    if (history || !design.helpListItems.empty()) {
        const auto& r = design.helpList;
        if (design.helpListHeading)
            MakeLabel(this, "", QString::fromLatin1(design.helpListHeading), r[0], 30, r[2],
                      kPageRow);
        list_ =
            Placed(new QListWidget(this), ("lst" + base + "Help").c_str(), r[0], r[1], r[2], r[3]);
        NoSidewaysScroll(list_);
        for (const std::string& item : design.helpListItems)
            list_->addItem(FromAnsi(item));
    }
    constexpr int kKeyRow = 180;
    for (const HelpBlock& block : design.helpBlocks) {
        int top = block.top;
        if (block.heading) {
            MakeLabel(this, "", QString::fromLatin1(block.heading), block.left, top,
                      block.keyWidth + block.actionWidth, kPageRow);
            top += kPageRow;
        }
        for (const HelpKey& key : block.keys) {
            MakeLabel(this, "", QString::fromLatin1(key.key), block.left, top, block.keyWidth,
                      kKeyRow);
            MakeLabel(this, "", QString::fromLatin1(key.action), block.left + block.keyWidth, top,
                      block.actionWidth, kKeyRow);
            top += kKeyRow;
        }
    }
}

void HelpPage::showGame(const std::string& game, const std::string& emulatorDir) {
    if (!Section(emu_).hasHistory)
        return;
    list_->clear();
    for (const std::string& item : history_.entry(emu_, emulatorDir, game))
        list_->addItem(FromAnsi(item));
}

} // namespace arvok
