#include "layouts/qt/name_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "layouts/qt/layout_manager.h"
#include "platform/dialogs.h"
#include "platform/qt/ansi.h"
#include "settings/layout_files.h"

namespace arvok {

namespace {

const char* const kNameExists = "Name already exist!";
const char* const kNameOnOneLine = "A layout name must fit on one line!";
const char* const kNameInCodePage = "A layout name can hold only Western European characters!";

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(name);
    return button;
}

} // namespace

LayoutNameDialog::LayoutNameDialog(LayoutManager& manager, Mode mode)
    : QDialog(&manager), manager_(manager) {
    setObjectName("frmRinomina");
    setModal(true);
    auto* description = new QLabel(QStringLiteral("Please enter a new name:"), this);
    description->setObjectName("lblDescription");
    txtRinomina_ = new QLineEdit(this);
    txtRinomina_->setObjectName("txtRinomina");
    cmdAdd_ = MakeButton(this, "cmdAdd", "Add");
    cmdRename_ = MakeButton(this, "cmdRename", "Rename");
    auto* cancel = MakeButton(this, "cmdCancel", "Cancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {cmdAdd_, cmdRename_, cancel})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(description);
    layout->addWidget(txtRinomina_);
    layout->addLayout(buttons);

    connect(txtRinomina_, &QLineEdit::textChanged, this, [this](const QString& text) {
        cmdAdd_->setEnabled(!text.isEmpty());
        cmdRename_->setEnabled(!text.isEmpty());
    });
    connect(cmdAdd_, &QPushButton::clicked, this, &LayoutNameDialog::add);
    connect(cmdRename_, &QPushButton::clicked, this, &LayoutNameDialog::rename);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const bool renaming = mode == Mode::Rename;
    setWindowTitle(renaming ? QStringLiteral("Rename layout") : QStringLiteral("Add a new layout"));
    cmdAdd_->setVisible(!renaming);
    cmdRename_->setVisible(renaming);
    (renaming ? cmdRename_ : cmdAdd_)->setDefault(true);
    txtRinomina_->setText(renaming ? manager_.layoutNames()->currentText()
                                   : QStringLiteral("New Layout"));
    txtRinomina_->selectAll();
}

bool LayoutNameDialog::refused(const QString& text) {
    if (!IsAnsi(text)) {
        dialogs().message(kNameInCodePage, MsgStyle::Warning);
        return true;
    }
    const std::string name = ToAnsi(text);
    if (!IsStorableLayoutName(name)) {
        dialogs().message(kNameOnOneLine, MsgStyle::Warning);
        return true;
    }
    QComboBox* names = manager_.layoutNames();
    for (int i = names->count() - 1; i >= 0; --i)
        if (LayoutManager::NameAt(names, i) == name) {
            manager_.selectLayout(i);
            dialogs().message(kNameExists, MsgStyle::Warning);
            return true;
        }
    if (names->count() > 0)
        manager_.selectLayout(0);
    return false;
}

void LayoutNameDialog::add() {
    const QString text = txtRinomina_->text();
    if (refused(text))
        return;
    const std::string name = ToAnsi(text);
    if (!manager_.notices().written(manager_.layoutsPath(),
                                    AppendLayout(manager_.layoutsPath(), name))) {
        reject();
        return;
    }
    manager_.appendName(name);
    manager_.selectLayout(manager_.layoutNames()->count() - 1);
    manager_.selectDefault(0);
    accept();
}

void LayoutNameDialog::rename() {
    QComboBox* names = manager_.layoutNames();
    QComboBox* defaults = manager_.defaultNames();
    const std::string oldName = LayoutManager::NameAt(names, names->currentIndex());
    const QString newText = txtRinomina_->text();
    const std::string newName = ToAnsi(newText);
    const int index = names->currentIndex();
    std::string defaultName = LayoutManager::NameAt(defaults, defaults->currentIndex());
    if (index < 0 || newText == names->currentText() || refused(newText)) {
        accept();
        return;
    }
    if (!manager_.notices().written(manager_.layoutsPath(),
                                    RenameLayout(manager_.layoutsPath(), oldName, newName))) {
        reject();
        return;
    }
    names->removeItem(index);
    defaults->removeItem(LayoutManager::IndexOf(defaults, oldName));
    manager_.appendName(newName);
    if (defaultName == oldName)
        defaultName = newName;
    manager_.selectDefault(defaultName.empty() ? -1
                                               : LayoutManager::IndexOf(defaults, defaultName));
    manager_.selectLayout(names->count() - 1);
    accept();
}

} // namespace arvok
