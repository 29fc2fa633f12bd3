#include "sections/section_widgets.h"

#include <QDrag>
#include <QEvent>
#include <QMimeData>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "shell/artwork.h"

namespace arvok {

namespace {

struct LookColours {
    std::uint32_t restBack, restText, hoverBack, hoverText;
};

constexpr std::uint32_t kWhite = 0xFFFFFF, kYellow = 0xFFFF;

LookColours Colours(ButtonLook look) {
    switch (look) {
    case ButtonLook::Size:
        return {0x8F675F, kWhite, 0xBF8585, kYellow};
    case ButtonLook::Close:
        return {0xE4AAAA, 0x80, 0x80, kWhite};
    case ButtonLook::Alert:
        return {0x5C7DD6, kWhite, 0x40C0, kYellow};
    case ButtonLook::Page:
        break;
    }
    return {0xBF8585, kWhite, 0x8F675F, kYellow};
}

const char* const kLookProperty = "arvokLook";

void Paint(QWidget* w, bool hovered) {
    LookColours c = Colours(static_cast<ButtonLook>(w->property(kLookProperty).toInt()));
    SetBackColor(w, hovered ? c.hoverBack : c.restBack);
    SetForeColor(w, hovered ? c.hoverText : c.restText);
}

// Switches a label button between its two looks as the mouse enters and leaves it.
class HoverLook : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave)
            Paint(static_cast<QWidget*>(watched), event->type() == QEvent::Enter);
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
    Paint(button, false);
    return button;
}

QLabel* MakeInertButton(QWidget* parent, const char* name, const QString& text, ButtonLook look,
                        int left, int top, int width, int height) {
    QLabel* label = MakeLabel(parent, name, text, left, top, width, height);
    label->setAlignment(Qt::AlignCenter);
    label->setProperty(kLookProperty, static_cast<int>(look));
    Paint(label, false);
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

} // namespace arvok
