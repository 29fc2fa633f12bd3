#include "support/control_table.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <array>
#include <cstdio>
#include <sstream>

#include "platform/qt/geometry.h"
#include "support/test_support.h"

namespace arvok::test {

namespace {

// The fields of a row, in order; "-" stands for a field the table does not give.
enum Field { kName, kKind, kPlace, kCaption, kTip, kShown, kEnabled, kBack, kFore, kFields };
const std::array<const char*, kFields> kFieldNames{
    "name", "kind", "place", "caption", "tooltip", "shown", "enabled", "back", "fore"};

// The Qt class each kind of control of the tables is made of.
const QMap<QString, const char*> kKinds{
    {"window", "QWidget"},
    {"label", "QLabel"},
    {"label button", "arvok::ClickLabel"},
    {"picture", "QLabel"},
    {"text box", "QLineEdit"},
    {"check box", "QCheckBox"},
    {"option button", "QRadioButton"},
    {"combo box", "QComboBox"},
    {"list box", "QAbstractItemView"},
    {"frame", "QGroupBox"},
    {"button", "QPushButton"},
    {"page", "QWidget"},
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A row's fields split at "|"; a text between double quotes is taken whole, "|" and blanks
// included, up to the quote that ends the field.
std::vector<std::string> SplitRow(const std::string& line) {
    std::vector<std::string> fields;
    size_t at = 0;
    while (at <= line.size()) {
        size_t end = line.find('|', at);
        const size_t start = line.find_first_not_of(' ', at);
        if (start != std::string::npos && line[start] == '"') {
            size_t close = start;
            do
                close = line.find('"', close + 1);
            while (close != std::string::npos &&
                   Trimmed(line.substr(close + 1, line.find('|', close) - close - 1)) != "");
            end = close == std::string::npos ? std::string::npos : line.find('|', close);
        }
        fields.push_back(Trimmed(line.substr(at, end == std::string::npos ? end : end - at)));
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    return fields;
}

std::string Quoted(const QString& text) {
    return "\"" + text.toStdString() + "\"";
}

std::string ColourName(const std::optional<QColor>& colour) {
    if (!colour)
        return "none";
    char name[16];
    std::snprintf(name, sizeof name, "&H%02X%02X%02X", colour->blue(), colour->green(),
                  colour->red());
    return name;
}

int Distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue()) + std::abs(a.alpha() - b.alpha());
}

// Where the control's style draws its caption, in the control's own coordinates.
QRect CaptionArea(QWidget* w) {
    QStyle* style = w->style();
    if (auto* box = qobject_cast<QAbstractButton*>(w);
        box && (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return style->subElementRect(qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents
                                                                 : QStyle::SE_RadioButtonContents,
                                     &option, w);
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                     combo);
    }
    if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    }
    // A list's first entry that is not selected, else its empty viewport.
    if (auto* list = qobject_cast<QAbstractItemView*>(w)) {
        const QRect viewport = list->viewport()->geometry();
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            if (!list->selectionModel()->isSelected(index))
                return list->visualRect(index).translated(viewport.topLeft()) & viewport;
        }
        return viewport;
    }
    if (qobject_cast<QLineEdit*>(w))
        return w->rect().adjusted(3, 3, -3, -3);
    return w->rect();
}

// The text a control shows as its caption: a window's title, a text box's text, the item a
// combo box shows.
QString Caption(const QWidget* w) {
    if (w->isWindow())
        return w->windowTitle();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w))
        return frame->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentText();
    return {};
}

// The controls a row names: "name", or "-" for the controls showing the row's caption, each also
// as "container/name" for those under the control "container" alone.
QList<QWidget*> Named(QWidget* window, const std::string& row, const std::string& caption) {
    QWidget* under = window;
    std::string name = row;
    if (const size_t slash = row.find('/'); slash != std::string::npos) {
        under = window->findChild<QWidget*>(QString::fromStdString(row.substr(0, slash)));
        name = row.substr(slash + 1);
    }
    if (!under)
        return {};
    if (name == window->objectName().toStdString())
        return {window};
    if (name != "-")
        return under->findChildren<QWidget*>(QString::fromStdString(name));
    QList<QWidget*> shown;
    for (QWidget* w : under->findChildren<QWidget*>())
        if (Quoted(Caption(w)) == caption)
            shown.push_back(w);
    return shown;
}

} // namespace

// The colour most pixels of "image" have.
QRgb Fill(const QImage& image) {
    QMap<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb fill = counts.isEmpty() ? 0 : counts.firstKey();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > counts[fill])
            fill = it.key();
    return fill;
}

