#include "sections/settings_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <type_traits>

#include "core/texts.h"
#include "launch/command_line.h"
#include "launch/launch_ui.h"
#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "sections/conf_page.h"
#include "sections/section_design.h"
#include "sections/section_widgets.h"
#include "shell/installation.h"

namespace arvok {

namespace {

constexpr int kCheckHeight = 190;

const char* const kSkipMessage = "Format not valid!  \rYou must enter only 0-9 or\roptionally "
                                 "'-' for negative values";

} // namespace

SettingsPage::SettingsPage(Emu emu, Installation& installation, ConfPage& conf, QWidget* window,
                           std::function<void()> browseRomFolder,
                           std::function<void()> saveSettingsFile)
    : QWidget(window), emu_(emu), installation_(installation), conf_(conf),
      saveSettingsFile_(std::move(saveSettingsFile)) {
    const std::string base = Section(emu).baseName;
    const SectionDesign& design = Design(emu);
    PlacePage(this, "pic" + base + "Settings");
    const GameSettingsTable& table = GameSettingsTableOf(emu_);
    romFolder_ = Placed(new QLineEdit(this), table.romPathControl.c_str(), 60, 45, 2640, 255);
    auto* browse = MakeButton(this, ("cmd" + base + "SelDir").c_str(), "Brow", ButtonLook::Folder,
                              2730, 45, 510, 255);
    browse->setToolTip(QStringLiteral(" Choose Univoque Rom Directory "));
    connect(browse, &ClickLabel::clicked, this, std::move(browseRomFolder));
    auto* def =
        MakeButton(this, "cmdDirRomDefault", "Def.", ButtonLook::Default, 3270, 45, 525, 255);
    def->setToolTip(QStringLiteral(" Assign default Rom Directory "));
    connect(def, &ClickLabel::clicked, this,
            [this] { SetTextShowingStart(romFolder_, conf_.romPathText()); });

    slotControls_.push_back(romFolder_);
    for (const GameOption& option : table.options)
        slotControls_.push_back(addOption(option));
    for (const std::string& name : table.clearedByDefaults)
        clearedByDefaults_.push_back(addCheck(name));

    if (playback_) {
        hideInp_ = MakeLabel(this, "lblHideInp", {}, 0, 0, 0, 0);
        hideInp_->hide();
        connect(playback_, &QCheckBox::clicked, this, &SettingsPage::onPlaybackClicked);
    }
    if (record_)
        connect(record_, &QCheckBox::clicked, this, &SettingsPage::onRecordClicked);

    for (const EnableRule& rule : design.enableRules) {
        auto* check = optionControl<QCheckBox>(rule.check);
        enableRules_.push_back({check, optionControl<QWidget>(rule.target)});
        connect(check, &QCheckBox::toggled, this, &SettingsPage::applyEnableRules);
    }
    if (design.gatedCombo)
        gated_ = optionControl<QComboBox>(design.gatedCombo);
    applyEnableRules();

    for (const PageLabel& note : design.settingsLabels) {
        QLabel* label = MakeLabel(this, note.name, QString::fromLatin1(note.text), note.left,
                                  note.top, note.width, note.height);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    setToolTip(QString::fromLatin1(design.settingsPageTip));
    conf_.whenRomPathChanges([this] { followSectionRomFolder(); });

    auto* all = MakeButton(this, "cmdApplytoAll", "All", ButtonLook::Alert, 3195, 3660, 600, 180);
    all->setToolTip(QString::fromLatin1(design.applyAllTip));
    connect(all, &ClickLabel::clicked, this, &SettingsPage::applyToAll);
}

SettingsPage::OptionControl SettingsPage::addOption(const GameOption& option) {
    if (option.kind == OptionKind::Check)
        return addCheck(option.control);
    if (option.kind == OptionKind::Combo) {
        auto* combo = new QComboBox(this);
        for (const std::string& item : option.items)
            combo->addItem(FromAnsi(item));
        placeLabelled(combo, option.control);
        return combo;
    }
    auto* edit = new QLineEdit(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit] { onSkipEdited(edit); });
    placeLabelled(edit, option.control);
    return edit;
}

// A combo or text box has its caption on a label beside it.
void SettingsPage::placeLabelled(QWidget* control, const std::string& name) {
    const SettingControl* row = place(control, name, 255);
    if (row && (*row->labelName || *row->caption)) {
        QLabel* label = MakeLabel(this, row->labelName, QString::fromLatin1(row->caption),
                                  row->labelLeft, row->top, row->labelWidth, 255);
        label->setToolTip(QString::fromLatin1(row->labelTip));
    }
}

// Record and Playback are known by their names.
QCheckBox* SettingsPage::addCheck(const std::string& name) {
    auto* check = new QCheckBox(this);
    if (const SettingControl* row = place(check, name, kCheckHeight))
        check->setText(QString::fromLatin1(row->caption));
    if (name == ObjectName(emu_, "chk", "Record"))
        record_ = check;
    else if (name == ObjectName(emu_, "chk", "Playback"))
        playback_ = check;
    return check;
}

// Every control stands where its design row puts it, with its tooltip; the row, or nullptr when
// the design has none for it.
const SettingControl* SettingsPage::place(QWidget* control, const std::string& name, int height) {
    control->setObjectName(QString::fromStdString(name));
    for (const SettingControl& row : Design(emu_).settings)
        if (name == row.name) {
            PlaceTwips(control, row.left, row.top, row.width, height);
            control->setToolTip(QString::fromLatin1(row.tip));
            return &row;
        }
    return nullptr;
}

template <class W> W* SettingsPage::optionControl(const char* name) const {
    const GameSettingsTable& table = GameSettingsTableOf(emu_);
    for (size_t slot = 1; slot < slotControls_.size(); ++slot)
        if (table.option(slot).control == name)
            return std::visit(
                [](auto* control) -> W* {
                    if constexpr (std::is_base_of_v<W, std::remove_pointer_t<decltype(control)>>)
                        return control;
                    else
                        return nullptr;
                },
                slotControls_[slot]);
    return nullptr;
}

// Each rule's control is enabled exactly while its check box is checked.
void SettingsPage::applyEnableRules() {
    for (const auto& [check, target] : enableRules_)
        target->setEnabled(check->isChecked());
}

void SettingsPage::setDefaults() {
    const SettingsFiles& files = installation_.settings;
    SetTextShowingStart(romFolder_,
                        FromPath(Design(emu_).romDirFallback ? DefaultRomFolder(files, emu_)
                                                             : files.RomDir[Index(emu_)]));
    SettingsFields defaults = BuiltInDefaults(files, emu_);
    defaults[kRomPathSlot] = romFolder();
    applyFields(defaults, SettingsSource::GameRecord);
}

Handler SettingsPage::handlerOf(QWidget* control) {
    if (control && control == record_)
        return [this] { onRecordClicked(); };
    if (control && control == playback_)
        return [this] { onPlaybackClicked(); };
    for (const auto& rule : enableRules_)
        if (control == rule.first)
            return [this] { applyEnableRules(); };
    return {};
}

void SettingsPage::applyFields(const SettingsFields& fields, SettingsSource source) {
    if (source != SettingsSource::GameRecord)
        for (QCheckBox* check : clearedByDefaults_)
            SetCheckedAndRun(check, false, handlerOf(check));
    SetTextShowingStart(romFolder_, FromPath(fields[kRomPathSlot]));
    for (size_t slot = 1; slot < slotControls_.size(); ++slot) {
        const OptionControl& control = slotControls_[slot];
        if (auto* combo = std::get_if<QComboBox*>(&control))
            SetIndexAndRun(*combo, Index(fields, slot), handlerOf(*combo));
        else if (auto* check = std::get_if<QCheckBox*>(&control))
            SetCheckedAndRun(*check, Checked(fields, slot), handlerOf(*check));
        else
            std::get<QLineEdit*>(control)->setText(FromAnsi(Text(fields, slot)));
    }
}

SettingsFields SettingsPage::readFields() const {
    SettingsFields fields;
    fields[kRomPathSlot] = romFolder();
    for (size_t slot = 1; slot < slotControls_.size(); ++slot) {
        const OptionControl& control = slotControls_[slot];
        if (auto* combo = std::get_if<QComboBox*>(&control))
            fields[slot] = std::to_string((*combo)->currentIndex());
        else if (auto* check = std::get_if<QCheckBox*>(&control))
            fields[slot] = (*check)->isChecked() ? "1" : "0";
        else
            fields[slot] = ToAnsi(std::get<QLineEdit*>(control)->text());
    }
    return fields;
}

SettingsSource SettingsPage::load(const std::string& key) {
    GameLoad loaded = installation_.gameSettings.load(emu_, key);
    installation_.notices.read(loaded.path, loaded.file);
    loadedKey_ = key;
    applyFields(loaded.fields, loaded.source);
    filledIn(loaded.source == SettingsSource::BuiltIn);
    return loaded.source;
}

void SettingsPage::loadShown(const std::string& key) {
    const SettingsSource source = load(key);
    if (source != SettingsSource::BuiltIn && romFolder_->text().isEmpty()) {
        SetTextShowingStart(romFolder_, conf_.romPathText());
        filledIn(source == SettingsSource::DefaultRecord);
    }
}

void SettingsPage::filledIn(bool followsSection) {
    filled_ = readFields();
    followsSection_ = followsSection;
}

// A game without a record of its own shows the section's ROM folder as it stands: while the
// page's folder is still the one filled in, it follows the configuration page's.
void SettingsPage::followSectionRomFolder() {
    if (!followsSection_ || romFolder() != filled_[kRomPathSlot])
        return;
    SetTextShowingStart(romFolder_, FromPath(DefaultRomFolder(installation_.settings, emu_)));
    filled_[kRomPathSlot] = romFolder();
}

// Stored under the game the page was loaded for, never another one and never an empty key, and
// only once the user changed something on its page: a game without a record of its own takes the
// defaults as they stand until then, and one with a record keeps it as it is on disk.
bool SettingsPage::save() {
    if (loadedKey_.empty() || readFields() == filled_)
        return true;
    if (!installation_.notices.saved(
            installation_.gameSettings.save(emu_, loadedKey_, readFields())))
        return false;
    filledIn(false);
    return true;
}

void SettingsPage::launchOptions(GameOptions& options) const {
    options.fields = readFields();
    // The combo whose being disabled silences its switch (the design row names it).
    if (gated_)
        options.resolutionEnabled = gated_->isEnabled();
    if (playback_) {
        options.playback = playback_->isChecked();
        options.inpName = ToPath(hideInp_->text());
    }
}

std::string SettingsPage::romFolder() const {
    return ToPath(romFolder_->text());
}

void SettingsPage::applyToAll() {
    if (dialogs().message(texts::testoApplyToAll, MsgStyle::WarningYesNo) != Answer::Yes)
        return;
    if (!installation_.notices.saved(installation_.gameSettings.applyToAll(emu_, readFields()),
                                     Notices::Report::EachTime))
        return;
    filledIn(false);
    dialogs().message(texts::testoDefaultConfSaved, MsgStyle::Information);
}

// Playback and Record exclude each other: checking one unchecks the other, and the one just
// checked stays checked.
void SettingsPage::onPlaybackClicked() {
    if (record_->isChecked()) {
        record_->setChecked(false);
        showRecordLook();
    }
    if (!playback_->isChecked())
        return;
    ProgramPickerRequest request;
    request.tag = Section(emu_).tag;
    request.pattern = "*.inp";
    request.caption = "Choose the INP file";
    request.startDir = ResolveName(conf_.emulatorDir(), "INP");
    request.lockFolder = true;
    // The recording's file name goes into lblHideInp; cancelled, Playback is unchecked.
    if (std::optional<PickedProgram> recording = ChooseProgram(request, window()))
        hideInp_->setText(FromPath(recording->file));
    else
        SetCheckedAndRun(playback_, false, [this] { onPlaybackClicked(); });
    playback_->setToolTip(QStringLiteral(" Playback:  <") + hideInp_->text() +
                          QStringLiteral("> "));
}

void SettingsPage::onRecordClicked() {
    if (playback_ && playback_->isChecked())
        playback_->setChecked(false);
    showRecordLook();
}

void SettingsPage::showRecordLook() {
    const bool on = record_->isChecked();
    SetForeColor(record_, on ? 0x80 : 0);
    QFont bold = record_->font();
    bold.setBold(on);
    record_->setFont(bold);
}

// A skip field holds only an optional "-" and digits, whatever way the text arrived; anything
// else is answered with "0" and a message, which the refused text does not stay behind, and an
// emptied field becomes "0".
void SettingsPage::onSkipEdited(QLineEdit* edit) {
    static const QRegularExpression valid(QStringLiteral("^-?[0-9]*$"));
    if (!valid.match(edit->text()).hasMatch()) {
        edit->setText(QStringLiteral("0"));
        const bool row = edit->objectName().endsWith(QLatin1String("SkipR"));
        dialogs().message(kSkipMessage, MsgStyle::Warning, row ? "Warning!" : "");
    } else if (edit->text().isEmpty()) {
        edit->setText(QStringLiteral("0"));
    }
}

void SettingsPage::openRomFolderPicker(const RomFolderRequest& request) {
    std::optional<std::string> folder =
        ChooseFolder({request.tag, request.pattern, request.caption, request.folder}, window());
    if (!folder)
        return;
    SetTextShowingStart(romFolder_, FromPath(*folder));
    saveSettingsFile_();
}

} // namespace arvok
