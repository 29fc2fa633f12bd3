#include "sections/slide_show.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <algorithm>

#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "platform/qt/geometry.h"
#include "platform/text_file.h"
#include "sections/section_design.h"
#include "sections/snapshot_files.h"
#include "shell/about.h"

namespace arvok {

namespace {

// A notice that breaks its lines at blanks only, so that a web address in it stays whole.
class BlankBrokenLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QStringList lines;
        for (const QString& word : text().split(QLatin1Char(' '))) {
            const QString longer = lines.isEmpty() ? word : lines.back() + ' ' + word;
            if (!lines.isEmpty() &&
                fontMetrics().horizontalAdvance(longer) <= contentsRect().width())
                lines.back() = longer;
            else
                lines.push_back(word);
        }
        QPainter painter(this);
        style()->drawItemText(&painter, contentsRect(), alignment(), palette(), isEnabled(),
                              lines.join(QLatin1Char('\n')), foregroundRole());
    }
};

template <class Label = QLabel>
QLabel* AddLabel(QWidget* page, const char* name, const char* text, int top, int height) {
    auto* label = new Label(QString::fromLatin1(text), page);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setWordWrap(true);
    PlaceTwips(label, 120, top, 3615, height);
    label->hide();
    return label;
}

} // namespace

SnapshotPage::SnapshotPage(Emu emu, std::string dirInst, std::function<SnapOptions()> options,
                           QWidget* parent)
    : QWidget(parent), emu_(emu), dirInst_(std::move(dirInst)), options_(std::move(options)) {
    setObjectName(QString::fromStdString(ObjectName(emu, "pic", "Snap")));

    image_ = new ClickLabel(this);
    image_->setObjectName(QString::fromStdString(ObjectName(emu, "img", "Snap")));
    image_->setScaledContents(true);
    PlaceTwips(image_, 0, 0, 3855, 3885);
    connect(image_, &ClickLabel::clicked, this, &SnapshotPage::toggle);

    noAvail_ = AddLabel(this, ObjectName(emu, "lbl", "NoAvail").c_str(), "No ScreenShot Available",
                        240, 300);
    snapNo_ = AddLabel(this, "lblSnapNo", "No snapshot found in:", 840, 240);
    noSnapFound_ = AddLabel(this, "lblNoSnapFound", "", 1080, 480);
    lookFor_ = AddLabel(this, "lblLookFor", "Arvok searched for:", 1680, 240);
    lookedFor_ = AddLabel(this, "lblLookedFor", "", 1920, 240);
    snapTip_ = AddLabel(this, "lblSnapTip", Design(emu).snapTip, 2400, 480);
    const std::string inSite =
        std::string("If you're looking for ScreenShots or Animations go to ") + kWebAddress;
    snapInSite_ = AddLabel<BlankBrokenLabel>(this, "lblSnapInSite", inSite.c_str(), 3000, 600);

    counter_ = new QLabel(QStringLiteral("-"), this);
    counter_->setObjectName(QString::fromStdString(ObjectName(emu, "lblContaSlide", "")));
    counter_->setAlignment(Qt::AlignCenter);
    PlaceTwips(counter_, 3375, 3600, 420, 240);

    timer_.setObjectName(QString::fromStdString(ObjectName(emu, "tmrSlideShow", "")));
    timer_.setInterval(kDefaultSlideDelayMs);
    connect(&timer_, &QTimer::timeout, this, &SnapshotPage::tick);
}

QLabel* SnapshotPage::image() const {
    return image_;
}

SnapShown SnapshotPage::showGame(const std::string& set) {
    stop();
    displayed_ = true;
    set_ = set;
    SnapOptions options = options_();
    hideNotice();
    snapInSite_->hide();
    counter_->setVisible(options.showCounter);

    if (HasAnimation(folders_, dirInst_, set)) {
        if (Design(emu_).snapShowRestarts)
            counter_->setText(QStringLiteral("-"));
        start(kFastestTickMs);
        return SnapShown::Animation;
    }
    counter_->setText(QStringLiteral("-"));
    if (!load(SnapshotFile(folders_, options.snapDir, set, options.extension))) {
        image_->clear();
        showNotice(set, options);
        return SnapShown::Nothing;
    }
    if (options.noSlide || !IsPresentFile(NumberedSnapshotFile(folders_, options.snapDir, set, "00",
                                                               options.extension)))
        return SnapShown::Still;
    start(options.delayMs);
    return SnapShown::SlideShow;
}

void SnapshotPage::stop() {
    timer_.stop();
}

void SnapshotPage::tick() {
    if (!timer_.isActive() || !displayed_)
        return;
    bool animation = HasAnimation(folders_, dirInst_, set_);
    hideNotice();
    SnapOptions options = options_();
    std::string count = NextSlideCounter(ToAnsi(counter_->text()));
    counter_->setText(FromAnsi(count));
    std::string picture =
        animation ? AnimFrameFile(folders_, dirInst_, set_, count)
                  : NumberedSnapshotFile(folders_, options.snapDir, set_, count, options.extension);
    if (load(picture))
        return;
    if (!animation) {
        std::string still = SnapshotFile(folders_, options.snapDir, set_, options.extension);
        if (IsPresentFile(still))
            load(still);
    }
    counter_->setText(QStringLiteral("-"));
}

void SnapshotPage::toggle() {
    if (timer_.isActive()) {
        stop();
        return;
    }
    if (!Design(emu_).snapShowRestarts) {
        start(timer_.interval());
        return;
    }
    start(HasAnimation(folders_, dirInst_, set_) ? kFastestTickMs : options_().delayMs);
}

void SnapshotPage::hideNotice() {
    for (QLabel* label : {noSnapFound_, snapNo_, lookedFor_, lookFor_, snapTip_, noAvail_})
        label->hide();
}

void SnapshotPage::showNotice(const std::string& set, const SnapOptions& options) {
    noSnapFound_->setText(FromPath(options.snapDir));
    lookedFor_->setText(FromAnsi(set + options.extension));
    for (QLabel* label :
         {noAvail_, noSnapFound_, snapNo_, lookedFor_, lookFor_, snapTip_, snapInSite_})
        label->show();
}

void SnapshotPage::start(int intervalMs) {
    timer_.start(std::max(intervalMs, kFastestTickMs));
}

// The picture is read by the path's bytes, which reach any name the file system holds.
bool SnapshotPage::load(const std::string& path) {
    std::string bytes;
    if (!IsPresentFile(path) || !ReadFileBytes(path, bytes))
        return false;
    QPixmap picture;
    if (!picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                              static_cast<uint>(bytes.size())))
        return false;
    image_->setPixmap(picture);
    return true;
}

} // namespace arvok
