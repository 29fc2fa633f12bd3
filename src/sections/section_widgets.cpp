#include "sections/section_widgets.h"

#include <QDrag>
#include <QEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <optional>

#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "shell/artwork.h"

namespace arvok {

namespace {

struct Colours {
    std::uint32_t back, text;
};

// A role's looks; a missing look leaves the colours as they are.
struct LookColours {
    Colours rest;
    std::optional<Colours> hovered, pressed, released;
};

constexpr std::uint32_t kWhite = 0xFFFFFF, kYellow = 0xFFFF;
constexpr Colours kLinkRest{0xBF8585, kWhite}, kLinkLit{0x8F675F, kYellow};

const LookColours& LookOf(ButtonLook look) {
    static const LookColours size{{0x8F675F, kWhite}, Colours{0xBF8585, kYellow}, {}, {}};
    static const LookColours close{{0xE4AAAA, 0x80}, Colours{0x80, kWhite}, {}, {}};
    static const LookColours alert{{0x5C7DD6, kWhite}, Colours{0x40C0, kYellow}, {}, {}};
    static const LookColours link{kLinkRest, kLinkLit, {}, kLinkRest};
    static const LookColours folder{kLinkRest, kLinkLit, Colours{0x8F675F, kWhite}, kLinkRest};
    static const LookColours byDefault{kLinkRest, kLinkLit, {}, Colours{0xBF8585, kYellow}};
    static const LookColours page{kLinkRest, {}, {}, {}};
    static const LookColours layout{size.rest, {}, {}, {}};
    switch (look) {
    case ButtonLook::Size:
        return size;
    case ButtonLook::Close:
        return close;
    case ButtonLook::Alert:
        return alert;
    case ButtonLook::Link:
        return link;
    case ButtonLook::Folder:
        return folder;
    case ButtonLook::Default:
        return byDefault;
    case ButtonLook::Page:
        return page;
    case ButtonLook::Layout:
        break;
    }
    return layout;
}

const char* const kLookProperty = "arvokLook";

void Paint(QWidget* w, const std::optional<Colours>& colours) {
    if (!colours)
        return;
    SetBackColor(w, colours->back);
    SetForeColor(w, colours->text);
}

// Gives a label button the look of the mouse's last move on it.
class HoverLook : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        const LookColours& look =
            LookOf(static_cast<ButtonLook>(w->property(kLookProperty).toInt()));
        switch (event->type()) {
        case QEvent::Enter:
            Paint(w, look.hovered);
            break;
        case QEvent::MouseMove:
            if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
                Paint(w, look.hovered);
            break;
        case QEvent::Leave:
            Paint(w, look.rest);
            break;
        case QEvent::MouseButtonPress:
            Paint(w, look.pressed);
            break;
        case QEvent::MouseButtonRelease:
            Paint(w, look.released);
            break;
        default:
            break;
        }
        return false;
    }
};

// 10 twips to the nearest pixel.
constexpr int kSinkPx = (10 + kTwipsPerPixel / 2) / kTwipsPerPixel;
const char* const kRestProperty = "arvokRestPos";

class PressedLook : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress && !w->property(kRestProperty).isValid()) {
            w->setProperty(kRestProperty, w->pos());
            w->move(w->pos() + QPoint(kSinkPx, kSinkPx));
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   w->property(kRestProperty).isValid()) {
            w->move(w->property(kRestProperty).toPoint());
            w->setProperty(kRestProperty, QVariant());
        }
        return false;
    }
};

// The metrics of the compact look, in pixels.
constexpr int kIndicator = 11, kIndicatorSpacing = 3, kComboArrow = 12, kComboFrame = 2;

class CompactStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return kIndicator;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return kIndicatorSpacing;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control != CC_ComboBox)
            return QProxyStyle::subControlRect(control, option, sub, widget);
        const QRect r = option->rect;
        switch (sub) {
        case SC_ComboBoxArrow:
            return visualRect(option->direction, r,
                              QRect(r.right() - kComboArrow, r.top(), kComboArrow, r.height()));
        case SC_ComboBoxEditField:
            return visualRect(option->direction, r,
                              r.adjusted(kComboFrame, 1, -kComboArrow - kComboFrame, -1));
        default:
            return QProxyStyle::subControlRect(control, option, sub, widget);
        }
    }
};

} // namespace

QFont CompactFont(QFont font) {
    font.setPixelSize(10);
    font.setStretch(QFont::Condensed);
    return font;
}

void ApplyCompactStyle(QWidget* window) {
    static CompactStyle* style = new CompactStyle;
    window->setStyle(style);
    for (QWidget* w : window->findChildren<QWidget*>())
        w->setStyle(style);
}

void SinkWhenPressed(QWidget* button) {
    static PressedLook* pressed = new PressedLook;
    button->installEventFilter(pressed);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  int width, int height) {
    return Placed(new QLabel(text, parent), name, left, top, width, height);
}

ClickLabel* MakeButton(QWidget* parent, const char* name, const QString& text, ButtonLook look,
                       int left, int top, int width, int height) {
    auto* button = Placed(new ClickLabel(parent, text), name, left, top, width, height);
    button->setAlignment(Qt::AlignCenter);
    button->setCursor(Qt::PointingHandCursor);
    button->setProperty(kLookProperty, static_cast<int>(look));
    static HoverLook* hover = new HoverLook;
    button->installEventFilter(hover);
    Paint(button, LookOf(look).rest);
    return button;
}

QLabel* MakeInertButton(QWidget* parent, const char* name, const QString& text, ButtonLook look,
                        int left, int top, int width, int height) {
    QLabel* label = MakeLabel(parent, name, text, left, top, width, height);
    label->setAlignment(Qt::AlignCenter);
    Paint(label, LookOf(look).rest);
    return label;
}

void NameListModel::setNames(std::vector<std::string> names) {
    beginResetModel();
    names_ = std::move(names);
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<size_t>(index.row()) >= names_.size())
        return {};
    return FromAnsi(names_[static_cast<size_t>(index.row())]);
}

Qt::ItemFlags NameListModel::flags(const QModelIndex& index) const {
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

GameListView::GameListView(QWidget* parent, const char* sectionTag)
    : QListView(parent), sectionTag_(sectionTag) {
    setFlow(QListView::TopToBottom);
    setUniformItemSizes(true);
    setResizeMode(QListView::Adjust);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

void GameListView::setColumns(int columns) {
    columns_ = columns;
    setWrapping(columns > 1);
    updateGrid();
}

void GameListView::updateGrid() {
    if (columns_ > 1)
        setGridSize(QSize(viewport()->width() / columns_, fontMetrics().height() + 2));
    else
        setGridSize(QSize());
}

void GameListView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    updateGrid();
}

void GameListView::startDrag(Qt::DropActions) {
    QModelIndex index = currentIndex();
    if (!index.isValid())
        return;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kGameMimeType), QByteArray(sectionTag_));
    drag->setMimeData(mime);
    drag->setDragCursor(DragPixmap(false), Qt::IgnoreAction);
    drag->setDragCursor(DragPixmap(true), Qt::CopyAction);
    drag->exec(Qt::CopyAction);
}

void FavouritesList::mousePressEvent(QMouseEvent* event) {
    const int before = currentRow();
    {
        QSignalBlocker block(this);
        QListWidget::mousePressEvent(event);
    }
    if (currentRow() != before)
        emit currentRowChanged(currentRow());
}

} // namespace arvok
