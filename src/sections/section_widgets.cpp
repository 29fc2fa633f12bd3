#include "sections/section_widgets.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "shell/artwork.h"

namespace arvok {

namespace {

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
constexpr int kCaptionIndent = 6, kCaptionPad = 2;

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
    // A frame's etched line runs through the middle of its caption, as in the design, so that
    // the controls placed below the caption's band stand clear of it.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        qDrawShadeRect(painter, subControlRect(control, option, SC_GroupBoxFrame, widget),
                       option->palette, true);
        if (box->text.isEmpty())
            return;
        const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
        painter->fillRect(caption, option->palette.window());
        drawItemText(painter, caption, Qt::AlignCenter, option->palette,
                     option->state & State_Enabled, box->text, QPalette::WindowText);
    }
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control == CC_GroupBox) {
            const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
            const int line = option->fontMetrics.height();
            if (sub == SC_GroupBoxFrame)
                return option->rect.adjusted(0, line / 2, 0, 0);
            if (sub == SC_GroupBoxLabel && box)
                return QRect(option->rect.left() + kCaptionIndent, option->rect.top(),
                             option->fontMetrics.horizontalAdvance(box->text) + 2 * kCaptionPad,
                             line);
        }
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

// Qt clears a list's selection when the button is released over the list's empty part, leaving
// the chosen row only current. A click beside the rows chooses nothing: the chosen row stays.
template <class Release>
void ReleaseKeepingChoice(QAbstractItemView* list, QMouseEvent* event, Release release) {
    QItemSelectionModel* selection = list->selectionModel();
    const QPersistentModelIndex chosen =
        selection->isSelected(list->currentIndex()) ? list->currentIndex() : QModelIndex();
    release(event);
    if (chosen.isValid() && !selection->hasSelection())
        selection->select(chosen, QItemSelectionModel::Select);
}

// The keyboard focus arriving in a list with no current row makes its first row current, which
// in these lists chooses and shows that game: the list stays without a current row.
template <class FocusIn>
void FocusInChoosingNothing(QAbstractItemView* list, QFocusEvent* event, FocusIn focusIn) {
    if (list->currentIndex().isValid()) {
        focusIn(event);
        return;
    }
    {
        QSignalBlocker block(list->selectionModel());
        focusIn(event);
        list->selectionModel()->clearCurrentIndex();
    }
    list->viewport()->update();
}

// A list that holds the keyboard focus shows it: its frame is drawn in the highlight colour.
template <class Event>
bool MarkingFocus(QAbstractScrollArea* list, QEvent* event, Event baseEvent) {
    const bool handled = baseEvent(event);
    if (event->type() == QEvent::Paint && list->hasFocus()) {
        QPainter painter(list);
        painter.setPen(list->palette().color(QPalette::Highlight));
        for (int line = 0; line < list->frameWidth(); ++line)
            painter.drawRect(list->rect().adjusted(line, line, -1 - line, -1 - line));
    }
    return handled;
}

// Each widget is given the style once: one that has a style of its own already is passed over.
// Qt hands a style on to the widgets below one with a style sheet of its own, and each list below
// re-lays out its items when it is handed one, so those are left to it.
void GiveStyle(QWidget* widget, QStyle* style) {
    if (widget->testAttribute(Qt::WA_SetStyle))
        return;
    widget->setStyle(style);
    if (!widget->styleSheet().isEmpty())
        return;
    for (QObject* child : widget->children())
        if (child->isWidgetType())
            GiveStyle(static_cast<QWidget*>(child), style);
}

} // namespace

QFont CompactFont(QFont font) {
    font.setPixelSize(10);
    font.setStretch(QFont::Condensed);
    return font;
}

void ApplyCompactStyle(QWidget* widget) {
    static CompactStyle* style = new CompactStyle;
    GiveStyle(widget, style);
}

void SinkWhenPressed(QWidget* button) {
    static PressedLook* pressed = new PressedLook;
    button->installEventFilter(pressed);
}

void PlacePage(QWidget* page, const std::string& name) {
    Placed(page, name.c_str(), 2400, 690, 3855, 3885);
    SetBackColor(page, 0xC0C0C0);
    SetForeColor(page, 0);
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
    GiveLook(button, look);
    return button;
}

QLabel* MakeInertButton(QWidget* parent, const char* name, const QString& text, ButtonLook look,
                        int left, int top, int width, int height) {
    QLabel* label = MakeLabel(parent, name, text, left, top, width, height);
    label->setAlignment(Qt::AlignCenter);
    PaintRestLook(label, look);
    return label;
}

void NameListModel::setList(GameList list) {
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.count());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<size_t>(index.row()) >= list_.count())
        return {};
    return FromAnsi(list_.names[static_cast<size_t>(index.row())]);
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
    setTextElideMode(Qt::ElideNone);
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

void GameListView::mouseReleaseEvent(QMouseEvent* event) {
    ReleaseKeepingChoice(this, event, [this](QMouseEvent* e) { QListView::mouseReleaseEvent(e); });
}

void GameListView::focusInEvent(QFocusEvent* event) {
    FocusInChoosingNothing(this, event, [this](QFocusEvent* e) { QListView::focusInEvent(e); });
}

bool GameListView::event(QEvent* event) {
    return MarkingFocus(this, event, [this](QEvent* e) { return QListView::event(e); });
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

void FavouritesList::mouseReleaseEvent(QMouseEvent* event) {
    ReleaseKeepingChoice(this, event,
                         [this](QMouseEvent* e) { QListWidget::mouseReleaseEvent(e); });
}

void FavouritesList::focusInEvent(QFocusEvent* event) {
    FocusInChoosingNothing(this, event, [this](QFocusEvent* e) { QListWidget::focusInEvent(e); });
}

bool FavouritesList::event(QEvent* event) {
    return MarkingFocus(this, event, [this](QEvent* e) { return QListWidget::event(e); });
}

} // namespace arvok
