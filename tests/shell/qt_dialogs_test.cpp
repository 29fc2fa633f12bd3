#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "platform/qt/qt_dialogs.h"

namespace arvok {
namespace {

// Each style of box shows its icon, its buttons and the program's title, the text's CRs as line
// breaks, and answers by the button pressed.
TEST(QtDialogs, EachStyleShowsItsIconButtonsAndTitle) {
    QtDialogs dialogs(texts::Title());
    constexpr auto kWarning = QStyle::SP_MessageBoxWarning;
    const struct {
        MsgStyle style;
        QStyle::StandardPixmap icon;
        QStringList buttons;
        QString pressed;
        Answer answer;
    } kCases[] = {
        {MsgStyle::Warning, kWarning, {"OK"}, "OK", Answer::Ok},
        {MsgStyle::WarningYesNo, kWarning, {"&No", "&Yes"}, "&Yes", Answer::Yes},
        {MsgStyle::WarningYesNo, kWarning, {"&No", "&Yes"}, "&No", Answer::No},
        {MsgStyle::Information, QStyle::SP_MessageBoxInformation, {"OK"}, "OK", Answer::Ok},
    };
    for (const auto& c : kCases) {
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Arvok v0.1b");
            EXPECT_EQ(box->text(), "one\ntwo");
            const QPixmap icon = box->iconPixmap();
            EXPECT_TRUE(icon.toImage() ==
                        box->style()->standardIcon(c.icon).pixmap(icon.size()).toImage())
                << "the icon of the style " << static_cast<int>(c.style);
            for (QAbstractButton* button : box->buttons())
                buttons.push_back(button->text());
            buttons.sort();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == c.pressed)
                    button->click();
        });
        EXPECT_EQ(dialogs.message("one\rtwo", c.style), c.answer);
        EXPECT_EQ(buttons, c.buttons);
    }
}

} // namespace
} // namespace arvok
