#include "shell/pickers.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/controls.h"
#include "shell/forms.h"

namespace arvok {

namespace {

// "*" matches any run of characters, "?" any one; letters match without regard to case.
bool MatchesOne(std::string_view name, std::string_view pattern) {
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::string StartFolder(const std::string& wanted) {
    if (IsDirectory(wanted))
        return wanted;
    const std::string& dirInst = Forms::current().installation.DirInst;
    if (IsDirectory(dirInst))
        return dirInst;
    return CurrentDirectory();
}

// "/a/b/" and "/a/b" are one folder.
std::string WithoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

void SortNoCase(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
}

std::vector<std::string> SubFolders(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code kind;
        std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.' && it->is_directory(kind))
            names.push_back(std::move(name));
    }
    SortNoCase(names);
    return names;
}

constexpr int kPathRole = Qt::UserRole;

void AddFolderItem(QListWidget* list, const std::string& path, const std::string& name, int depth,
                   QStyle::StandardPixmap icon) {
    auto* item = new QListWidgetItem(list->style()->standardIcon(icon),
                                     QString(depth * 2, QLatin1Char(' ')) + FromPath(name));
    item->setData(kPathRole, QByteArray::fromStdString(path));
    list->addItem(item);
}

// The folder list: the open folder's ancestors from the root down, the open folder, then its
// sub-folders.
void FillFolderList(QListWidget* list, const std::string& folder) {
    list->clear();
    std::vector<std::string> chain;
    for (std::string path = folder; !path.empty();) {
        chain.push_back(path);
        std::string parent = DirName(path);
        if (parent == path)
            break;
        path = parent;
    }
    std::reverse(chain.begin(), chain.end());
    int depth = 0;
    for (const std::string& path : chain) {
        std::string name = BaseName(path);
        AddFolderItem(list, path, name.empty() ? path : name, depth++, QStyle::SP_DirOpenIcon);
    }
    list->setCurrentRow(list->count() - 1);
    for (const std::string& name : SubFolders(folder))
        AddFolderItem(list, JoinPath(folder, name), name, depth, QStyle::SP_DirIcon);
}

// The files of "folder" that match "pattern", in alphabetical order; returns their number.
int FillFileList(QListWidget* list, const std::string& folder, const std::string& pattern) {
    list->clear();
    std::vector<std::string> names;
    for (std::string& name : ListPresentFiles(folder))
        if (MatchesPattern(name, pattern))
            names.push_back(std::move(name));
    SortNoCase(names);
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(FromPath(name));
        item->setData(kPathRole, QByteArray::fromStdString(name));
        list->addItem(item);
    }
    return list->count();
}

void HiddenTag(QWidget* parent, const char* name, const std::string& tag) {
    auto* label = new QLabel(FromAnsi(tag), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
}

QListWidget* NewList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    // Every row draws its icon at one size, so that all rows are equally high.
    const int icon = list->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, list);
    list->setIconSize(QSize(icon, icon));
    NoSidewaysScroll(list);
    return list;
}

