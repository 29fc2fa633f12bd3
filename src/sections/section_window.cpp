#include "sections/section_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "platform/qt/controls.h"
#include "platform/qt/focus_in_view.h"
#include "platform/qt/geometry.h"
#include "platform/qt/window_drag.h"
#include "sections/conf_page.h"
#include "sections/game_lists.h"
#include "sections/help_page.h"
#include "sections/info_page.h"
#include "sections/launcher_link.h"
#include "sections/open_section.h"
#include "sections/popup_menus.h"
#include "sections/section_design.h"
#include "sections/section_widgets.h"
#include "sections/settings_page.h"
#include "sections/slide_show.h"
#include "settings/emulator_cfg.h"
#include "shell/artwork.h"
#include "shell/installation.h"

namespace arvok {

namespace {

// Window sizes, width by height in twips.
constexpr int kWide = 6345, kTall = 7260, kLow = 4620, kNarrow = 2400;
// The docked window's left edge lies this far right of the launcher's.
constexpr int kDockOffset = 3450;

constexpr int kDownLeftLoaded = 2430, kGenreDownLeftLoaded = 4050;
constexpr int kDownLeftToggled = 2400, kGenreDownLeftToggled = 3990;

// The favourites-layout button shows a down arrow in the "up" layout and an up arrow in "down".
void ShowArrow(ClickLabel* button, bool up) {
    button->setPixmap(ArrowPixmap(up));
}

QString Name(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

SectionWindow::SectionWindow(Emu emu, Installation& installation)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), emu_(emu),
      installation_(installation), design_(Design(emu)), base_(Section(emu).baseName) {
    setObjectName(Name("frm" + base_));
    setWindowTitle(QString::fromLatin1(Section(emu).baseName));
    setFont(CompactFont(font()));
    SetBackColor(this, 0x5F3F3F);
    SetForeColor(this, 0xFFFFFF);
    buildFrame();
    lists_ = new GameLists(emu_, installation_.data, this,
                           {[this](const std::string& game) { ShowGameDetail(game); },
                            [this](const std::string& game) { launch(game); },
                            [this] { showConfigurationPage(); }});
    buildPages();
    showPage(Page::Snap);
    ApplyCompactStyle(this);
    KeepsFocusInView(this);
    SetTwipsSize(this, kWide, design_.hasLargeSize ? kTall : kLow);
    setMouseTracking(true);
    if (design_.menuResetsFilters)
        connect(&FrmMenu(), &MenuWindow::resetFiltersRequested, this,
                [this] { lists_->resetFilters(); });
    load();
}

void SectionWindow::buildFrame() {
    title_ = Placed(new ClickLabel(this, QString::fromLatin1(Section(emu_).tag)),
                    Name("img" + base_).toLatin1().constData(), 90, 90, 1860, 375);
    title_->setAlignment(Qt::AlignCenter);
    QFont big = title_->font();
    big.setPixelSize(20);
    big.setBold(true);
    title_->setFont(big);
    title_->installEventFilter(this);
    DragsWindow(title_);
    connect(title_, &ClickLabel::doubleClicked, this, &SectionWindow::dock);

    const std::string sizes = design_.sizeButtonPrefix;
    auto* middle =
        MakeButton(this, (sizes + "Middle").c_str(), "M", ButtonLook::Size, 2010, 300, 165, 165);
    auto* small =
        MakeButton(this, (sizes + "Short").c_str(), "S", ButtonLook::Size, 2190, 120, 165, 165);
    auto* exit = MakeButton(this, ("cmd" + base_ + "Exit").c_str(), "X", ButtonLook::Close, 2010,
                            120, 165, 165);
    exit->setToolTip(QStringLiteral(" Close window "));
    connect(middle, &ClickLabel::clicked, this, &SectionWindow::setMiddle);
    connect(small, &ClickLabel::clicked, this, &SectionWindow::setShort);
    connect(exit, &ClickLabel::clicked, this, &SectionWindow::closeSection);
    if (design_.hasLargeSize) {
        auto* large =
            MakeButton(this, (sizes + "Large").c_str(), "L", ButtonLook::Size, 2190, 300, 165, 165);
        connect(large, &ClickLabel::clicked, this, [this] { setSize(kWide, kTall); });
    } else {
        // Without a Large size the "L" is still there, at rest, and answers nothing.
        MakeInertButton(this, (sizes + "Large").c_str(), "L", ButtonLook::Size, 2190, 300, 165,
                        165);
    }

    ridimenWord_ = MakeLabel(this, ("lbl" + base_ + "Ridimen").c_str(), "up", 0, 0, 0, 0);
    ridimenWord_->hide();
    if (design_.hasFavLayout) {
        ridimen_ = MakeButton(this, ("cmd" + base_ + "Ridimen").c_str(), {}, ButtonLook::Layout,
                              2040, 510, 300, 195);
        ShowArrow(ridimen_, false);
        connect(ridimen_, &ClickLabel::clicked, this, &SectionWindow::toggleLayout);
    }

    static const std::array<const char*, 5> kButtonSuffix{"Snap", "Set", "Info", "Help", "Opts"};
    static const std::array<const char*, 5> kButtonText{"Snap", "Settings", "Info", "Help",
                                                        "Config"};
    for (size_t i = 0; i < pageButtons_.size(); ++i) {
        std::string name = design_.pageButtonPrefix + std::string(kButtonSuffix[i]);
        pageButtons_[i] =
            MakeButton(this, name.c_str(), QString::fromLatin1(kButtonText[i]), ButtonLook::Page,
                       2430 + static_cast<int>(i) * 780, 120, 705, 375);
        SinkWhenPressed(pageButtons_[i]);
        pageButtons_[i]->installEventFilter(this);
    }
    connect(pageButtons_[0], &ClickLabel::clicked, this, &SectionWindow::onSnapButton);
    connect(pageButtons_[1], &ClickLabel::clicked, this, &SectionWindow::onSettingsButton);
    connect(pageButtons_[2], &ClickLabel::clicked, this, [this] { onLeaveButton(Page::Info); });
    connect(pageButtons_[3], &ClickLabel::clicked, this, [this] { onLeaveButton(Page::Help); });
    connect(pageButtons_[4], &ClickLabel::clicked, this, [this] { onLeaveButton(Page::Conf); });

    romSettings_ =
        MakeLabel(this, ("lbl" + base_ + "RomSettings").c_str(), {}, 2400, 510, 3855, 180);
    SetBackColor(romSettings_, 0xE4AAAA);
    SetForeColor(romSettings_, 0x80);
    if (!design_.showsGameInHand)
        romSettings_->hide();

    snapPage_ = new SnapshotPage(
        emu_, installation_.DirInst,
        [this] {
            SnapOptions options;
            options.snapDir = DirSnap;
            conf_->snapOptions(options);
            options.delayMs = SnapDelay;
            return options;
        },
        this);
    PlaceTwips(snapPage_, 2400, 690, 3855, 3885);
    pages_[static_cast<size_t>(Page::Snap)] = snapPage_;
}

// The pages other than the snapshot page are built after the lists, whose controls come before
// theirs on the Tab key, and lie below the lists in the order of the page buttons.
void SectionWindow::buildPages() {
    info_ = new InfoPage(emu_, installation_.data, this);
    help_ = new HelpPage(emu_, this);
    conf_ = new ConfPage(
        emu_, installation_, this, [this](int ms) { SnapDelay = ms; }, [this] { SaveCfg(); });
    settings_ = new SettingsPage(
        emu_, installation_, *conf_, this, [this] { browseGameRomFolder(); },
        [this] { SaveCfg(); });
    pages_ = {snapPage_, settings_, info_, help_, conf_};
    conf_->stackUnder(lists_->favouritesList());
    help_->stackUnder(conf_);
    info_->stackUnder(help_);
    settings_->stackUnder(info_);
}

void SectionWindow::fillGameList() {
    lists_->fill();
}

void SectionWindow::selectFirstGame() {
    lists_->selectFirst();
}

void SectionWindow::showPage(Page page) {
    for (size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->setVisible(static_cast<Page>(i) == page);
    snapPage_->image()->setVisible(page == Page::Snap);
}

void SectionWindow::showConfigurationPage() {
    for (size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->setVisible(static_cast<Page>(i) == Page::Conf);
}

Page SectionWindow::visiblePage() const {
    for (size_t i = 0; i < pages_.size(); ++i)
        if (!pages_[i]->isHidden())
            return static_cast<Page>(i);
    return Page::Snap;
}

void SectionWindow::load() {
    loadCfg();
    DirSnap = conf_->snapPath();
    Ridimen();
    dock();
    lists_->showCounts();
    settings_->setDefaults();
    lists_->neutralFilters();
    lists_->readGameTotal();
}

void SectionWindow::loadCfg() {
    EmulatorCfg cfg = LoadEmulatorCfg(installation_.settings, emu_);
    installation_.notices.read(EmulatorCfgPath(installation_.settings, emu_), cfg.file);
    conf_->load(cfg);
    if (!cfg.read)
        return;
    if (cfg.showCounter)
        snapPage_->counter()->show();
    ridimenWord_->setText(FromAnsi(cfg.favSize));
    if (cfg.favourites)
        lists_->setFavourites(*cfg.favourites);
}

void SectionWindow::SaveCfg() {
    EmulatorCfg cfg;
    conf_->store(cfg);
    cfg.favSize = ToAnsi(ridimenWord_->text());
    cfg.favourites = lists_->favourites();
    installation_.notices.saved(SaveEmulatorCfg(installation_.settings, emu_, cfg));
}

void SectionWindow::saveAll() {
    SaveCfg();
    settings_->save();
}

void SectionWindow::closeSection() {
    saveAll();
    SetSectionOpen(emu_, false);
    hide();
    ForgetSectionWindow(this);
    deleteLater();
}

void SectionWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    closeSection();
}

void SectionWindow::dock() {
    SetTwipsPos(this, LauncherTop(), LauncherLeft() + kDockOffset);
}

// Sizes and the favourites layout.

void SectionWindow::setSize(int width, int height) {
    SetTwipsSize(this, width, height);
}

void SectionWindow::setMiddle() {
    if (design_.hasFavLayout)
        applyUpLayout();
    setSize(kWide, kLow);
}

void SectionWindow::setShort() {
    if (design_.hasFavLayout)
        applyUpLayout();
    setSize(kNarrow, kLow);
    snapPage_->stop();
}

void SectionWindow::Ridimen() {
    if (!design_.hasFavLayout)
        return;
    if (ridimenWord_->text() == QLatin1String("down"))
        applyDownLayout(kDownLeftLoaded, kGenreDownLeftLoaded);
    else
        ShowArrow(ridimen_, false);
}

void SectionWindow::toggleLayout() {
    if (GetTwips(this).Height == kLow)
        return;
    if (ridimenWord_->text() == QLatin1String("up"))
        applyDownLayout(kDownLeftToggled, kGenreDownLeftToggled);
    else
        applyUpLayout();
}

void SectionWindow::applyUpLayout() {
    ShowArrow(ridimen_, false);
    ridimenWord_->setText(QStringLiteral("up"));
    lists_->layOutUp();
}

void SectionWindow::applyDownLayout(int listLeft, int genreLeft) {
    ShowArrow(ridimen_, true);
    ridimenWord_->setText(QStringLiteral("down"));
    lists_->layOutDown(listLeft, genreLeft);
}

// Mouse and keys.

void SectionWindow::mouseMoveEvent(QMouseEvent* event) {
    HighlightLauncher(emu_);
    QWidget::mouseMoveEvent(event);
}

bool SectionWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove && watched == title_) {
        HighlightLauncher(emu_);
        RestLauncherMenu();
    }
    if (type == QEvent::Enter &&
        std::find(pageButtons_.begin(), pageButtons_.end(), watched) != pageButtons_.end())
        HighlightLauncher(emu_);
    return QWidget::eventFilter(watched, event);
}

} // namespace arvok
