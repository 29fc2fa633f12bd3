// Small building blocks of the section windows: controls placed by their design position in
// twips, label buttons with their rest and hover colours, and the model of the game list.
#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QListView>
#include <QListWidget>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/game_list.h"
#include "platform/qt/button_look.h"
#include "platform/qt/geometry.h"

class QLabel;
class QWidget;

namespace arvok {

class ClickLabel;

inline constexpr std::uint32_t kNeutralFilterBack = 0xC0C0C0;
inline constexpr std::uint32_t kActiveFilterBack = 0xE4AAAA;
inline constexpr std::uint32_t kActiveFilterText = 0x80;
inline constexpr std::uint32_t kMiscFilterText = 0x400000;

// Gives "w" its object name and design rectangle (twips) and returns it.
template <class W> W* Placed(W* w, const char* name, int left, int top, int width, int height) {
    w->setObjectName(name);
    PlaceTwips(w, left, top, width, height);
    return w;
}

// The height of a caption row on the pages, in twips.
inline constexpr int kPageRow = 195;

// Gives the page "page" of a section window its name "name", its place beside the lists and its
// grey face.
void PlacePage(QWidget* page, const std::string& name);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  int width, int height);
// A label button: acts on a click and takes its hovered colours while the mouse is over it.
ClickLabel* MakeButton(QWidget* parent, const char* name, const QString& text, ButtonLook look,
                       int left, int top, int width, int height);

// A label button's rest look on a plain label that answers neither clicks nor the mouse.
QLabel* MakeInertButton(QWidget* parent, const char* name, const QString& text, ButtonLook look,
                        int left, int top, int width, int height);

// The section windows' compact look, so that every caption shows whole at its design size: a
// condensed 10-pixel font, and a style with check-box and option-button indicators that fit a
// 12-pixel row and combo boxes with a narrow arrow (applied to "widget" and every control it
// holds once they are built; a control that took it before, as a filter combo does before it is
// filled, keeps it).
QFont CompactFont(QFont font);
void ApplyCompactStyle(QWidget* widget);

// A page button sinks while a mouse button is held on it: 10 twips right and down, one pixel on
// screen, and back to its place when the button is released.
void SinkWhenPressed(QWidget* button);

// The game list's entries: the names of a game list, Windows-1252 bytes shown as text; an entry
// can be dragged onto the favourites.
class NameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    void setList(GameList list);
    std::string name(int row) const { return std::string(list_.names[static_cast<size_t>(row)]); }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    GameList list_;
};

// The data a game dragged from a game list carries: the tag of the section whose list it left.
inline constexpr const char* kGameMimeType = "application/x-arvok-game";

// The game list: entries in one or more columns filled top to bottom, then left to right; an
// entry dragged from it shows the launcher's drag icons, the second one over the favourites. A
// click beside the rows keeps the chosen entry chosen, and the keyboard focus arriving with no
// entry chosen chooses none. The list marks its frame while it holds the keyboard focus.
class GameListView : public QListView {
    Q_OBJECT
public:
    GameListView(QWidget* parent, const char* sectionTag);
    void setColumns(int columns);
    int columns() const { return columns_; }

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    void updateGrid();
    const char* sectionTag_;
    int columns_ = 1;
};

// The favourites list, which treats a click beside its rows, the arriving keyboard focus and its
// mark of the focus as the game list does. A mouse press selects the entry under the mouse before
// the list tells that its current entry changed, so that what showing that entry does to the list
// (a favourite the data file lacks removed and its neighbour selected) is not undone by the press.
class FavouritesList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace arvok
