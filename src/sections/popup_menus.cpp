#include "sections/popup_menus.h"

#include <QAction>
#include <QMenu>

#include "catalogue/captions.h"
#include "platform/qt/ansi.h"
#include "shell/forms.h"

namespace arvok {

namespace {

QAction* AddEntry(QMenu* menu, const std::string& name, const char* caption) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromStdString(name));
    return action;
}

// A menu caption shows "&" as it is, not as the mark of a shortcut key.
QString Caption(const std::string& text) {
    return FromAnsi(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

MenuWindow::MenuWindow(DataFiles& files, QWidget* parent) : QWidget(parent), files_(files) {
    setObjectName(QStringLiteral("frmMenu"));
    for (Emu emu : kAllEmus) {
        GameMenu& game = menus_[Index(emu)];
        game.menu = new QMenu(QString::fromLatin1(Section(emu).baseName), this);
        game.menu->setObjectName(QString::fromStdString(ObjectName(emu, "mnu", "")));
        game.manufacturer = AddEntry(game.menu, ObjectName(emu, "mnu", "Manufactor"), "Manufactor");
        game.year = AddEntry(game.menu, ObjectName(emu, "mnu", "Year"), "Year");
        game.genre = AddEntry(game.menu, ObjectName(emu, "mnu", "Genre"), "Genre");
        game.menu->addSeparator()->setObjectName(
            QString::fromStdString(ObjectName(emu, "mnuSep", "1")));
        game.originalOrClone = AddEntry(game.menu, ObjectName(emu, "mnu", "OC"), "OC");
    }
    auto* shortcut = new QMenu(QStringLiteral("Shortcut"), this);
    shortcut->setObjectName(QStringLiteral("mnuShortcut"));
    QAction* reset = AddEntry(shortcut, "mnuResetFilters", "ResetFilters");
    connect(reset, &QAction::triggered, this, &MenuWindow::resetFiltersRequested);
}

void MenuWindow::setGameCaptions(Emu emu, const std::string& game) {
    MenuCaptions captions = ReadMenuCaptions(files_, emu, game);
    GameMenu& menu = menus_[Index(emu)];
    menu.manufacturer->setText(Caption(captions.manufacturer));
    menu.year->setText(Caption(captions.year));
    menu.genre->setText(Caption(captions.genre));
    menu.originalOrClone->setText(Caption(captions.originalOrClone));
}

void MenuWindow::popupGameMenu(Emu emu, const std::string& game, const QPoint& globalPos) {
    setGameCaptions(emu, game);
    gameMenu(emu)->popup(globalPos);
}

MenuWindow& FrmMenu() {
    Forms& forms = Forms::current();
    if (!forms.menu)
        forms.menu = new MenuWindow(forms.installation.data);
    return *static_cast<MenuWindow*>(forms.menu.data());
}

} // namespace arvok
