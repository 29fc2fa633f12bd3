// The configuration and per-game settings pages of a section window.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

#include "catalogue/data_file.h"
#include "catalogue/rom_lookup.h"
#include "catalogue/rom_scan.h"
#include "core/shared_state.h"
#include "core/texts.h"
#include "launch/launch.h"
#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "platform/qt/controls.h"
#include "sections/section_design.h"
#include "sections/section_widgets.h"
#include "sections/section_window.h"
#include "sections/slide_show.h"
#include "sections/snapshot_files.h"
#include "shell/pickers.h"

namespace arvok {

namespace {

constexpr int kCheckHeight = 190;

QWidget* PageOf(const std::array<QWidget*, 5>& pages, Page page) {
    return pages[static_cast<size_t>(page)];
}

QLineEdit* MakeEdit(QWidget* parent, const std::string& name, const std::string& text, int left,
                    int top, int width) {
    auto* edit = Placed(new QLineEdit(FromAnsi(text), parent), name.c_str(), left, top, width, 255);
    return edit;
}

const char* const kSkipMessage = "Format not valid!  \rYou must enter only 0-9 or\roptionally "
                                 "'-' for negative values";

} // namespace

// Configuration page.

void SectionWindow::buildConfPage() {
    QWidget* page = PageOf(pages_, Page::Conf);
    const ConfDesign& conf = design_.conf;
    const bool altFolder = Section(emu_).hasAltRomPath;
    constexpr int kEdit = 3000, kButton = 3120, kButtonWidth = 675;

    MakeLabel(page, conf.exeCaptionName, QString::fromLatin1(conf.exeCaption), 60, 45, kEdit,
              kPageRow);
    exePath_ = MakeEdit(page, "txtOpt" + base_ + "ExePath", conf.exePath, 60, 255, kEdit);
    auto* browse =
        MakeButton(page, "cmdSfoglia", "Browse", ButtonLook::Link, kButton, 255, kButtonWidth, 255);
    browse->setToolTip(QStringLiteral(" Choose emulator executable "));
    connect(browse, &ClickLabel::clicked, this, [this] { openProgramPicker(true); });
    emuDir_ =
        MakeLabel(page, ("lblOpt" + base_ + "Hide").c_str(), FromPath(conf.emuDir), 0, 0, 0, 0);
    emuDir_->hide();

    MakeLabel(page, "Label22", QString::fromLatin1(conf.romCaption), 60, 600, kEdit, kPageRow);
    const int editLeft = altFolder ? 510 : 60;
    romPath_ = MakeEdit(page, "txtOpt" + base_ + "RomPath", conf.romPath, editLeft, 810,
                        kEdit - editLeft + 60);
    auto* romButton = MakeButton(page, "cmdSelDir", conf.romButtonCaption, ButtonLook::Link,
                                 kButton, 810, kButtonWidth, 255);
    romButton->setToolTip(QStringLiteral(" Choose Default rom directory "));
    connect(romButton, &ClickLabel::clicked, this,
            [this] { browseFolder(FolderField::Rom, romPath_); });
    int top = 1110;
    if (altFolder) {
        auto* def = MakeEdit(page, "Text2", "DEF", 60, 810, 420);
        def->setReadOnly(true);
        auto* alt = MakeEdit(page, "Text3", "ALT", 60, top, 420);
        alt->setReadOnly(true);
        romPathAlt_ =
            MakeEdit(page, "txtOpt" + base_ + "RomPathAlt", conf.romPath + std::string("\\Alt"),
                     editLeft, top, kEdit - editLeft + 60);
        auto* altButton = MakeButton(page, "cmdSelDirAlt", "B.ALT", ButtonLook::Link, kButton, top,
                                     kButtonWidth, 255);
        altButton->setToolTip(QStringLiteral(" Choose Default rom directory "));
        connect(altButton, &ClickLabel::clicked, this,
                [this] { browseFolder(FolderField::RomAlt, romPathAlt_); });
        top += 345;
    }

    MakeLabel(page, "Label20", QString::fromLatin1(conf.snapCaption), 60, top, kEdit, kPageRow);
    snapPath_ = MakeEdit(page, "txtOpt" + base_ + "Snap", conf.snapPath, 60, top + 210, kEdit);
    auto* snapButton = MakeButton(page, "cmdDirSnap", "Browse", ButtonLook::Link, kButton,
                                  top + 210, kButtonWidth, 255);
    snapButton->setToolTip(QStringLiteral(" Choose the snapshots directory "));
    connect(snapButton, &ClickLabel::clicked, this,
            [this] { browseFolder(FolderField::Snap, snapPath_); });
    top += 600;

    auto* formats =
        Placed(new QGroupBox(QStringLiteral("Snaps Format"), page), "Frame1", 60, top, 1830, 900);
    snapGif_ =
        Placed(new QRadioButton(QStringLiteral("GIF"), formats), "optSnapGIF", 120, 240, 1600, 200);
    snapJpg_ =
        Placed(new QRadioButton(QStringLiteral("JPG"), formats), "optSnapJPG", 120, 450, 1600, 200);
    snapBmp_ =
        Placed(new QRadioButton(QStringLiteral("BMP"), formats), "optSnapBMP", 120, 660, 1600, 200);
    snapGif_->setChecked(true);

    if (Section(emu_).hasScan) {
        auto* roms = Placed(new QGroupBox(QString::fromLatin1(conf.scanFrameCaption), page),
                            "Frame2", 1965, top, 1830, 900);
        if (altFolder) {
            Placed(new QRadioButton(QStringLiteral("Splitted"), roms), "optSplitted", 120, 240,
                   1600, 200);
            merged_ = Placed(new QRadioButton(QStringLiteral("Merged"), roms), "optMerged", 120,
                             450, 1600, 200);
            merged_->setChecked(true);
        }
        auto* scan =
            MakeButton(roms, "lblScanNow", "Scan now!", ButtonLook::Link, 120, 660, 1590, 195);
        scan->setToolTip(QStringLiteral(" Scan Rom directory "));
        connect(scan, &ClickLabel::clicked, this, &SectionWindow::scanNow);
    }
    top += 960;

    auto* slides =
        Placed(new QGroupBox(QStringLiteral("Slideshow"), page), "Frame3", 60, top, 3735, 780);
    noSlide_ = Placed(new QCheckBox(QStringLiteral("Disable"), slides),
                      ("chk" + base_ + "NoSlide").c_str(), 120, 240, 1500, 200);
    showCounter_ = Placed(new QCheckBox(QStringLiteral("Show Counter"), slides),
                          ("chk" + base_ + "ShowCounter").c_str(), 120, 480, 1500, 200);
    slideDelay_ = Placed(new QComboBox(slides), "cboSlideShowTimer", 1800, 300, 1755, 285);
    for (const char* item : kSlideDelayItems)
        slideDelay_->addItem(QString::fromLatin1(item));
    connect(noSlide_, &QCheckBox::clicked, this, &SectionWindow::onNoSlideClicked);
    connect(slideDelay_, &QComboBox::activated, this, &SectionWindow::onSlideDelayChosen);
}

void SectionWindow::onNoSlideClicked() {
    const bool disabled = noSlide_->isChecked();
    if (disabled)
        showCounter_->setChecked(false);
    showCounter_->setEnabled(!disabled);
    slideDelay_->setEnabled(!disabled);
}

void SectionWindow::onSlideDelayChosen() {
    if (std::optional<int> ms = SlideDelayMs(slideDelay_->currentIndex()))
        SnapDelay = *ms;
}

void SectionWindow::browseFolder(FolderField field, QLineEdit* edit) {
    const std::string pattern =
        field == FolderField::Snap
            ? SnapPattern(snapGif_->isChecked(), snapJpg_->isChecked(), snapBmp_->isChecked())
            : "*.zip";
    std::string start = ToPath(edit->text());
    if (field == FolderField::Rom && design_.romPickerFallback && !IsDirectory(start))
        start = ResolveName(ToPath(emuDir_->text()), design_.romPickerFallback);
    RunFolderPicker({FolderTagText(emu_, field), pattern, "Choose Directory", start}, this);
}

void SectionWindow::openProgramPicker(bool modal) {
    ProgramPickerRequest request;
    request.tag = Section(emu_).tag;
    request.startDir = DirName(ToPath(exePath_->text()));
    if (modal)
        RunProgramPicker(request, this);
    else
        ShowProgramPicker(request, this);
}

void SectionWindow::openGameRomPicker(const RomFolderRequest& request) {
    RunFolderPicker({request.tag, request.pattern, request.caption, request.folder}, this);
}

// The game's own ROM folder: the picker lists the game's zip and, in a section whose picker
// offers the parent, the zip of a clone's parent that the data file marks as an original. A parent
// the data file lacks is reported by its lookup and not offered, as in the launch.
void SectionWindow::browseGameRomFolder() {
    const std::string game = romSettingsKey();
    if (!lookup(game))
        return;
    std::string offeredParent;
    if (design_.romPickerOffersParent) {
        if (!CloneOf.empty() && CloneOf != "-" && !IsNeoGeoSet(CloneOf)) {
            NeoGeoLookup parent = LookupMameNeoGeo(CloneOf);
            if (parent.found)
                NeoGeo = parent.neoGeo;
            if (parent.found && !parent.neoGeo)
                offeredParent = CloneOf;
        }
        if (offeredParent.empty())
            CloneOf.clear();
    }
    openGameRomPicker(
        GameRomFolderRequest(emu_, game, RomSel, offeredParent, ToPath(gameRomPath_->text())));
}

void SectionWindow::scanNow() {
    ScanRequest request;
    request.romPath = ToPath(romPath_->text());
    if (romPathAlt_)
        request.altRomPath = ToPath(romPathAlt_->text());
    request.merged = merged_ && merged_->isChecked();
    ScanRoms(emu_, request);
}

// Per-game settings page.

void SectionWindow::buildSettingsPage() {
    QWidget* page = PageOf(pages_, Page::Settings);
    const GameSettingsTable& table = GameSettingsTableOf(emu_);
    gameRomPath_ = MakeEdit(page, table.romPathControl, {}, 60, 45, 2640);
    auto* browse = MakeButton(page, ("cmd" + base_ + "SelDir").c_str(), "Brow", ButtonLook::Folder,
                              2730, 45, 510, 255);
    browse->setToolTip(QStringLiteral(" Choose Univoque Rom Directory "));
    connect(browse, &ClickLabel::clicked, this, &SectionWindow::browseGameRomFolder);
    auto* def =
        MakeButton(page, "cmdDirRomDefault", "Def.", ButtonLook::Default, 3270, 45, 525, 255);
    def->setToolTip(QStringLiteral(" Assign default Rom Directory "));
    connect(def, &ClickLabel::clicked, this, [this] { gameRomPath_->setText(romPath_->text()); });

    // Every control stands where its design row puts it, with its caption and tooltip.
    auto rowOf = [&](const std::string& name) -> const SettingControl* {
        for (const SettingControl& row : design_.settings)
            if (name == row.name)
                return &row;
        return nullptr;
    };
    auto addControl = [&](const std::string& name, OptionKind kind,
                          const std::vector<std::string>& items) -> QWidget* {
        QWidget* w = nullptr;
        if (kind == OptionKind::Combo) {
            auto* combo = new QComboBox(page);
            for (const std::string& item : items)
                combo->addItem(FromAnsi(item));
            w = combo;
        } else if (kind == OptionKind::Check) {
            w = new QCheckBox(page);
        } else {
            auto* edit = new QLineEdit(page);
            connect(edit, &QLineEdit::textEdited, this, [this, edit] { onSkipEdited(edit); });
            w = edit;
        }
        w->setObjectName(QString::fromStdString(name));
        const SettingControl* row = rowOf(name);
        if (!row)
            return w;
        PlaceTwips(w, row->left, row->top, row->width,
                   kind == OptionKind::Check ? kCheckHeight : 255);
        w->setToolTip(QString::fromLatin1(row->tip));
        if (kind == OptionKind::Check) {
            static_cast<QCheckBox*>(w)->setText(QString::fromLatin1(row->caption));
        } else if (*row->labelName || *row->caption) {
            QLabel* label = MakeLabel(page, row->labelName, QString::fromLatin1(row->caption),
                                      row->labelLeft, row->top, row->labelWidth, 255);
            label->setToolTip(QString::fromLatin1(row->labelTip));
        }
        return w;
    };

    slotControls_.assign(table.options.size() + 1, nullptr);
    slotControls_[kRomPathSlot] = gameRomPath_;
    for (size_t slot = 1; slot <= table.options.size(); ++slot) {
        const GameOption& option = table.option(slot);
        slotControls_[slot] = addControl(option.control, option.kind, option.items);
    }
    for (const std::string& name : table.clearedByDefaults)
        clearedByDefaults_.push_back(addControl(name, OptionKind::Check, {}));

    record_ = page->findChild<QCheckBox*>(QString::fromStdString("chk" + base_ + "Record"));
    playback_ = page->findChild<QCheckBox*>(QString::fromStdString("chk" + base_ + "Playback"));
    if (playback_) {
        hideInp_ = MakeLabel(page, "lblHideInp", {}, 0, 0, 0, 0);
        hideInp_->hide();
        connect(playback_, &QCheckBox::clicked, this, &SectionWindow::onPlaybackClicked);
    }
    if (record_)
        connect(record_, &QCheckBox::clicked, this, &SectionWindow::onRecordClicked);

    for (const EnableRule& rule : design_.enableRules) {
        auto* check = page->findChild<QCheckBox*>(QString::fromLatin1(rule.check));
        auto* target = page->findChild<QWidget*>(QString::fromLatin1(rule.target));
        enableRules_.push_back({check, target});
        connect(check, &QCheckBox::toggled, this, &SectionWindow::applyEnableRules);
    }
    applyEnableRules();

    for (const PageLabel& note : design_.settingsLabels) {
        QLabel* label = MakeLabel(page, note.name, QString::fromLatin1(note.text), note.left,
                                  note.top, note.width, note.height);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    page->setToolTip(QString::fromLatin1(design_.settingsPageTip));

    auto* all = MakeButton(page, "cmdApplytoAll", "All", ButtonLook::Alert, 3195, 3660, 600, 180);
    all->setToolTip(QString::fromLatin1(design_.applyAllTip));
    connect(all, &ClickLabel::clicked, this, &SectionWindow::applyToAll);
}

// Each rule's control is enabled exactly while its check box is checked.
void SectionWindow::applyEnableRules() {
    for (const auto& [check, target] : enableRules_)
        target->setEnabled(check->isChecked());
}

// The defaults the window's load puts into the per-game settings page.
void SectionWindow::setPageDefaults() {
    gameRomPath_->setText(
        FromPath(design_.romDirFallback ? DefaultRomFolder(emu_) : Shared().RomDir[Index(emu_)]));
    SettingsFields defaults = BuiltInDefaults(emu_);
    defaults[kRomPathSlot] = ToPath(gameRomPath_->text());
    applyFields(defaults, SettingsSource::GameRecord);
}

Handler SectionWindow::handlerOf(QWidget* control) {
    if (control && control == record_)
        return [this] { onRecordClicked(); };
    if (control && control == playback_)
        return [this] { onPlaybackClicked(); };
    for (const auto& rule : enableRules_)
        if (control == rule.first)
            return [this] { applyEnableRules(); };
    return {};
}

void SectionWindow::applyFields(const SettingsFields& fields, SettingsSource source) {
    if (source != SettingsSource::GameRecord)
        for (QWidget* w : clearedByDefaults_)
            SetCheckedAndRun(static_cast<QCheckBox*>(w), false, handlerOf(w));
    gameRomPath_->setText(FromPath(fields[kRomPathSlot]));
    const GameSettingsTable& table = GameSettingsTableOf(emu_);
    for (size_t slot = 1; slot < slotControls_.size(); ++slot) {
        QWidget* w = slotControls_[slot];
        switch (table.option(slot).kind) {
        case OptionKind::Combo:
            SetIndexAndRun(static_cast<QComboBox*>(w), Index(fields, slot), handlerOf(w));
            break;
        case OptionKind::Check:
            SetCheckedAndRun(static_cast<QCheckBox*>(w), Checked(fields, slot), handlerOf(w));
            break;
        case OptionKind::Text:
            static_cast<QLineEdit*>(w)->setText(FromAnsi(Text(fields, slot)));
            break;
        }
    }
}

SettingsFields SectionWindow::readFields() const {
    SettingsFields fields;
    fields[kRomPathSlot] = ToPath(gameRomPath_->text());
    const GameSettingsTable& table = GameSettingsTableOf(emu_);
    for (size_t slot = 1; slot < slotControls_.size(); ++slot) {
        QWidget* w = slotControls_[slot];
        switch (table.option(slot).kind) {
        case OptionKind::Combo:
            fields[slot] = std::to_string(static_cast<QComboBox*>(w)->currentIndex());
            break;
        case OptionKind::Check:
            fields[slot] = static_cast<QCheckBox*>(w)->isChecked() ? "1" : "0";
            break;
        case OptionKind::Text:
            fields[slot] = ToAnsi(static_cast<QLineEdit*>(w)->text());
            break;
        }
    }
    return fields;
}

SettingsSource SectionWindow::loadGameSettings(const std::string& key) {
    SettingsFields fields;
    SettingsSource source = SettingsSource::BuiltIn;
    LoadGameSettings(emu_, key, fields, &source);
    applyFields(fields, source);
    return source;
}

// Stored under the game the page was loaded for, never another one and never an empty key.
bool SectionWindow::saveGameSettings() {
    return SaveLoadedGameSettings(emu_, readFields());
}

void SectionWindow::applyToAll() {
    if (dialogs().message(texts::testoApplyToAll, MsgStyle::WarningYesNo) != Answer::Yes)
        return;
    if (ApplyToAll(emu_, readFields()))
        dialogs().message(texts::testoDefaultConfSaved, MsgStyle::Information);
}

// Playback and Record exclude each other: checking one unchecks the other, and the one just
// checked stays checked.
void SectionWindow::onPlaybackClicked() {
    if (record_->isChecked()) {
        record_->setChecked(false);
        showRecordLook();
    }
    if (!playback_->isChecked())
        return;
    ProgramPickerRequest request;
    request.tag = Section(emu_).tag;
    request.pattern = kRecordingPattern;
    request.caption = "Choose the INP file";
    request.startDir = ResolveName(ToPath(emuDir_->text()), "INP");
    request.lockFolder = true;
    RunProgramPicker(request, this);
    playback_->setToolTip(QStringLiteral(" Playback:  <") + hideInp_->text() +
                          QStringLiteral("> "));
}

void SectionWindow::onRecordClicked() {
    if (playback_ && playback_->isChecked())
        playback_->setChecked(false);
    showRecordLook();
}

void SectionWindow::showRecordLook() {
    const bool on = record_->isChecked();
    SetForeColor(record_, on ? 0x80 : 0);
    QFont bold = record_->font();
    bold.setBold(on);
    record_->setFont(bold);
}

// A skip field holds only an optional "-" and digits, whatever way the text arrived; anything
// else is answered with a message and "0", and an emptied field becomes "0".
void SectionWindow::onSkipEdited(QLineEdit* edit) {
    static const QRegularExpression valid(QStringLiteral("^-?[0-9]*$"));
    if (!valid.match(edit->text()).hasMatch()) {
        const bool row = edit->objectName().endsWith(QLatin1String("SkipR"));
        dialogs().message(kSkipMessage, MsgStyle::Warning, row ? "Warning!" : "");
        edit->setText(QStringLiteral("0"));
    } else if (edit->text().isEmpty()) {
        edit->setText(QStringLiteral("0"));
    }
}

} // namespace arvok