// What is drawn behind the control: the background of the nearest container under it that
// fills its own.
QRgb FillBehind(QWidget* control) {
    QWidget* under = control->parentWidget();
    while (under && !under->isWindow() && !under->autoFillBackground())
        under = under->parentWidget();
    if (!under)
        return 0;
    QImage bare(control->size(), QImage::Format_ARGB32);
    bare.fill(Qt::transparent);
    const QRect place(control->mapTo(under, QPoint()), control->size());
    under->render(&bare, {}, QRegion(place), QWidget::DrawWindowBackground);
    return Fill(bare);
}

Painted PaintedLook(QWidget* control) {
    const QImage image = control->grab().toImage().copy(CaptionArea(control));
    QMap<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    if (counts.isEmpty())
        return {};
    const QRgb fill = Fill(image);
    Painted look;
    const QColor face = QColor::fromRgba(fill);
    if (face.alpha() == 255 && fill != FillBehind(control))
        look.back = face;
    QColor stroke = face;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (Distance(QColor::fromRgba(it.key()), face) > Distance(stroke, face))
            stroke = QColor::fromRgba(it.key());
    if (stroke != face)
        look.fore = QColor(stroke.rgb());
    return look;
}

std::vector<std::string> ControlDifferences(QWidget* window, const std::string& file) {
    std::vector<std::string> differences;
    std::istringstream rows(ReadBytes(Fixture("controls/" + file)));
    const std::string where = window->objectName().toStdString() + " ";
    int rowCount = 0;
    for (std::string line; std::getline(rows, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (Trimmed(line).empty() || Trimmed(line)[0] == '#')
            continue;
        ++rowCount;
        std::vector<std::string> row = SplitRow(line);
        row.resize(kFields, "-");
        const std::string control =
            row[kName].back() == '-' ? row[kName].substr(0, row[kName].size() - 1) + row[kCaption]
                                     : row[kName];
        auto differ = [&](Field field, const std::string& program) {
            differences.push_back(where + control + " " + kFieldNames[field] + ": table " +
                                  row[field] + ", program " + program);
        };
        const QList<QWidget*> named = Named(window, row[kName], row[kCaption]);
        QWidget* w = named.size() == 1 ? named.front() : nullptr;
        if (!w) {
            differ(kName, named.isEmpty() ? "none" : std::to_string(named.size()) + " controls");
            continue;
        }
        auto check = [&](Field field, const std::string& program) {
            if (row[field] != "-" && row[field] != program)
                differ(field, program);
        };
        if (row[kKind] != "-" &&
            !w->inherits(kKinds.value(QString::fromStdString(row[kKind]), "?")))
            differ(kKind, w->metaObject()->className());

        const TwipRect twips = GetTwips(w);
        const std::array<int, 4> place{twips.Left, twips.Top, twips.Width, twips.Height};
        std::istringstream given(row[kPlace]);
        std::string part, shown;
        bool placed = true;
        for (size_t i = 0; i < place.size(); ++i) {
            std::getline(given, part, ',');
            shown += (i ? "," : "") + std::to_string(place[i]);
            // The program places in whole pixels: a table's value counts in the pixel it falls in.
            if (row[kPlace] != "-" && Trimmed(part) != "-" &&
                TwipsToPx(std::atoi(part.c_str())) != TwipsToPx(place[i]))
                placed = false;
        }
        if (!placed)
            differ(kPlace, shown);

        check(kCaption, Quoted(Caption(w)));
        check(kTip, Quoted(w->toolTip()));
        check(kShown, w->isHidden() ? "no" : "yes");
        check(kEnabled, w->isEnabled() ? "yes" : "no");

        // Colours are written "&HBBGGRR"; a back colour may be "transparent".
        const Painted look = PaintedLook(w);
        auto colour = [&](Field field) {
            return VbColor(std::stoul(row[field].substr(2), nullptr, 16));
        };
        if (row[kBack] != "-" &&
            (row[kBack] == "transparent" ? look.back.has_value() : look.back != colour(kBack)))
            differ(kBack, look.back ? ColourName(look.back) : "transparent");
        // A caption's strokes are smoothed into the back colour at their edges.
        auto near = [](const QColor& a, const QColor& b) {
            return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                             std::abs(a.blue() - b.blue())}) <= 40;
        };
        if (row[kFore] != "-" && (!look.fore || !near(*look.fore, colour(kFore))))
            differ(kFore, ColourName(look.fore));
    }
    if (rowCount == 0)
        differences.push_back(where + "has no rows in " + file);
    return differences;
}

} // namespace arvok::test
