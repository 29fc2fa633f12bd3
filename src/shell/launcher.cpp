#include "shell/launcher.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>

#include "catalogue/header_block.h"
#include "core/texts.h"
#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/button_look.h"
#include "platform/qt/click_label.h"
#include "platform/qt/geometry.h"
#include "platform/qt/window_drag.h"
#include "shell/about.h"
#include "shell/artwork.h"
#include "shell/installation.h"
#include "shell/section_hooks.h"
#include "shell/startup.h"

namespace arvok {

namespace {

constexpr std::uint32_t kFormBack = 0x404040;
constexpr std::uint32_t kEntryText = 13538452;
constexpr std::uint32_t kHighlightBack = 9398111;
constexpr std::uint32_t kYellow = 65535;
constexpr std::uint32_t kWhite = 16777215;
constexpr std::uint32_t kCyan = 16776960;
constexpr std::uint32_t kBannerBack = 9488591;
constexpr std::uint32_t kBannerText = 4194304;

constexpr int kWidth = 3450, kHeight = 7260;
constexpr int kStartTop = 400, kStartLeft = 500;
constexpr int kBannerInterval = 10000;

const char* const kQuitQuestion = "Do you really want to quit ?";

const PerSection<const char*> kEntryCaptions{"M.A.M.E.", "CALLUS", "R.A.I.N.E.", "SYSTEM16",
                                             "M-72"};

const std::array<std::string, 6> kBanner{
    "---> The Definitive Multifrontend <---", "Arvok is written by the Arvok team",
    "What do you want to emulate today?",     std::string("Home page: ") + kWebAddress,
    "Thanks to all emu-developers!",          "Thanks to all rom-dumpers!",
};

struct InertLabel {
    const char* name;
    const char* caption;
    int left, top;
    std::uint32_t color;
};

const InertLabel kInertLabels[] = {
    {"lblRage", "R.A.G.E.", 180, 2520, kEntryText},
    {"lblSparcade", "SHARK", 180, 2700, kEntryText},
    {"lblJuno", "JUNO", 180, 2880, kEntryText},
    {"lblXDragon", "XDRAGON", 180, 3060, kEntryText},
    {"", "PC-ENGINE", 1320, 1440, kCyan},
    {"", "SUPER NES", 1320, 1620, kCyan},
    {"", "NINTENDO", 1320, 1800, kCyan},
    {"", "NINT 64", 1320, 1980, kCyan},
    {"", "PSX", 1320, 2160, kCyan},
    {"", "ATARI 2600", 1320, 2340, kCyan},
    {"", "GENESIS", 1320, 2520, kCyan},
    {"", "GAMEBOY", 1320, 2700, kCyan},
    {"", "GAMEGEAR", 1320, 2880, kCyan},
    {"", "M.SYSTEM", 1320, 3060, kCyan},
    {"", "C=64", 2460, 1440, kEntryText},
    {"", "MSX", 2460, 1620, kEntryText},
    {"", "AMIGA", 2460, 1800, kEntryText},
    {"", "ATARI ST", 2460, 1980, kEntryText},
    {"", "MACINTOSH", 2460, 2160, kEntryText},
    {"", "ZX-SPECTR.", 2460, 2340, kEntryText},
    {"", "SINCL. QL", 2460, 2520, kEntryText},
    {"", "ATARI 800", 2460, 2700, kEntryText},
    {"", "APPLE II", 2460, 2880, kEntryText},
    {"", "AMST. CPC", 2460, 3060, kEntryText},
};

// How narrow the small font may be drawn, in percent of its width, to fit a text into its label.
constexpr int kNarrowestStretch = 50;
constexpr int kStretchStep = 5;

QFont SmallFont() {
    QFont font("Small Fonts");
    font.setPixelSize(9);
    return font;
}

// The room a fitted text leaves free at either side of its label, in pixels.
constexpr int kFitMargin = 2;

// Shows the text in the small font, drawn narrower where the label is too short for it: the
// labels are sized for a font narrower than those most systems offer in its place. A text so
// fitted stays clear of the label's edges.
void ShowFitted(QLabel* label, const QString& text) {
    QFont font = SmallFont();
    const int room = label->contentsRect().width() - 2 * kFitMargin;
    int stretch = 100;
    font.setStretch(stretch);
    while (stretch > kNarrowestStretch && QFontMetrics(font).horizontalAdvance(text) > room) {
        stretch -= kStretchStep;
        font.setStretch(stretch);
    }
    label->setFont(font);
    label->setText(text);
}

void SetTransparent(QLabel* label, std::uint32_t text) {
    label->setAutoFillBackground(false);
    SetForeColor(label, text);
}

void SetOpaque(QLabel* label, std::uint32_t back, std::uint32_t text) {
    SetBackColor(label, back);
    SetForeColor(label, text);
}

void SetMenuRest(QLabel* label) {
    PaintRestLook(label, ButtonLook::Link);
}

template <class Label>
Label* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                 int width, int height) {
    auto* label = new Label(parent);
    if (*name)
        label->setObjectName(name);
    PlaceTwips(label, left, top, width, height);
    ShowFitted(label, text);
    return label;
}

ClickLabel* MakePicture(QWidget* parent, const char* name, const QPixmap& pixmap, int left, int top,
                        int width, int height) {
    auto* picture = MakeLabel<ClickLabel>(parent, name, {}, left, top, width, height);
    picture->setPixmap(pixmap);
    picture->setScaledContents(true);
    return picture;
}

} // namespace

