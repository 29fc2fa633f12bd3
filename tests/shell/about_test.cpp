#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "platform/path.h"
#include "platform/qt/qt_dialogs.h"
#include "shell/about.h"
#include "shell/installation.h"
#include "shell/launcher.h"
#include "shell/section_hooks.h"
#include "support/control_table.h"
#include "support/shown_texts.h"
#include "support/widgets.h"

namespace arvok {
namespace {

using test::Find;

TEST(About, ShrunkAsFarAsItGoesItKeepsTheSizeItIsShownAt) {
    AboutDialog about;
    // Shown as a plain window: the test looks at it without the modal loop it is run in.
    about.setModal(false);
    about.show();
    const QSize shown = about.size();
    about.resize(1, 1);
    QApplication::processEvents();
    EXPECT_EQ(about.size(), shown);
}

TEST(About, ItStandsAsDesignedAndItsLinksOpenAMailToTheAuthorAndTheWebPage) {
    QTextBrowser mail, web;
    QDesktopServices::setUrlHandler("mailto", &mail, "setSource");
    QDesktopServices::setUrlHandler("http", &web, "setSource");
    AboutDialog about;
    EXPECT_EQ(test::ControlDifferences(&about, "frmAbout.txt"), std::vector<std::string>{});
    test::Click(Find(&about, "lblEMailMe"));
    test::Click(Find(&about, "lblArvokWeb"));
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("http");
    EXPECT_EQ(mail.source().toString().toStdString(), "mailto:" + test::shown::kMailAddress);
    EXPECT_EQ(web.source().toString().toStdString(), test::shown::kWebAddress);
}

TEST(About, TheLauncherShowsItModallyAndItsLogoLeadsToTheDedicationAsDesigned) {
    Installation installation(CurrentDirectory());
    SectionHooks hooks = DefaultHooks(installation);
    LauncherWindow launcher(installation, hooks);
    std::vector<std::string> seen;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        seen.push_back(about->objectName().toStdString());
        QTimer::singleShot(0, [&] {
            QWidget* dedication = QApplication::activeModalWidget();
            ASSERT_NE(dedication, nullptr);
            seen.push_back(dedication->objectName().toStdString());
            seen.push_back(dedication->parentWidget()->objectName().toStdString());
            EXPECT_EQ(test::ControlDifferences(dedication, "frmDedicated.txt"),
                      std::vector<std::string>{});
            Find<QPushButton>(dedication, "cmdBarTorvo")->click();
        });
        test::DoubleClick(Find(about, "imgArvok"));
        seen.push_back(QApplication::activeModalWidget()->objectName().toStdString());
        Find<QPushButton>(about, "cmdOk")->click();
    });
    test::Click(Find(&launcher, "lblAbout"));
    EXPECT_EQ(seen, (std::vector<std::string>{"frmAbout", "frmDedicated", "frmAbout", "frmAbout"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Each style of box shows the title given, else the program's, and its text as plain text, never
// as markup, and answers by the button pressed.
TEST(QtDialogs, EachStyleShowsTheTitleAndAnswersByTheButtonPressed) {
    QtDialogs dialogs(texts::Title());
    const struct {
        MsgStyle style;
        QString pressed;
        Answer answer;
        const char* title;
    } kCases[] = {
        {MsgStyle::Warning, "OK", Answer::Ok, ""},
        {MsgStyle::WarningYesNo, "&Yes", Answer::Yes, ""},
        {MsgStyle::WarningYesNo, "&No", Answer::No, "Warning!"},
        {MsgStyle::Information, "OK", Answer::Ok, ""},
    };
    for (const auto& c : kCases) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), *c.title ? c.title : "Arvok v0.1b");
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            for (QAbstractButton* button : box->buttons())
                if (button->text() == c.pressed)
                    button->click();
        });
        EXPECT_EQ(dialogs.message("one\rtwo", c.style, c.title), c.answer);
    }
}

} // namespace
} // namespace arvok
