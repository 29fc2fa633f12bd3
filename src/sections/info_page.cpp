#include "sections/info_page.h"

#include <QLabel>

#include "catalogue/game_info.h"
#include "platform/qt/ansi.h"
#include "sections/section_design.h"
#include "sections/section_widgets.h"

namespace arvok {

InfoPage::InfoPage(Emu emu, DataFiles& files, QWidget* window)
    : QWidget(window), emu_(emu), files_(files) {
    PlacePage(this, "pic" + std::string(Section(emu).baseName) + "Info");
    values_.assign(kInfoItems, nullptr);
    // A value label ends a gap before the caption beside it, so that a long value is clipped
    // clear of that caption.
    constexpr int kHalf = 1905, kCaption = 690, kGap = 60;
    int top = 30;
    for (const InfoRow& row : Design(emu).infoRows) {
        if (row.heading) {
            MakeLabel(this, "", QString::fromLatin1(row.heading), 60, top, kHalf, kPageRow);
            if (row.rightHeading)
                MakeLabel(this, "", QString::fromLatin1(row.rightHeading), 60 + kHalf, top,
                          kHalf - kGap, kPageRow);
        }
        const bool wide = row.cells.size() == 1;
        for (size_t c = 0; c < row.cells.size(); ++c) {
            const int left = 60 + static_cast<int>(c) * kHalf;
            const int width = wide ? 2 * kHalf : kHalf;
            MakeLabel(this, "", QString::fromLatin1(row.cells[c].caption), left, top, kCaption,
                      kPageRow);
            values_[static_cast<size_t>(row.cells[c].item)] =
                MakeLabel(this, kInfoLabels[static_cast<size_t>(row.cells[c].item)], {},
                          left + kCaption, top, width - kCaption - kGap, kPageRow);
        }
        top += kPageRow;
    }
}

void InfoPage::showGame(const std::string& game) {
    GameInfo info = ReadGameInfo(files_, emu_, game);
    for (size_t i = 0; i < values_.size(); ++i)
        values_[i]->setText(FromAnsi(info.text[i]));
}

} // namespace arvok