LauncherWindow::LauncherWindow(Installation& installation, SectionHooks& hooks)
    : installation_(installation), hooks_(hooks) {
    setObjectName("frmMain");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(TwipsToPx(kWidth), TwipsToPx(kHeight));
    SetBackColor(this, kFormBack);
    setMouseTracking(true);
    DragsWindow(this);

    buildDecoration();
    buildEntries();
    buildMenu();
    buildStatistics();

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    connect(timer_, &QTimer::timeout, this, &LauncherWindow::advanceBanner);
}

void LauncherWindow::buildDecoration() {
    ClickLabel* logo = MakePicture(this, "imgArvok", LogoPixmap(), 720, 120, 2115, 675);
    connect(logo, &ClickLabel::mouseMoved, this, [this] {
        SetMenuRest(lblAbout_);
        SetMenuRest(lblExit_);
        SetMenuRest(lblLays_);
    });
    DragsWindow(logo);
    connect(logo, &ClickLabel::doubleClicked, this, [this] { setTwipsPosition(0, 0); });

    ClickLabel* bar = MakePicture(this, "Image4", BarPixmap(217, 17), 120, 1110, 3255, 255);
    connect(bar, &ClickLabel::mouseMoved, this, [this] {
        SetTransparent(entries_[Index(Emu::Mame)], kEntryText);
        SetTransparent(entries_[Index(Emu::Callus)], kEntryText);
    });
    MakePicture(this, "Image1", BarPixmap(217, 12), 120, 3285, 3255, 180);
    MakePicture(this, "Image2", BarPixmap(217, 8), 120, 6840, 3255, 120);
    MakePicture(this, "Image3", BarPixmap(217, 3), 120, 7200, 3255, 45);
    MakeLabel<QLabel>(this, "lblCredits", "Arvok - a front end for arcade emulators", 270, 7005,
                      3015, 165)
        ->setStyleSheet("color: #9494CE;");

    for (const auto& inert : kInertLabels) {
        QLabel* label =
            MakeLabel<QLabel>(this, inert.name, inert.caption, inert.left, inert.top, 840, 165);
        SetTransparent(label, inert.color);
    }

    lblMiscText_ = MakeLabel<QLabel>(this, "lblMiscText", QString::fromStdString(kBanner[0]), 750,
                                     840, 2055, 195);
    lblMiscText_->setAlignment(Qt::AlignCenter);
    SetOpaque(lblMiscText_, kBannerBack, kBannerText);

    auto* version = MakeLabel<ClickLabel>(this, "lblVersion", {}, 2520, 90, 420, 180);
    SetTransparent(version, kCyan);
    connect(version, &ClickLabel::mouseMoved, version,
            [version] { version->setToolTip(FromAnsi(" " + texts::ARVOKDATE + " ")); });
    lblVersion_ = version;

    struct Hidden {
        const char* name;
        QPixmap pixmap;
    };
    for (const Hidden& hidden :
         {Hidden{"imgUpArr", ArrowPixmap(true)}, Hidden{"imgDownArr", ArrowPixmap(false)},
          Hidden{"imgBegDrag", DragPixmap(false)}, Hidden{"imgEndDrag", DragPixmap(true)}}) {
        auto* image = new QLabel(this);
        image->setObjectName(hidden.name);
        image->setPixmap(hidden.pixmap);
        image->hide();
    }
}

