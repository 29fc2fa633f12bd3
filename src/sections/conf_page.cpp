#include "sections/conf_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <vector>

#include "catalogue/rom_scan.h"
#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "platform/qt/controls.h"
#include "sections/section_design.h"
#include "sections/section_widgets.h"
#include "sections/slide_show.h"
#include "sections/snapshot_files.h"
#include "settings/emulator_cfg.h"
#include "shell/pickers.h"

namespace arvok {

namespace {

enum class ConfKind {
    Label,  // a caption
    Hidden, // a label that holds a value unseen
    Edit,   // a path's text box
    Tag,    // a read-only text box that names the folder beside it
    Link,   // a label button
    Frame,  // a group box; the rows after it that say so lie in it
    Option, // an option button
    Check,  // a check box
    Combo,  // a drop-down list
};

struct ConfRow {
    ConfKind kind;
    std::string name;
    std::string text; // caption or design text
    const char* tip;
    int left, top, width, height; // twips, on the page or in the frame above
    bool inFrame = false;
};

// Every control of the page in the order it is built, which is also the order of the Tab key.
// A section with a second ROM folder shows "DEF" and "ALT" left of its two ROM paths, built after
// the first path and its button, and the rows below them stand lower by the height of the second
// path's row.
std::vector<ConfRow> ConfRows(Emu emu) {
    using K = ConfKind;
    const ConfDesign& c = Design(emu).conf;
    const std::string base = Section(emu).baseName;
    const bool alt = Section(emu).hasAltRomPath;
    const int romLeft = alt ? 510 : 60;
    const int low = alt ? 345 : 0;
    constexpr int kRow = 255, kEdit = 3000, kButton = 3120, kButtonWidth = 675;
    constexpr const char* kRomTip = " Choose Default rom directory ";
    std::vector<ConfRow> rows{
        {K::Label, c.exeCaptionName, c.exeCaption, "", 60, 45, kEdit, kPageRow},
        {K::Edit, "txtOpt" + base + "ExePath", c.exePath, "", 60, 255, kEdit, kRow},
        {K::Link, "cmdSfoglia", "Browse", " Choose emulator executable ", kButton, 255,
         kButtonWidth, kRow},
        {K::Hidden, "lblOpt" + base + "Hide", c.emuDir, "", 0, 0, 0, 0},
        {K::Label, "Label22", c.romCaption, "", 60, 600, kEdit, kPageRow},
        {K::Edit, "txtOpt" + base + "RomPath", c.romPath, "", romLeft, 810, kEdit + 60 - romLeft,
         kRow},
        {K::Link, "cmdSelDir", c.romButtonCaption, kRomTip, kButton, 810, kButtonWidth, kRow},
    };
    if (alt)
        rows.insert(
            rows.end(),
            {
                {K::Tag, "Text2", "DEF", "", 60, 810, 420, kRow},
                {K::Tag, "Text3", "ALT", "", 60, 1110, 420, kRow},
                {K::Edit, "txtOpt" + base + "RomPathAlt", c.romPath + std::string("\\Alt"), "",
                 romLeft, 1110, kEdit + 60 - romLeft, kRow},
                {K::Link, "cmdSelDirAlt", "B.ALT", kRomTip, kButton, 1110, kButtonWidth, kRow},
            });
    rows.insert(
        rows.end(),
        {
            {K::Label, "Label20", c.snapCaption, "", 60, 1110 + low, kEdit, kPageRow},
            {K::Edit, "txtOpt" + base + "Snap", c.snapPath, "", 60, 1320 + low, kEdit, kRow},
            {K::Link, "cmdDirSnap", "Browse", " Choose the snapshots directory ", kButton,
             1320 + low, kButtonWidth, kRow},
            {K::Frame, "Frame1", "Snaps Format", "", 60, 1710 + low, 1830, 900},
            {K::Option, "optSnapGIF", "GIF", "", 120, 240, 1600, 200, true},
            {K::Option, "optSnapJPG", "JPG", "", 120, 450, 1600, 200, true},
            {K::Option, "optSnapBMP", "BMP", "", 120, 660, 1600, 200, true},
        });
    if (Section(emu).hasScan) {
        rows.push_back({K::Frame, "Frame2", c.scanFrameCaption, "", 1965, 1710 + low, 1830, 900});
        if (alt)
            rows.insert(rows.end(),
                        {
                            {K::Option, "optSplitted", "Splitted", "", 120, 240, 1600, 200, true},
                            {K::Option, "optMerged", "Merged", "", 120, 450, 1600, 200, true},
                        });
        rows.push_back({K::Link, "lblScanNow", "Scan now!", " Scan Rom directory ", 120, 660, 1590,
                        195, true});
    }
    rows.insert(
        rows.end(),
        {
            {K::Frame, "Frame3", "Slideshow", "", 60, 2670 + low, 3735, 780},
            {K::Check, "chk" + base + "NoSlide", "Disable", "", 120, 240, 1500, 200, true},
            {K::Check, "chk" + base + "ShowCounter", "Show Counter", "", 120, 480, 1500, 200, true},
            {K::Combo, "cboSlideShowTimer", "", "", 1800, 300, 1755, 285, true},
        });
    return rows;
}

QWidget* MakeControl(const ConfRow& row, QWidget* parent) {
    // A path as the settings file stores it, a design path as a text of the code page, a caption
    // as Latin-1 and a label button's caption as UTF-8, as each control takes them elsewhere.
    const QString text = row.kind == ConfKind::Hidden ? FromPath(row.text)
                         : row.kind == ConfKind::Edit || row.kind == ConfKind::Tag
                             ? FromAnsi(row.text)
                         : row.kind == ConfKind::Link ? QString::fromUtf8(row.text)
                                                      : QString::fromLatin1(row.text);
    const char* name = row.name.c_str();
    const int l = row.left, t = row.top, w = row.width, h = row.height;
    switch (row.kind) {
    case ConfKind::Label:
    case ConfKind::Hidden:
        return MakeLabel(parent, name, text, l, t, w, h);
    case ConfKind::Edit:
    case ConfKind::Tag:
        return Placed(new QLineEdit(text, parent), name, l, t, w, h);
    case ConfKind::Link:
        return MakeButton(parent, name, text, ButtonLook::Link, l, t, w, h);
    case ConfKind::Frame:
        return Placed(new QGroupBox(text, parent), name, l, t, w, h);
    case ConfKind::Option:
        return Placed(new QRadioButton(text, parent), name, l, t, w, h);
    case ConfKind::Check:
        return Placed(new QCheckBox(text, parent), name, l, t, w, h);
    case ConfKind::Combo:
        return Placed(new QComboBox(parent), name, l, t, w, h);
    }
    return nullptr;
}

} // namespace

ConfPage::ConfPage(Emu emu, QWidget* window, std::function<void(int)> delayChosen)
    : QWidget(window), emu_(emu), delayChosen_(std::move(delayChosen)) {
    const std::string base = Section(emu).baseName;
    PlacePage(this, "pic" + base + "Conf");
    QWidget* frame = nullptr;
    for (const ConfRow& row : ConfRows(emu)) {
        QWidget* w = MakeControl(row, row.inFrame ? frame : this);
        if (*row.tip)
            w->setToolTip(QString::fromLatin1(row.tip));
        if (row.kind == ConfKind::Frame)
            frame = w;
        else if (row.kind == ConfKind::Hidden)
            w->hide();
        else if (row.kind == ConfKind::Tag)
            static_cast<QLineEdit*>(w)->setReadOnly(true);
    }
    auto find = [this](const std::string& name) {
        return findChild<QWidget*>(QString::fromStdString(name));
    };
    exePath_ = static_cast<QLineEdit*>(find("txtOpt" + base + "ExePath"));
    emuDir_ = static_cast<QLabel*>(find("lblOpt" + base + "Hide"));
    romPath_ = static_cast<QLineEdit*>(find("txtOpt" + base + "RomPath"));
    romPathAlt_ = static_cast<QLineEdit*>(find("txtOpt" + base + "RomPathAlt"));
    snapPath_ = static_cast<QLineEdit*>(find("txtOpt" + base + "Snap"));
    snapGif_ = static_cast<QRadioButton*>(find("optSnapGIF"));
    snapJpg_ = static_cast<QRadioButton*>(find("optSnapJPG"));
    snapBmp_ = static_cast<QRadioButton*>(find("optSnapBMP"));
    merged_ = static_cast<QRadioButton*>(find("optMerged"));
    noSlide_ = static_cast<QCheckBox*>(find("chk" + base + "NoSlide"));
    showCounter_ = static_cast<QCheckBox*>(find("chk" + base + "ShowCounter"));
    slideDelay_ = static_cast<QComboBox*>(find("cboSlideShowTimer"));

    snapGif_->setChecked(true);
    if (merged_)
        merged_->setChecked(true);
    for (const char* item : kSlideDelayItems)
        slideDelay_->addItem(QString::fromLatin1(item));

    auto onClick = [this, &find](const char* name, auto action) {
        if (auto* button = static_cast<ClickLabel*>(find(name)))
            connect(button, &ClickLabel::clicked, this, action);
    };
    onClick("cmdSfoglia", [this] { openProgramPicker(true); });
    onClick("cmdSelDir", [this] { browseFolder(FolderField::Rom, romPath_); });
    onClick("cmdSelDirAlt", [this] { browseFolder(FolderField::RomAlt, romPathAlt_); });
    onClick("cmdDirSnap", [this] { browseFolder(FolderField::Snap, snapPath_); });
    onClick("lblScanNow", [this] { scanNow(); });
    connect(noSlide_, &QCheckBox::clicked, this, &ConfPage::onNoSlideClicked);
    connect(slideDelay_, &QComboBox::activated, this, &ConfPage::onSlideDelayChosen);
}

std::string ConfPage::exePath() const {
    return ToPath(exePath_->text());
}

std::string ConfPage::emulatorDir() const {
    return ToPath(emuDir_->text());
}

std::string ConfPage::romPath() const {
    return ToPath(romPath_->text());
}

std::string ConfPage::altRomPath() const {
    return romPathAlt_ ? ToPath(romPathAlt_->text()) : std::string();
}

std::string ConfPage::snapPath() const {
    return ToPath(snapPath_->text());
}

QString ConfPage::romPathText() const {
    return romPath_->text();
}

void ConfPage::snapOptions(SnapOptions& options) const {
    options.extension =
        SnapExtension(snapGif_->isChecked(), snapJpg_->isChecked(), snapBmp_->isChecked());
    options.noSlide = noSlide_->isChecked();
    options.showCounter = showCounter_->isChecked();
}

void ConfPage::load(const EmulatorCfg& cfg) {
    if (cfg.read) {
        exePath_->setText(FromPath(cfg.exePath));
        emuDir_->setText(FromPath(cfg.emuDir));
        romPath_->setText(FromPath(cfg.romPath));
        if (romPathAlt_)
            romPathAlt_->setText(FromPath(cfg.altRomPath));
        snapPath_->setText(FromPath(cfg.snapPath));
        if (cfg.snapFormat == "GIF")
            snapGif_->setChecked(true);
        else if (cfg.snapFormat == "JPG")
            snapJpg_->setChecked(true);
        else if (cfg.snapFormat == "BMP")
            snapBmp_->setChecked(true);
        SetCheckedAndRun(noSlide_, cfg.noSlide, [this] { onNoSlideClicked(); });
        showCounter_->setChecked(cfg.showCounter);
    }
    SetIndexAndRun(slideDelay_, cfg.slideDelayIndex, [this] { onSlideDelayChosen(); });
}

void ConfPage::store(EmulatorCfg& cfg) const {
    cfg.exePath = exePath();
    cfg.emuDir = emulatorDir();
    cfg.romPath = romPath();
    cfg.altRomPath = altRomPath();
    cfg.snapPath = snapPath();
    cfg.snapFormat = snapGif_->isChecked()   ? "GIF"
                     : snapJpg_->isChecked() ? "JPG"
                     : snapBmp_->isChecked() ? "BMP"
                                             : "";
    cfg.noSlide = noSlide_->isChecked();
    cfg.showCounter = showCounter_->isChecked();
    cfg.slideDelayIndex = slideDelay_->currentIndex();
}

void ConfPage::onNoSlideClicked() {
    const bool disabled = noSlide_->isChecked();
    if (disabled)
        showCounter_->setChecked(false);
    showCounter_->setEnabled(!disabled);
    slideDelay_->setEnabled(!disabled);
}

void ConfPage::onSlideDelayChosen() {
    if (std::optional<int> ms = SlideDelayMs(slideDelay_->currentIndex()))
        delayChosen_(*ms);
}

void ConfPage::browseFolder(FolderField field, QLineEdit* edit) {
    const std::string pattern =
        field == FolderField::Snap
            ? SnapPattern(snapGif_->isChecked(), snapJpg_->isChecked(), snapBmp_->isChecked())
            : "*.zip";
    std::string start = ToPath(edit->text());
    const char* fallback = Design(emu_).romPickerFallback;
    if (field == FolderField::Rom && fallback && !IsDirectory(start))
        start = ResolveName(emulatorDir(), fallback);
    RunFolderPicker({FolderTagText(emu_, field), pattern, "Choose Directory", start}, window());
}

void ConfPage::openProgramPicker(bool modal) {
    ProgramPickerRequest request;
    request.tag = Section(emu_).tag;
    request.startDir = DirName(exePath());
    if (modal)
        RunProgramPicker(request, window());
    else
        ShowProgramPicker(request, window());
}

void ConfPage::scanNow() {
    ScanRequest request;
    request.romPath = romPath();
    request.altRomPath = altRomPath();
    request.merged = merged_ && merged_->isChecked();
    ScanRoms(emu_, request);
}

// A folder or program chosen for the settings file that the file cannot hold is refused, and the
// field keeps its text.
constexpr const char* kNotChosen = "It was not chosen.";

void ConfPage::setPickedFolder(FolderField field, const std::string& folder) {
    QLineEdit* edit = field == FolderField::Rom      ? romPath_
                      : field == FolderField::RomAlt ? romPathAlt_
                                                     : snapPath_;
    StoredPath which = field == FolderField::Rom      ? StoredPath::RomFolder
                       : field == FolderField::RomAlt ? StoredPath::AltRomFolder
                                                      : StoredPath::SnapFolder;
    if (!PathFits(which, folder, kNotChosen))
        return;
    if (edit)
        edit->setText(FromPath(folder));
}

void ConfPage::setPickedProgram(const std::string& program, const std::string& directory) {
    if (!PathFits(StoredPath::Program, program, kNotChosen))
        return;
    exePath_->setText(FromPath(program));
    emuDir_->setText(FromPath(directory));
}

} // namespace arvok
