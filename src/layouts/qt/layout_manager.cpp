#include "layouts/qt/layout_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <optional>

#include "layouts/qt/name_dialog.h"
#include "platform/qt/ansi.h"
#include "platform/qt/controls.h"
#include "platform/qt/geometry.h"
#include "platform/qt/stay_on_top.h"
#include "platform/text_file.h"
#include "sections/open_section.h"
#include "sections/section_window.h"
#include "settings/layout_files.h"
#include "shell/forms.h"

namespace arvok {

namespace {

template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

LayoutManager::LayoutManager(Forms& forms) : QWidget(nullptr, Qt::Window), forms_(forms) {
    setObjectName("frmOptions");
    setWindowTitle(QStringLiteral("Arvok - Layouts Manager"));
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    setFixedSize(sizeHint());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void LayoutManager::build() {
    cboListaLayout_ = Named(new QComboBox, "cboListaLayout");
    lstEmulatori_ = Named(new QListWidget, "lstEmulatori");
    lstEmulatoriSize_ = Named(new QListWidget, "lstEmulatoriSize");
    for (QListWidget* list : {lstEmulatori_, lstEmulatoriSize_}) {
        NoSidewaysScroll(list);
        list->setFixedSize(list->fontMetrics().horizontalAdvance(QStringLiteral("SYSTEM16")) * 2,
                           list->fontMetrics().height() * 5 + 8);
        list->setSelectionMode(QAbstractItemView::NoSelection);
    }
    auto* cmdAdd = Named(new QPushButton(QStringLiteral("Add")), "cmdAdd");
    auto* cmdRemove = Named(new QPushButton(QStringLiteral("Remove")), "cmdRemove");
    auto* cmdRename = Named(new QPushButton(QStringLiteral("Rename")), "cmdRename");
    auto* cmdLoad = Named(new QPushButton(QStringLiteral("Load")), "cmdLoadLayout");
    auto* cmdSave = Named(new QPushButton(QStringLiteral("Save")), "cmdSaveLayout");
    chkAlwaysOnTop_ = Named(new QCheckBox(QStringLiteral("Always on top")), "chkAlwaysOnTop");
    chkEnableAutoload_ =
        Named(new QCheckBox(QStringLiteral("Enable Autoload on Stratup")), "chkEnableAutoload");
    auto* label1 = Named(new QLabel(QStringLiteral("Load")), "Label1");
    cboListaLayout2_ = Named(new QComboBox, "cboListaLayout2");
    cboListaLayout2_->setEnabled(false);
    auto* cmdOk = Named(new QPushButton(QStringLiteral("Close")), "cmdOk");

    auto* layouts = new QGroupBox(QStringLiteral("Multiple Layouts"));
    auto* layoutsGrid = new QGridLayout(layouts);
    layoutsGrid->addWidget(cboListaLayout_, 0, 0, 1, 2);
    layoutsGrid->addWidget(lstEmulatori_, 1, 0);
    layoutsGrid->addWidget(lstEmulatoriSize_, 1, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdAdd, cmdRename, cmdRemove, cmdSave, cmdLoad})
        buttons->addWidget(button);
    buttons->addStretch();
    layoutsGrid->addLayout(buttons, 0, 2, 2, 1);

    auto* defaults = new QGroupBox(QStringLiteral("Default layout"));
    auto* defaultsGrid = new QGridLayout(defaults);
    defaultsGrid->addWidget(chkEnableAutoload_, 0, 0, 1, 2);
    defaultsGrid->addWidget(label1, 1, 0);
    defaultsGrid->addWidget(cboListaLayout2_, 1, 1);
    defaultsGrid->setColumnStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdOk);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(layouts);
    layout->addWidget(chkAlwaysOnTop_);
    layout->addWidget(defaults);
    layout->addLayout(bottom);