void LauncherWindow::buildEntries() {
    for (Emu emu : kAllEmus) {
        const std::string name = ObjectName(emu, "lbl", "");
        auto* entry = MakeLabel<ClickLabel>(this, name.c_str(), kEntryCaptions[Index(emu)], 180,
                                            1440 + 180 * static_cast<int>(Index(emu)), 840, 165);
        SetTransparent(entry, kEntryText);
        entry->installEventFilter(this);
        connect(entry, &ClickLabel::clicked, this, [this, emu] { hooks_.open(emu); });
        connect(entry, &ClickLabel::mouseMoved, this, [this, emu] { highlight(emu); });
        entries_[Index(emu)] = entry;
    }
    auto* neoRage = MakeLabel<ClickLabel>(this, "lblNeoRageX", "NEORAGE-X", 180, 2340, 840, 165);
    SetTransparent(neoRage, kEntryText);
    connect(neoRage, &ClickLabel::mouseMoved, this, [this] {
        SetTransparent(entries_[Index(Emu::System16)], kEntryText);
        SetTransparent(entries_[Index(Emu::M72)], kEntryText);
    });
}

void LauncherWindow::buildMenu() {
    lblExit_ = MakeLabel<ClickLabel>(this, "lblExit", "Exit", 210, 360, 375, 195);
    lblLays_ = MakeLabel<ClickLabel>(this, "lblLays", "Lays", 2940, 360, 375, 195);
    lblAbout_ = MakeLabel<ClickLabel>(this, "lblAbout", "About", 2910, 600, 435, 195);
    for (ClickLabel* label : {lblExit_, lblLays_, lblAbout_}) {
        label->setAlignment(Qt::AlignCenter);
        GiveLook(label, ButtonLook::Link);
    }
    connect(lblExit_, &ClickLabel::clicked, this, &QWidget::close);
    connect(lblLays_, &ClickLabel::clicked, this, [this] { hooks_.showLayoutManager(); });
    connect(lblAbout_, &ClickLabel::clicked, this, &LauncherWindow::showAbout);
    connect(lblLays_, &ClickLabel::mouseMoved, this, [this] { SetMenuRest(lblAbout_); });
    connect(lblAbout_, &ClickLabel::mouseMoved, this, [this] { SetMenuRest(lblLays_); });
}

void LauncherWindow::buildStatistics() {
    constexpr int kLeft = 270, kTop = 3540, kStep = 180, kCaptionWidth = 900;
    constexpr int kValueLeft = kLeft + kCaptionWidth, kValueWidth = 3015 - kCaptionWidth;
    // The lines start below the title line, and the last two below the contributors' caption.
    constexpr int kLines = kTop + 195, kLower = kLines + kStep * 14 + 30;
    for (int i = 0; i < kHeaderLines; ++i) {
        const HeaderLine& line = kHeaderLayout[i];
        QLabel* value = nullptr;
        if (i == 0) {
            value = MakeLabel<QLabel>(this, line.label, {}, kLeft, kTop, 3015, kLines - kTop);
            value->setAlignment(Qt::AlignCenter);
            SetOpaque(value, kBannerBack, kBannerText);
        } else if (i < 15) {
            int top = kLines + kStep * (i - 1);
            MakeLabel<QLabel>(this, "", line.caption, kLeft, top, kCaptionWidth, 165)
                ->setStyleSheet("color: #FFFF00;");
            value = MakeLabel<QLabel>(this, line.label, "-", kValueLeft, top, kValueWidth, 165);
            SetTransparent(value, kWhite);
        } else {
            int top = kLower + kStep * (i - 14);
            value = MakeLabel<QLabel>(this, line.label, "-", kLeft, top, 3015, 165);
            SetTransparent(value, kWhite);
        }
        statistics_[i] = value;
    }
    MakeLabel<QLabel>(this, "", kContributorsCaption, kLeft, kLower, 3015, 165)
        ->setStyleSheet("color: #FFFF00;");
}

