#include "sections/game_lists.h"

#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMimeData>

#include "catalogue/data_file.h"
#include "catalogue/filter_items.h"
#include "catalogue/game_list.h"
#include "catalogue/header_block.h"
#include "catalogue/rom_lookup.h"
#include "core/texts.h"
#include "platform/dialogs.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "platform/qt/controls.h"
#include "platform/qt/geometry.h"
#include "sections/launcher_link.h"
#include "sections/popup_menus.h"
#include "sections/section_design.h"
#include "sections/section_widgets.h"

namespace arvok {

namespace {

constexpr std::array<const char*, 4> kFilterSuffix{"Misc", "Genre", "Manufactor", "Year"};

void Colour(QWidget* w, std::uint32_t back, std::uint32_t text) {
    SetBackColor(w, back);
    SetForeColor(w, text);
}

// A drop-down combo is drawn like a button, which the style paints with a shaded face and with
// neither the background nor the text roles of the palette: the flat face, its text colour and
// a plain frame go in as a style sheet. Replacing a style sheet puts back the font the combo had
// of its own, which for a font it only inherits from the window is the application's larger
// default: the combo first takes the window's font as its own. The combo that holds the keyboard
// focus shows it by its frame in the highlight colour, as the lists do. Setting a style sheet
// polishes the combo anew, so one that already shows these colours is left as it is.
void ColourCombo(QComboBox* box, std::uint32_t back, std::uint32_t text) {
    const QString sheet =
        QStringLiteral("QComboBox { background-color: %1; color: %2; border: 1px solid #808080; }"
                       " QComboBox:focus { border-color: palette(highlight); }")
            .arg(VbColor(back).name(), VbColor(text).name());
    if (box->styleSheet() == sheet)
        return;
    box->setFont(box->font());
    box->setStyleSheet(sheet);
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The favourites list's heights and the game list's place and widths in the two layouts.
constexpr int kPrefUpHeight = 3820, kPrefDownHeight = 6415;
constexpr int kListUpLeft = 90, kListUpWidth = 6165, kListDownWidth = 3855;

void SetLeft(QWidget* w, int left) {
    TwipRect r = GetTwips(w);
    PlaceTwips(w, left, r.Top, r.Width, r.Height);
}

void SetHeight(QWidget* w, int height) {
    TwipRect r = GetTwips(w);
    PlaceTwips(w, r.Left, r.Top, r.Width, height);
}

} // namespace

GameLists::GameLists(Emu emu, DataFiles& files, QWidget* window, Hooks hooks)
    : QObject(window), emu_(emu), files_(files), design_(Design(emu)), hooks_(std::move(hooks)) {
    buildLists(window);
    buildFilters(window);
}

QWidget* GameLists::favouritesList() const {
    return prefList_;
}

void GameLists::buildLists(QWidget* window) {
    const std::string base = Section(emu_).baseName;
    prefList_ =
        Placed(new FavouritesList(window), ("lst" + base + "Pref").c_str(), 90, 750, 2235, 3825);
    Colour(prefList_, 0x404040, 0x98FFFF);
    NoSidewaysScroll(prefList_);
    for (const char* game : design_.designFavourites)
        AddSorted(prefList_, FromAnsi(game));
    prefList_->installEventFilter(this);
    prefList_->viewport()->installEventFilter(this);
    prefList_->viewport()->setMouseTracking(true);
    connect(prefList_, &QListWidget::currentRowChanged, this, [this] { onPrefSelected(); });
    connect(prefList_, &QListWidget::itemClicked, this, [this] {
        if (lastShown_ != ShownFrom{prefList_, prefText()})
            onPrefSelected();
    });
    MakeLabel(window, design_.favHeadingName, QString::fromLatin1(design_.favHeading), 330, 510,
              1300, 195);
    favCount_ = MakeLabel(window, design_.favCountName, QStringLiteral("0"), 1680, 510, 330, 195);
    if (design_.favShare != FavShare::None) {
        favCount_->setMouseTracking(true);
        favCount_->installEventFilter(this);
    }
    if (Section(emu_).editableFavourites) {
        prefList_->setDragDropMode(QAbstractItemView::DropOnly);
        auto* clear = MakeButton(window, ("lbl" + base + "ClearFav").c_str(), "C",
                                 ButtonLook::Alert, 90, 510, 225, 195);
        connect(clear, &ClickLabel::clicked, this, &GameLists::clearFavourites);
    }
    if (!Section(emu_).hasGameList)
        return;

    romModel_ = new NameListModel(window);
    romList_ = Placed(new GameListView(window, Section(emu_).tag), ("lst" + base + "Rom").c_str(),
                      90, design_.romListTop, 6165, design_.romListHeight);
    romList_->setModel(romModel_);
    Colour(romList_, 0x404040, 0xD3AB21);
    romList_->installEventFilter(this);
    romList_->viewport()->installEventFilter(this);
    romList_->viewport()->setMouseTracking(true);
    romList_->setColumns(design_.romListColumns);
    connect(romList_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { onRomSelected(); });
    connect(romList_, &QListView::clicked, this, [this] {
        if (lastShown_ != ShownFrom{romList_, romText()})
            onRomSelected();
    });
    // A count and the caption before it, in rows 150 twips high and so a size smaller.
    const CountDesign& counts = design_.counts;
    auto countRow = [window, &counts](const std::string& name, const char* text, int top,
                                      const char* caption, const char* captionName) {
        QFont small = window->font();
        small.setPixelSize(9);
        QLabel* count = MakeLabel(window, name.c_str(), QString::fromLatin1(text), counts.left, top,
                                  6300 - counts.left, 150);
        count->setFont(small);
        if (caption)
            MakeLabel(window, captionName, QString::fromLatin1(caption), counts.captionLeft, top,
                      counts.left - counts.captionLeft, 150)
                ->setFont(small);
        return count;
    };
    if (design_.total != TotalFallback::NoTotal)
        total_ = countRow("lbl" + base + "Total", counts.totalDesign, counts.totalTop,
                          counts.totalCaption, "Label3");
    if (Section(emu_).hasFilters)
        romCount_ = countRow("lbl" + base + "RomCount", counts.romCountDesign, counts.romCountTop,
                             counts.romCountCaption, "Label1");
}

void GameLists::buildFilters(QWidget* window) {
    const std::string base = Section(emu_).baseName;
    if (!Section(emu_).hasFilters)
        return;
    const FilterItems& items = FilterComboItems(emu_);
    const std::array<const std::vector<std::string>*, 4> lists{&items.category, &items.genre,
                                                               &items.manufacturer, &items.year};
    for (size_t i = 0; i < filters_.size(); ++i) {
        auto* combo = Placed(new QComboBox(window), ("cboFilter" + base + kFilterSuffix[i]).c_str(),
                             design_.filterLeft[i], 4650, design_.filterWidth[i], 285);
        const int index = static_cast<int>(i);
        filters_[i] = combo;
        // The combo takes its style and its colours while its list is empty: each lays the list
        // out anew.
        ApplyCompactStyle(combo);
        colourFilter(index);
        for (const std::string& item : *lists[i])
            combo->addItem(FromAnsi(item));
        combo->installEventFilter(this);
        connect(combo, &QComboBox::activated, this, [this, index] { onFilterChosen(index); });
    }
}

// Filling and selecting.

void GameLists::fill() {
    if (!romList_)
        return;
    neutralFilters();
    romModel_->setList(BuildGameList(files_, emu_));
    updateRomCount();
}

void GameLists::selectFirst() {
    if (prefList_->count() > 0)
        selectPrefRow(0);
    else if (romList_ && romModel_->rowCount() > 0)
        selectRomRow(0);
}

std::string GameLists::romText() const {
    if (!romList_)
        return {};
    QModelIndex current = romList_->currentIndex();
    return current.isValid() ? romModel_->name(current.row()) : std::string();
}

std::string GameLists::prefText() const {
    QListWidgetItem* item = prefList_->currentItem();
    return item ? ToAnsi(item->text()) : std::string();
}

void GameLists::selectRomRow(int row) {
    {
        QSignalBlocker block(romList_->selectionModel());
        romList_->setCurrentIndex(romModel_->index(row));
    }
    onRomSelected();
}

void GameLists::selectPrefRow(int row) {
    {
        QSignalBlocker block(prefList_);
        prefList_->setCurrentRow(row);
    }
    onPrefSelected();
}

void GameLists::onRomSelected() {
    if (filterBusy_)
        return;
    lastShown_ = {romList_, romText()};
    hooks_.show(romText());
}

void GameLists::onPrefSelected() {
    if (filterBusy_)
        return;
    lastShown_ = {prefList_, prefText()};
    hooks_.show(prefText());
}

void GameLists::updateFavCount() {
    favCount_->setText(QString::number(prefList_->count()));
}

// The favourites' share of the total, as the count's tooltip: " 10% of total " for 12 of 110.
// Nothing changes while either count is no whole number or the total is 0.
void GameLists::showFavShare() {
    bool totalOk = false, countOk = false;
    const qlonglong total = total_ ? total_->text().toLongLong(&totalOk) : 0;
    const qlonglong count = favCount_->text().toLongLong(&countOk);
    if (!totalOk || !countOk || total == 0)
        return;
    favCount_->setToolTip(QStringLiteral(" %1% of total ").arg(count * 100 / total));
}

void GameLists::updateRomCount() {
    if (romCount_)
        romCount_->setText(QString::number(romModel_->rowCount()));
}

// Favourites.

void GameLists::dropOnFavourites() {
    const std::string game = romText();
    if (game.empty())
        return;
    const QString text = FromAnsi(game);
    for (int i = prefList_->count() - 1; i >= 0; --i)
        if (prefList_->item(i)->text() == text)
            return;
    {
        QSignalBlocker block(prefList_);
        AddSorted(prefList_, text);
    }
    updateFavCount();
}

void GameLists::onPrefKey(int key) {
    if (IsEnter(key)) {
        if (prefText().empty())
            return;
        hooks_.launch(prefText());
    } else if (key == Qt::Key_Delete && Section(emu_).editableFavourites) {
        const int i = prefList_->currentRow();
        if (i >= 0)
            removeFavourite(i);
    }
    updateFavCount();
}

// Removes favourite "row"; the favourite that takes its place, or else the new last one, is
// selected and shown as a click on it would show it.
void GameLists::removeFavourite(int row) {
    {
        QSignalBlocker block(prefList_);
        delete prefList_->takeItem(row);
        prefList_->setCurrentRow(-1);
    }
    const int n = prefList_->count();
    if (n > 0)
        selectPrefRow(n == row ? row - 1 : row);
}

void GameLists::clearFavourites() {
    if (dialogs().message(texts::testoClearFavorties, MsgStyle::WarningYesNo) == Answer::No)
        return;
    {
        QSignalBlocker block(prefList_);
        prefList_->clear();
    }
    updateFavCount();
}

void GameLists::dropMissing(const std::string& game) {
    const int remove =
        FavouriteToRemove(emu_, prefList_->currentRow(), prefText(), prefList_->count(), game);
    if (remove < 0)
        return;
    removeFavourite(remove);
    updateFavCount();
}

std::vector<std::string> GameLists::favourites() const {
    std::vector<std::string> names;
    for (int i = 0; i < prefList_->count(); ++i)
        names.push_back(ToAnsi(prefList_->item(i)->text()));
    return names;
}

void GameLists::setFavourites(const std::vector<std::string>& names) {
    prefList_->clear();
    for (const std::string& name : names)
        AddSorted(prefList_, FromAnsi(name));
}

void GameLists::showCounts() {
    updateRomCount();
    updateFavCount();
}

void GameLists::readGameTotal() {
    if (design_.total == TotalFallback::NoTotal)
        return;
    if (std::optional<std::string> count = GameTotal(files_.dataFilePath(emu_)))
        total_->setText(FromAnsi(*count));
    else if (design_.total == TotalFallback::Empty)
        total_->clear();
}

void GameLists::layOutUp() {
    SetHeight(prefList_, kPrefUpHeight);
    if (filters_[0]) {
        SetLeft(filters_[0], kListUpLeft);
        SetLeft(filters_[1], design_.genreUpLeft);
        filters_[2]->show();
        filters_[3]->show();
    }
    TwipRect r = GetTwips(romList_);
    PlaceTwips(romList_, kListUpLeft, r.Top, kListUpWidth, r.Height);
    romList_->setColumns(2);
}

void GameLists::layOutDown(int listLeft, int genreLeft) {
    SetHeight(prefList_, kPrefDownHeight);
    if (filters_[0]) {
        SetLeft(filters_[0], listLeft);
        SetLeft(filters_[1], genreLeft);
        filters_[2]->hide();
        filters_[3]->hide();
    }
    TwipRect r = GetTwips(romList_);
    PlaceTwips(romList_, listLeft, r.Top, kListDownWidth, r.Height);
    romList_->setColumns(1);
}

// Filters.

void GameLists::onFilterChosen(int combo) {
    if (filterBusy_)
        return;
    filterBusy_ = true;
    romList_->hide();
    ListChoice choice;
    choice.category = filters_[0]->currentIndex();
    choice.genre = ToAnsi(filters_[1]->currentText());
    choice.manufacturer = ToAnsi(filters_[2]->currentText());
    choice.year = ToAnsi(filters_[3]->currentText());
    GameList list = BuildGameList(files_, emu_, choice);
    if (list.scanFileMissing) {
        // Told over an empty list, which then holds "All Supported" under the same filters.
        romModel_->setList({});
        romList_->show();
        dialogs().message(texts::testoNoScanFile, MsgStyle::Warning);
        filters_[0]->setCurrentIndex(0);
        colourFilter(0);
        hooks_.showConfiguration();
    }
    romModel_->setList(std::move(list));
    if (romModel_->rowCount() > 0)
        romList_->setCurrentIndex(romModel_->index(0));
    romList_->show();
    filterBusy_ = false;
    // The first game left is shown as a user's click on it would show it.
    if (romList_->currentIndex().isValid())
        onRomSelected();
    updateRomCount();
    colourFilter(combo);
}

// Puts the four filter combos on their neutral items, with the filters held off; a combo that
// moves takes its neutral colours.
void GameLists::neutralFilters() {
    if (!filters_[0])
        return;
    filterBusy_ = true;
    for (size_t i = 0; i < filters_.size(); ++i)
        if (filters_[i]->currentIndex() != 0) {
            filters_[i]->setCurrentIndex(0);
            colourFilter(static_cast<int>(i));
        }
    filterBusy_ = false;
}

void GameLists::colourFilter(int combo) {
    QComboBox* box = filters_[static_cast<size_t>(combo)];
    // A combo not yet filled takes the colours of its first item.
    const bool neutral = box->currentIndex() <= 0;
    // The category combo keeps its design text colour.
    const std::uint32_t text = combo == 0 ? kMiscFilterText : neutral ? 0 : kActiveFilterText;
    ColourCombo(box, neutral ? kNeutralFilterBack : kActiveFilterBack, text);
}

void GameLists::resetFilters() {
    for (size_t i = 0; i < filters_.size(); ++i)
        SetIndexAndRun(filters_[i], 0, [this, i] { onFilterChosen(static_cast<int>(i)); });
}

// The mouse over either list points the launcher at the section; over the favourites it also
// puts the launcher's menu at rest.
bool GameLists::eventFilter(QObject* watched, QEvent* event) {
    const bool overPref = watched == prefList_->viewport();
    if (event->type() == QEvent::MouseMove &&
        (overPref || (romList_ && watched == romList_->viewport())))
        HighlightLauncher(emu_);
    if (event->type() == QEvent::MouseMove && overPref)
        RestLauncherMenu();
    return listEvent(watched, event);
}

// The lists' and filter combos' mouse and keys; true when the event is used up.
bool GameLists::listEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == favCount_) {
        if ((design_.favShare == FavShare::OnMouseMove && type == QEvent::MouseMove) ||
            (design_.favShare == FavShare::OnClick && type == QEvent::MouseButtonRelease))
            showFavShare();
        return false;
    }
    const bool inPref = watched == prefList_ || watched == prefList_->viewport();
    const bool inRom = romList_ && (watched == romList_ || watched == romList_->viewport());
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (inPref) {
            if (!IsEnter(key->key()) && key->key() != Qt::Key_Delete)
                return false;
            onPrefKey(key->key());
            return true;
        }
        if (inRom && IsEnter(key->key())) {
            hooks_.launch(romText());
            return true;
        }
        const bool shiftOnly = (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
        if (design_.shiftResetsFilters && shiftOnly &&
            std::find(filters_.begin(), filters_.end(), watched) != filters_.end()) {
            resetFilters();
            return true;
        }
        return false;
    }
    if (!inPref && !inRom)
        return false;
    if (type == QEvent::MouseButtonDblClick) {
        hooks_.launch(inPref ? prefText() : romText());
        return true;
    }
    if (type == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        const std::string game = inPref ? prefText() : romText();
        if (inRom || design_.prefMenuWhenEmpty || !game.empty())
            FrmMenu().popupGameMenu(emu_, game,
                                    static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    if (!inPref || !Section(emu_).editableFavourites)
        return false;
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    // What a drop adds is this window's selected game, so only a game dragged from this window's
    // own list is taken.
    auto* drop = static_cast<QDropEvent*>(event);
    if (drop->mimeData()->data(QString::fromLatin1(kGameMimeType)) != Section(emu_).tag)
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        dropOnFavourites();
    return true;
}

} // namespace arvok