    connect(cboListaLayout_, &QComboBox::activated, this, &LayoutManager::showLayout);
    connect(chkAlwaysOnTop_, &QCheckBox::clicked, this, &LayoutManager::applyAlwaysOnTop);
    connect(chkEnableAutoload_, &QCheckBox::clicked, this, &LayoutManager::applyAutoload);
    connect(cmdAdd, &QPushButton::clicked, this, [this] { openNameDialog(false); });
    connect(cmdRename, &QPushButton::clicked, this, [this] {
        if (!currentName().empty())
            openNameDialog(true);
    });
    connect(cmdRemove, &QPushButton::clicked, this, &LayoutManager::removeLayout);
    connect(cmdSave, &QPushButton::clicked, this, &LayoutManager::saveLayout);
    connect(cmdLoad, &QPushButton::clicked, this, &LayoutManager::loadLayout);
    connect(cmdOk, &QPushButton::clicked, this, &LayoutManager::closeManager);
}

std::string LayoutManager::layoutsPath() const {
    return LayoutsDatPath(forms_.installation.DirInst);
}

std::string LayoutManager::currentName() const {
    return NameAt(cboListaLayout_, cboListaLayout_->currentIndex());
}

std::string LayoutManager::NameAt(const QComboBox* box, int index) {
    return index < 0 ? std::string() : box->itemData(index).toByteArray().toStdString();
}

int LayoutManager::IndexOf(const QComboBox* box, const std::string& name) {
    return box->findData(QByteArray::fromStdString(name));
}

void LayoutManager::load() {
    std::vector<std::string> lines;
    const settings_io::FileState layouts = settings_io::ReadSettingsLines(layoutsPath(), lines);
    notices().read(layoutsPath(), layouts);
    const std::string iniPath = ArvokIniPath(forms_.installation.DirInst);
    LayoutOptionsRead options = ReadLayoutOptions(iniPath);
    notices().read(iniPath, options.file);
    optionsUnread_ = options.file == settings_io::FileState::Unreadable;
    const std::optional<Forms::RunOptions>& ofTheRun = forms_.layoutOptionsOfTheRun;
    if (optionsUnread_ && ofTheRun && ofTheRun->path == iniPath)
        options = ofTheRun->options;
    if (layouts == settings_io::FileState::Missing)
        return;
    layoutsUnread_ = layouts == settings_io::FileState::Unreadable;
    for (const std::string& name : LayoutNames(lines))
        appendName(name);
    if (!options.alwaysOnTop)
        return;
    setAlwaysOnTop(*options.alwaysOnTop);
    if (!options.autoload)
        return;
    setAutoload(*options.autoload);
    if (!options.defaultLayout)
        return;
    if (!options.defaultLayout->empty()) {
        int index = IndexOf(cboListaLayout2_, *options.defaultLayout);
        if (index < 0)
            return;
        selectDefault(index);
    }
    if (cboListaLayout2_->count() == 0)
        setAutoload(false);
    if (cboListaLayout_->count() > 0)
        selectLayout(0);
}

void LayoutManager::appendName(const std::string& name) {
    for (QComboBox* box : {cboListaLayout_, cboListaLayout2_}) {
        const int keep = box->currentIndex();
        QSignalBlocker block(box);
        box->addItem(FromAnsi(std::string(ShownLine(name))), QByteArray::fromStdString(name));
        box->setCurrentIndex(keep);
    }
}

void LayoutManager::selectLayout(int index) {
    SetIndexAndRun(cboListaLayout_, index, [this] { showLayout(); });
}

void LayoutManager::selectDefault(int index) {
    QSignalBlocker block(cboListaLayout2_);
    cboListaLayout2_->setCurrentIndex(index);
}

void LayoutManager::showLayout() {
    lstEmulatori_->clear();
    lstEmulatoriSize_->clear();
    if (currentName().empty())
        return;
    for (const WindowLine& line : ReadLayout(layoutsPath(), currentName()).windows) {
        lstEmulatori_->addItem(FromAnsi(std::string(ShownLine(line.tag))));
        // A size of no class leaves its row empty, so that each size stays beside its window.
        lstEmulatoriSize_->addItem(QString::fromStdString(SizeClassName(line.width, line.height)));
    }
}

void LayoutManager::applyAlwaysOnTop() {
    SetStayOnTop(this, chkAlwaysOnTop_->isChecked());
}

void LayoutManager::setAlwaysOnTop(bool on) {
    SetCheckedAndRun(chkAlwaysOnTop_, on, [this] { applyAlwaysOnTop(); });
}

void LayoutManager::setAutoload(bool on) {
    SetCheckedAndRun(chkEnableAutoload_, on, [this] { applyAutoload(); });
}

void LayoutManager::applyAutoload() {
    cboListaLayout2_->setEnabled(chkEnableAutoload_->isChecked());
}

void LayoutManager::openNameDialog(bool rename) {
    // The dialog is seen above the manager only while the manager is not kept on top.
    const bool onTop = chkAlwaysOnTop_->isChecked();
    if (onTop)
        SetStayOnTop(this, false);
    LayoutNameDialog dialog(*this,
                            rename ? LayoutNameDialog::Mode::Rename : LayoutNameDialog::Mode::Add);
    dialog.exec();
    if (onTop)
        SetStayOnTop(this, true);
}

void LayoutManager::removeLayout() {
    const std::string name = currentName();
    if (name.empty())
        return;
    const std::string defaultName = NameAt(cboListaLayout2_, cboListaLayout2_->currentIndex());
    const int index = cboListaLayout_->currentIndex();
    if (!notices().written(layoutsPath(), RemoveLayout(layoutsPath(), name)))
        return;
    for (QComboBox* box : {cboListaLayout_, cboListaLayout2_}) {
        QSignalBlocker block(box);
        box->removeItem(index);
    }
    if (cboListaLayout_->count() == 0) {
        selectLayout(-1);
        return;
    }
    selectLayout(index > 0 ? index - 1 : 0);
    if (defaultName == name)
        selectDefault(0);
}

void LayoutManager::saveLayout() {
    const std::string name = currentName();
    if (name.empty())
        return;
    LauncherWindow& launcher = Forms::main();
    std::vector<Placement> placements{{std::nullopt, launcher.twipsTop(), launcher.twipsLeft()}};
    for (Emu emu : kAllEmus) {
        SectionWindow* window = ExistingSectionWindow(emu);
        if (!launcher.sectionOpen(emu) || !window)
            continue;
        TwipRect r = GetTwips(window);
        placements.push_back({emu, r.Top, r.Left, r.Width, r.Height});
    }
    notices().written(layoutsPath(), StoreLayout(layoutsPath(), name, placements));
    showLayout();
}

void LayoutManager::loadLayout() {
    const std::string name = currentName();
    if (name.empty())
        return;
    LauncherWindow& launcher = Forms::main();
    for (Emu emu : kAllEmus) {
        if (!launcher.sectionOpen(emu))
            continue;
        if (SectionWindow* window = ExistingSectionWindow(emu))
            window->closeSection();
        else
            launcher.setSectionOpen(emu, false);
    }
    launcher.applyLayout(ReadLayout(layoutsPath(), name).placements);
}

// Without the layouts the default layout's name is not known: arvok.ini then stays as it was.
// An arvok.ini that could not be read is never written over; the options then last for the run.
void LayoutManager::closeManager() {
    LayoutOptions options;
    options.alwaysOnTop = chkAlwaysOnTop_->isChecked();
    options.autoload = chkEnableAutoload_->isChecked();
    options.defaultLayout = NameAt(cboListaLayout2_, cboListaLayout2_->currentIndex());
    const std::string path = ArvokIniPath(forms_.installation.DirInst);
    if (optionsUnread_)
        forms_.layoutOptionsOfTheRun =
            Forms::RunOptions{path,
                              {options.alwaysOnTop, options.autoload, options.defaultLayout,
                               settings_io::FileState::Unreadable}};
    if (layoutsUnread_ || optionsUnread_) {
        close();
        return;
    }
    if (!notices().written(path, WriteLayoutOptions(path, options)))
        return;
    close();
}

LayoutManager* ExistingLayoutManager() {
    return static_cast<LayoutManager*>(Forms::current().layoutManager.data());
}

void ShowLayoutManager() {
    Forms& forms = Forms::current();
    if (!forms.layoutManager) {
        auto* manager = new LayoutManager(forms);
        forms.layoutManager = manager;
        manager->load();
    }
    LayoutManager* manager = ExistingLayoutManager();
    manager->show();
    manager->raise();
    manager->activateWindow();
}

void InstallLayoutManager(Forms& forms) {
    forms.hooks.showLayoutManager = ShowLayoutManager;
}

} // namespace arvok