void LauncherWindow::load() {
    setWindowTitle(FromAnsi(texts::Title()));
    ShowFitted(lblVersion_, FromAnsi(texts::VERSION));
    ShowFitted(statistics_[0], FromAnsi(texts::Title()));
    if (IsFirstRun(installation_.DirInst))
        dialogs().message(texts::Welcome, MsgStyle::Information);
    MakeWorkDirectories(installation_.DirInst);
    setTwipsPosition(kStartTop, kStartLeft);
    applyStartupLayout();
    timer_->start(kBannerInterval);
}

// A layouts file that is there but cannot be read is named, once, as a settings file is.
void LauncherWindow::applyStartupLayout() {
    LayoutRead layout = ReadStartupLayout(installation_.DirInst);
    installation_.notices.read(ArvokIniPath(installation_.DirInst), layout.optionsFile);
    if (layout.stop == LayoutStop::Unreadable)
        installation_.notices.read(LayoutsDatPath(installation_.DirInst),
                                   settings_io::FileState::Unreadable);
    applyLayout(layout.placements);
}

void LauncherWindow::applyLayout(const std::vector<Placement>& placements) {
    for (const Placement& p : placements) {
        if (!p.section) {
            setTwipsPosition(p.top, p.left);
            continue;
        }
        if (!sectionOpen(*p.section))
            hooks_.open(*p.section);
        hooks_.place(*p.section, p.top, p.left, p.width, p.height);
    }
}

int LauncherWindow::twipsTop() const {
    return TwipsToPx(top_) == y() ? top_ : PxToTwips(y());
}

int LauncherWindow::twipsLeft() const {
    return TwipsToPx(left_) == x() ? left_ : PxToTwips(x());
}

void LauncherWindow::setTwipsPosition(int top, int left) {
    top_ = top;
    left_ = left;
    SetTwipsPos(this, top, left);
}

void LauncherWindow::highlight(Emu emu) {
    for (Emu other : kAllEmus)
        if (other != emu)
            SetTransparent(entries_[Index(other)], kEntryText);
    SetOpaque(entries_[Index(emu)], kHighlightBack, kWhite);
    showStatistics(emu);
}

void LauncherWindow::showStatistics(Emu emu) {
    HeaderBlock block = ReadHeaderBlock(installation_.data.dataFilePath(emu));
    ShowFitted(statistics_[0], FromAnsi(block.values[0]));
    // The values keep the panel's font; one longer than its label is cut at the label's edge.
    for (int i = 1; i < kHeaderLines; ++i)
        statistics_[i]->setText(FromAnsi(block.values[i]));
}

void LauncherWindow::advanceBanner() {
    bannerNumber_ = bannerNumber_ % static_cast<int>(kBanner.size()) + 1;
    ShowFitted(lblMiscText_, QString::fromStdString(kBanner[bannerNumber_ - 1]));
}

void LauncherWindow::showAbout() {
    AboutDialog about(this);
    about.exec();
}

void LauncherWindow::mouseMoveEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()))
        return;
    if (currentTag_ != "HIDE")
        hooks_.restClearFavourites();
    SetMenuRest(lblLays_);
    SetMenuRest(lblExit_);
    SetMenuRest(lblAbout_);
    for (ClickLabel* entry : entries_)
        SetTransparent(entry, kEntryText);
}

void LauncherWindow::restMenuLabels() {
    SetMenuRest(lblLays_);
    SetMenuRest(lblAbout_);
}

// Watches the five entries.
bool LauncherWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* entry = static_cast<QLabel*>(watched);
    if (event->type() == QEvent::MouseButtonPress)
        SetForeColor(entry, kYellow);
    if (event->type() == QEvent::MouseButtonRelease)
        SetTransparent(entry, kEntryText);
    return QWidget::eventFilter(watched, event);
}

void LauncherWindow::closeEvent(QCloseEvent* event) {
    if (dialogs().message(kQuitQuestion, MsgStyle::WarningYesNo) != Answer::Yes) {
        event->ignore();
        return;
    }
    event->accept();
    quit();
}

void LauncherWindow::quit() {
    saveOpenSections();
    // Ends the event loop without closing the other windows, whose own closing would save again.
    QCoreApplication::exit(0);
}

void LauncherWindow::saveOpenSections() {
    for (Emu emu : kAllEmus)
        if (sectionOpen(emu))
            hooks_.saveForQuit(emu);
}

} // namespace arvok