QLineEdit* PatternBox(QWidget* parent, const char* name, const std::string& pattern) {
    auto* box = new QLineEdit(FromAnsi(pattern), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    return box;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

std::string ItemPath(const QListWidgetItem* item) {
    return item->data(kPathRole).toByteArray().toStdString();
}

// The folder an activated item leads to; one that has gone away leaves the list where it was.
std::string Reachable(const QListWidgetItem* item, const std::string& current) {
    std::string wanted = ItemPath(item);
    return IsDirectory(wanted) ? wanted : current;
}

} // namespace

bool MatchesPattern(std::string_view name, std::string_view patterns) {
    if (patterns.empty())
        return true;
    while (true) {
        size_t end = patterns.find(';');
        if (MatchesOne(name, patterns.substr(0, end)))
            return true;
        if (end == std::string_view::npos)
            return false;
        patterns.remove_prefix(end + 1);
    }
}

PathPicker::PathPicker(const Look& look, const std::string& caption, const std::string& tag,
                       const std::string& pattern, QWidget* parent)
    : QDialog(parent), pattern_(pattern) {
    setObjectName(QString::fromLatin1(look.window));
    setWindowTitle(FromAnsi(caption));
    HiddenTag(this, look.tag, tag);
    folders_ = NewList(this, look.folders);
    files_ = NewList(this, look.files);
    QPushButton* confirmButton = NewButton(this, look.confirm, look.confirmCaption);
    QPushButton* cancel = NewButton(this, "cmdCancel", "Cancel");

    grid_ = new QGridLayout(this);
    grid_->addWidget(folders_, 0, 0, 1, 2);
    grid_->addWidget(files_, 0, 2, 1, 2);
    grid_->addWidget(PatternBox(this, look.patternBox, pattern), 1, look.patternColumn, 1, 2);
    grid_->addWidget(confirmButton, look.buttonRow, 2);
    grid_->addWidget(cancel, look.buttonRow, 3);
    resize(480, 320);

    connect(folders_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setFolder(Reachable(item, folder_)); });
    connect(confirmButton, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PathPicker::setFolder(const std::string& folder) {
    folder_ = WithoutTrailingSlash(folder);
    FillFolderList(folders_, folder_);
    listed(FillFileList(files_, folder_, pattern_));
}

void PathPicker::listed(int) {}

FolderPicker::FolderPicker(const FolderPickerRequest& request, QWidget* parent)
    : PathPicker({"frmSelDir", "lblSelDirHide", "dirSelDir", "filSelDir", "txtPattern", 2,
                  "cmdSeleziona", "Select", 2},
                 request.caption, request.tag, request.pattern, parent) {
    files_->setSelectionMode(QAbstractItemView::NoSelection);
    auto* founds = new QLabel(QStringLiteral("Founds:"), this);
    founds->setObjectName(QStringLiteral("Label1"));
    count_ = new QLabel(QStringLiteral("0"), this);
    count_->setObjectName(QStringLiteral("lblCount"));
    count_->setToolTip(QStringLiteral("# of zip-file in this directory"));
    grid_->addWidget(founds, 1, 0);
    grid_->addWidget(count_, 1, 1);
    setFolder(StartFolder(request.startDir));
}

void FolderPicker::listed(int files) {
    count_->setText(QString::number(files));
}

void FolderPicker::confirm() {
    accept();
}

ProgramPicker::ProgramPicker(const ProgramPickerRequest& request, QWidget* parent)
    : PathPicker({"frmSelExe", "lblSelExeHide", "dirSelExe", "filSelExe", "txtShowFiltri", 0,
                  "cmdOk", "Ok", 1},
                 request.caption, request.tag, request.pattern, parent) {
    folders_->setEnabled(!request.lockFolder);
    setFolder(StartFolder(request.startDir));
}

void ProgramPicker::confirm() {
    QListWidgetItem* chosen = files_->currentItem();
    if (!chosen || !chosen->isSelected()) {
        dialogs().message("You must select a file!", MsgStyle::Information);
        return;
    }
    file_ = ItemPath(chosen);
    accept();
}

std::optional<std::string> QtPickers::chooseFolder(const FolderPickerRequest& request,
                                                   QWidget* parent) {
    FolderPicker picker(request, parent);
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return picker.folder();
}

std::optional<PickedProgram> QtPickers::chooseProgram(const ProgramPickerRequest& request,
                                                      QWidget* parent) {
    ProgramPicker picker(request, parent);
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return picker.picked();
}

void QtPickers::chooseProgramLater(const ProgramPickerRequest& request, QWidget* parent,
                                   std::function<void(const PickedProgram&)> picked) {
    if (later_)
        later_->reject();
    ProgramPicker* picker = later_ = new ProgramPicker(request, parent);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(picker, &QDialog::accepted, picker,
                     [picker, picked = std::move(picked)] { picked(picker->picked()); });
    picker->show();
}

} // namespace arvok
