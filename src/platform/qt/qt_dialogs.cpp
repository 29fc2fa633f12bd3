#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt/ansi.h"

namespace arvok {

Answer QtDialogs::message(const std::string& text, MsgStyle style, const std::string& title) {
    QString body = FromAnsi(text);
    body.replace("\r\n", "\n");
    body.replace('\r', '\n');
    QMessageBox box(style == MsgStyle::Information ? QMessageBox::Information
                                                   : QMessageBox::Warning,
                    FromAnsi(title.empty() ? programTitle_ : title), body, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (style == MsgStyle::WarningYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

} // namespace arvok
