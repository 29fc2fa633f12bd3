#include "sections/conf_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "catalogue/rom_scan.h"
#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "platform/qt/controls.h"
#include "sections/section_design.h"
#include "sections/section_widgets.h"
#include "sections/slide_show.h"
#include "sections/snapshot_files.h"
#include "settings/emulator_cfg.h"
#include "shell/installation.h"

namespace arvok {

namespace {

// The page's controls, each built by the function of its kind with the text as that kind takes
// it: a caption as Latin-1, a design path as a text of the code page, a hidden path as the
// settings file stores it, a label button's caption as UTF-8. Places are in twips, on the page or
// in the frame that is the control's parent.
QLabel* Caption(QWidget* in, const std::string& name, const char* text, int l, int t, int w,
                int h) {
    return MakeLabel(in, name.c_str(), QString::fromLatin1(text), l, t, w, h);
}
// A label that holds a value unseen.
QLabel* HiddenValue(QWidget* in, const std::string& name, const char* text) {
    QLabel* label = MakeLabel(in, name.c_str(), FromPath(text), 0, 0, 0, 0);
    label->hide();
    return label;
}
QLineEdit* PathEdit(QWidget* in, const std::string& name, const std::string& text, int l, int t,
                    int w, int h) {
    return Placed(new QLineEdit(FromAnsi(text), in), name.c_str(), l, t, w, h);
}
// A read-only text box that names the folder beside it.
QLineEdit* NameTag(QWidget* in, const std::string& name, const char* text, int l, int t, int w,
                   int h) {
    QLineEdit* tag = PathEdit(in, name, text, l, t, w, h);
    tag->setReadOnly(true);
    return tag;
}
ClickLabel* Link(QWidget* in, const std::string& name, const char* caption, const char* tip, int l,
                 int t, int w, int h) {
    ClickLabel* link =
        MakeButton(in, name.c_str(), QString::fromUtf8(caption), ButtonLook::Link, l, t, w, h);
    link->setToolTip(QString::fromLatin1(tip));
    return link;
}
QGroupBox* Frame(QWidget* in, const std::string& name, const char* caption, int l, int t, int w,
                 int h) {
    return Placed(new QGroupBox(QString::fromLatin1(caption), in), name.c_str(), l, t, w, h);
}
QRadioButton* Option(QWidget* in, const std::string& name, const char* caption, int l, int t) {
    return Placed(new QRadioButton(QString::fromLatin1(caption), in), name.c_str(), l, t, 1600,
                  200);
}
QCheckBox* Check(QWidget* in, const std::string& name, const char* caption, int t) {
    return Placed(new QCheckBox(QString::fromLatin1(caption), in), name.c_str(), 120, t, 1500, 200);
}

} // namespace

// The controls are built in the order of the Tab key. A section with a second ROM folder shows
// "DEF" and "ALT" left of its two ROM paths, built after the first path and its button, and the
// controls below them stand lower by the height of the second path's row.
ConfPage::ConfPage(Emu emu, Installation& installation, QWidget* window,
                   std::function<void(int)> delayChosen, std::function<void()> saveSettingsFile)
    : QWidget(window), emu_(emu), installation_(installation), delayChosen_(std::move(delayChosen)),
      saveSettingsFile_(std::move(saveSettingsFile)) {
    const std::string base = Section(emu).baseName;
    PlacePage(this, "pic" + base + "Conf");
    const ConfDesign& c = Design(emu).conf;
    const bool alt = Section(emu).hasAltRomPath;
    const int romLeft = alt ? 510 : 60;
    const int low = alt ? 345 : 0;
    constexpr int kRow = 255, kEdit = 3000, kButton = 3120, kButtonWidth = 675;
    constexpr const char* kRomTip = " Choose Default rom directory ";
    auto onClick = [this](ClickLabel* link, auto action) {
        connect(link, &ClickLabel::clicked, this, action);
    };

    Caption(this, c.exeCaptionName, c.exeCaption, 60, 45, kEdit, kPageRow);
    exePath_ = PathEdit(this, "txtOpt" + base + "ExePath", c.exePath, 60, 255, kEdit, kRow);
    onClick(Link(this, "cmdSfoglia", "Browse", " Choose emulator executable ", kButton, 255,
                 kButtonWidth, kRow),
            [this] { openProgramPicker(true); });
    emuDir_ = HiddenValue(this, "lblOpt" + base + "Hide", c.emuDir);
    Caption(this, "Label22", c.romCaption, 60, 600, kEdit, kPageRow);
    romPath_ = PathEdit(this, "txtOpt" + base + "RomPath", c.romPath, romLeft, 810,
                        kEdit + 60 - romLeft, kRow);
    onClick(Link(this, "cmdSelDir", c.romButtonCaption, kRomTip, kButton, 810, kButtonWidth, kRow),
            [this] { browseFolder(romPath_, StoredPath::RomFolder, "ROM"); });
    connect(romPath_, &QLineEdit::textChanged, this, [this] {
        installation_.settings.RomDir[Index(emu_)] = romPath();
        if (romPathChanged_)
            romPathChanged_();
    });
    if (alt) {
        NameTag(this, "Text2", "DEF", 60, 810, 420, kRow);
        NameTag(this, "Text3", "ALT", 60, 1110, 420, kRow);
        romPathAlt_ =
            PathEdit(this, "txtOpt" + base + "RomPathAlt", c.romPath + std::string("\\Alt"),
                     romLeft, 1110, kEdit + 60 - romLeft, kRow);
        onClick(Link(this, "cmdSelDirAlt", "B.ALT", kRomTip, kButton, 1110, kButtonWidth, kRow),
                [this] { browseFolder(romPathAlt_, StoredPath::AltRomFolder, "ROMALT"); });
    }
    Caption(this, "Label20", c.snapCaption, 60, 1110 + low, kEdit, kPageRow);
    snapPath_ = PathEdit(this, "txtOpt" + base + "Snap", c.snapPath, 60, 1320 + low, kEdit, kRow);
    onClick(Link(this, "cmdDirSnap", "Browse", " Choose the snapshots directory ", kButton,
                 1320 + low, kButtonWidth, kRow),
            [this] { browseFolder(snapPath_, StoredPath::SnapFolder, "SNAP"); });
    QGroupBox* formats = Frame(this, "Frame1", "Snaps Format", 60, 1710 + low, 1830, 900);
    snapGif_ = Option(formats, "optSnapGIF", "GIF", 120, 240);
    snapJpg_ = Option(formats, "optSnapJPG", "JPG", 120, 450);
    snapBmp_ = Option(formats, "optSnapBMP", "BMP", 120, 660);
    if (Section(emu).hasScan) {
        QGroupBox* scan = Frame(this, "Frame2", c.scanFrameCaption, 1965, 1710 + low, 1830, 900);
        if (alt) {
            Option(scan, "optSplitted", "Splitted", 120, 240);
            merged_ = Option(scan, "optMerged", "Merged", 120, 450);
        }
        onClick(Link(scan, "lblScanNow", "Scan now!", " Scan Rom directory ", 120, 660, 1590, 195),
                [this] { scanNow(); });
    }
    QGroupBox* slides = Frame(this, "Frame3", "Slideshow", 60, 2670 + low, 3735, 780);
    noSlide_ = Check(slides, "chk" + base + "NoSlide", "Disable", 240);
    showCounter_ = Check(slides, "chk" + base + "ShowCounter", "Show Counter", 480);
    slideDelay_ = Placed(new QComboBox(slides), "cboSlideShowTimer", 1800, 300, 1755, 285);

    snapGif_->setChecked(true);
    if (merged_)
        merged_->setChecked(true);
    for (const char* item : kSlideDelayItems)
        slideDelay_->addItem(QString::fromLatin1(item));
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

void ConfPage::whenRomPathChanges(std::function<void()> changed) {
    romPathChanged_ = std::move(changed);
}

void ConfPage::snapOptions(SnapOptions& options) const {
    options.extension =
        SnapExtension(snapGif_->isChecked(), snapJpg_->isChecked(), snapBmp_->isChecked());
    options.noSlide = noSlide_->isChecked();
    options.showCounter = showCounter_->isChecked();
}

void ConfPage::load(const EmulatorCfg& cfg) {
    if (cfg.read) {
        SetTextShowingStart(exePath_, FromPath(cfg.exePath));
        emuDir_->setText(FromPath(cfg.emuDir));
        SetTextShowingStart(romPath_, FromPath(cfg.romPath));
        if (romPathAlt_)
            SetTextShowingStart(romPathAlt_, FromPath(cfg.altRomPath));
        SetTextShowingStart(snapPath_, FromPath(cfg.snapPath));
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

// A folder or program chosen for the settings file that the file cannot hold is refused, and the
// field keeps its text; the file is saved all the same.
namespace {

bool Fits(Notices& notices, StoredPath which, const std::string& value) {
    std::optional<settings_io::CannotKeep> problem = PathProblem(which, value);
    if (problem)
        notices.cannotKeep(*problem, "It was not chosen.");
    return !problem;
}

} // namespace

void ConfPage::browseFolder(QLineEdit* edit, StoredPath which, const char* tagSuffix) {
    const std::string pattern =
        which == StoredPath::SnapFolder
            ? SnapPattern(snapGif_->isChecked(), snapJpg_->isChecked(), snapBmp_->isChecked())
            : "*.zip";
    std::string start = ToPath(edit->text());
    const char* fallback = Design(emu_).romPickerFallback;
    if (which == StoredPath::RomFolder && fallback && !IsDirectory(start))
        start = ResolveName(emulatorDir(), fallback);
    std::optional<std::string> folder = ChooseFolder(
        {Section(emu_).tag + std::string(tagSuffix), pattern, "Choose Directory", start}, window());
    if (!folder)
        return;
    if (Fits(installation_.notices, which, *folder))
        SetTextShowingStart(edit, FromPath(*folder));
    saveSettingsFile_();
}

void ConfPage::openProgramPicker(bool modal) {
    ProgramPickerRequest request;
    request.tag = Section(emu_).tag;
    request.startDir = DirName(exePath());
    if (!modal)
        ChooseProgramLater(request, window(),
                           [this](const PickedProgram& picked) { takeProgram(picked); });
    else if (std::optional<PickedProgram> picked = ChooseProgram(request, window()))
        takeProgram(*picked);
}

void ConfPage::takeProgram(const PickedProgram& picked) {
    const std::string program = JoinPath(picked.folder, picked.file);
    if (Fits(installation_.notices, StoredPath::Program, program)) {
        SetTextShowingStart(exePath_, FromPath(program));
        emuDir_->setText(FromPath(picked.folder));
    }
    saveSettingsFile_();
}

void ConfPage::scanNow() {
    ScanRequest request;
    request.romPath = romPath();
    request.altRomPath = altRomPath();
    request.merged = merged_ && merged_->isChecked();
    installation_.notices.scanned(emu_, request, ScanRoms(installation_.data, emu_, request));
}

} // namespace arvok
