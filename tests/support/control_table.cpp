#include "support/control_table.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QStyleOption>
#include <optional>

#include "platform/qt/geometry.h"
#include "support/test_support.h"

namespace arvok::test {

namespace {

// The fields of a row, in order; "-" stands for a field the table does not give.
const QStringList kFields{"name",  "kind",    "place", "caption", "tooltip",
                          "shown", "enabled", "back",  "fore"};

// The Qt class each kind of control of the tables is made of.
const QMap<QString, const char*> kKinds{
    {"window", "QWidget"},      {"page", "QWidget"},
    {"label", "QLabel"},        {"label button", "arvok::ClickLabel"},
    {"picture", "QLabel"},      {"text box", "QLineEdit"},
    {"check box", "QCheckBox"}, {"option button", "QRadioButton"},
    {"combo box", "QComboBox"}, {"list box", "QAbstractItemView"},
    {"frame", "QGroupBox"},     {"button", "QPushButton"},
};

// The text a control shows as its caption, in double quotes: a window's title, a text box's
// text, the item a combo box shows.
QString Caption(const QWidget* w) {
    QString text;
    if (w->isWindow())
        text = w->windowTitle();
    else if (auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    else if (auto* frame = qobject_cast<const QGroupBox*>(w))
        text = frame->title();
    else if (auto* edit = qobject_cast<const QLineEdit*>(w))
        text = edit->text();
    else if (auto* combo = qobject_cast<const QComboBox*>(w))
        text = combo->currentText();
    return '"' + text + '"';
}

// Where the control's style draws its caption, in the control's own coordinates: beside a check
// box's indicator, in a combo box's edit field, a frame's title, a list's first entry that is not
// selected (else its empty viewport), inside a text box's frame.
QRect CaptionArea(QWidget* w) {
    QStyle* style = w->style();
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(w);
        option.text = qobject_cast<QAbstractButton*>(w)->text();
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
        return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    }
    if (auto* list = qobject_cast<QAbstractItemView*>(w)) {
        const QRect viewport = list->viewport()->geometry();
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            if (!list->selectionModel()->isSelected(index))
                return list->visualRect(index).translated(viewport.topLeft()) & viewport;
        }
        return viewport;
    }
    return qobject_cast<QLineEdit*>(w) ? w->rect().adjusted(3, 3, -3, -3) : w->rect();
}

// How often each colour stands in "image", and the one most pixels have.
QMap<QRgb, int> Counts(const QImage& image) {
    QMap<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    return counts;
}
QRgb Fill(const QMap<QRgb, int>& counts) {
    const auto most = std::max_element(counts.begin(), counts.end());
    return most == counts.end() ? 0 : most.key();
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
    under->render(&bare, {}, QRegion(QRect(control->mapTo(under, QPoint()), control->size())),
                  QWidget::DrawWindowBackground);
    return Fill(Counts(bare));
}

// The controls a row names: "name", or "-" for the controls showing the row's caption, each also
// as "container/name" for those under the control "container" alone.
QList<QWidget*> Named(QWidget* window, const QString& row, const QString& caption) {
    QWidget* under =
        row.contains('/') ? window->findChild<QWidget*>(row.section('/', 0, 0)) : window;
    const QString name = row.section('/', -1);
    if (!under)
        return {};
    if (name == window->objectName())
        return {window};
    if (name != "-")
        return under->findChildren<QWidget*>(name);
    QList<QWidget*> shown;
    for (QWidget* w : under->findChildren<QWidget*>())
        if (Caption(w) == caption)
            shown.push_back(w);
    return shown;
}

QString ColourName(const std::optional<QColor>& colour) {
    return colour
               ? QString::asprintf("&H%02X%02X%02X", colour->blue(), colour->green(), colour->red())
               : "none";
}

// The same colour but for a caption's strokes smoothed into the back colour at their edges.
bool Near(const QColor& a, const QColor& b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())}) <= 40;
}

// What a control draws where its style draws its caption: the colour most of that area is
// filled with (none where the control leaves it transparent) and its strongest stroke, the
// pixel farthest from that fill (none where nothing else is drawn).
struct Painted {
    std::optional<QColor> back, fore;
};
Painted PaintedLook(QWidget* control) {
    const QMap<QRgb, int> counts = Counts(control->grab().toImage().copy(CaptionArea(control)));
    const QColor face = QColor::fromRgba(Fill(counts));
    Painted look;
    if (!counts.isEmpty() && face.alpha() == 255 && face.rgba() != FillBehind(control))
        look.back = face;
    auto distance = [&](QRgb pixel) {
        const QColor c = QColor::fromRgba(pixel);
        return std::abs(c.red() - face.red()) + std::abs(c.green() - face.green()) +
               std::abs(c.blue() - face.blue()) + std::abs(c.alpha() - face.alpha());
    };
    QRgb stroke = face.rgba();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (distance(it.key()) > distance(stroke))
            stroke = it.key();
    if (stroke != face.rgba())
        look.fore = QColor(QColor::fromRgba(stroke).rgb());
    return look;
}

// The labels of "page" read as a table, each row its cells in double quotes: a row begins at a
// shown label that no label ends beside on its left and goes on through each label that begins
// where the one before ends; the rows that begin at one left edge stand top to bottom, and those
// edges left to right.
QStringList TableRows(QWidget* page) {
    QMap<std::pair<int, int>, QLabel*> shown;
    for (QLabel* label : page->findChildren<QLabel*>())
        if (!label->isHidden())
            shown[{label->x(), label->y()}] = label;
    QStringList rows;
    while (!shown.isEmpty()) {
        QLabel* cell = shown.take(shown.firstKey());
        QString row = Caption(cell);
        while (QLabel* next = shown.take({cell->x() + cell->width(), cell->y()}))
            row += ' ' + Caption(cell = next);
        rows.push_back(row);
    }
    return rows;
}

} // namespace

::testing::AssertionResult DrawnIn(QWidget* control, std::uint32_t back, std::uint32_t fore) {
    const Painted look = PaintedLook(control);
    if (look.back == VbColor(back) && look.fore && Near(*look.fore, VbColor(fore)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << control->objectName().toStdString() << " drawn "
                                         << ColourName(look.back).toStdString() << " behind "
                                         << ColourName(look.fore).toStdString();
}

std::vector<std::string> ControlDifferences(QWidget* window, const std::string& file) {
    std::vector<std::string> differences;
    int rows = 0;
    QMap<QString, QStringList> listed;
    for (const QString& line :
         QString::fromUtf8(ReadBytes(Fixture("controls/" + file))).split('\n')) {
        if (line.trimmed().isEmpty() || line.trimmed().startsWith('#'))
            continue;
        const QStringList cells = line.split('|');
        if (cells.size() != kFields.size()) {
            differences.push_back(file + ": not a row of nine fields: " + line.toStdString());
            continue;
        }
        ++rows;
        QMap<QString, QString> row;
        for (int i = 0; i < cells.size(); ++i)
            row[kFields[i]] = cells[i].trimmed();
        if (row["kind"] == "item" || row["kind"] == "row") {
            listed[row["name"]].push_back(row["caption"]);
            continue;
        }
        const QString control =
            row["name"].endsWith('-') ? row["name"].chopped(1) + row["caption"] : row["name"];
        auto differ = [&](const QString& field, const QString& program) {
            differences.push_back(
                QString("%1 %2 %3: table %4, program %5")
                    .arg(window->objectName(), control, field, row[field], program)
                    .toStdString());
        };
        auto check = [&](const QString& field, const QString& program) {
            if (row[field] != "-" && row[field] != program)
                differ(field, program);
        };
        const QList<QWidget*> named = Named(window, row["name"], row["caption"]);
        if (named.size() != 1) {
            differ("name", named.isEmpty() ? "none" : QString("%1 controls").arg(named.size()));
            continue;
        }
        QWidget* w = named.front();
        if (row["kind"] != "-" && (!w->inherits(kKinds.value(row["kind"], "?")) ||
                                   (row["kind"] == "window") != w->isWindow()))
            differ("kind", w->metaObject()->className());
        // The program places in whole pixels: a table's value counts in the pixel it falls in.
        const TwipRect t = GetTwips(w);
        const QList<int> place{t.Left, t.Top, t.Width, t.Height};
        const QStringList given = row["place"].split(',');
        bool placed = true;
        for (int i = 0; i < place.size(); ++i) {
            const QString part = given.value(i, "-").trimmed();
            placed = placed && (part == "-" || TwipsToPx(part.toInt()) == TwipsToPx(place[i]));
        }
        if (!placed)
            differ("place",
                   QString("%1,%2,%3,%4").arg(t.Left).arg(t.Top).arg(t.Width).arg(t.Height));
        check("caption", Caption(w));
        check("tooltip", '"' + w->toolTip() + '"');
        check("shown", w->isHidden() ? "no" : "yes");
        check("enabled", w->isEnabled() ? "yes" : "no");
        // Colours are written "&HBBGGRR"; a back colour may be "transparent".
        const Painted look = PaintedLook(w);
        auto colour = [&](const char* f) { return VbColor(row[f].mid(2).toUInt(nullptr, 16)); };
        if (row["back"] != "-" &&
            (row["back"] == "transparent" ? look.back.has_value() : look.back != colour("back")))
            differ("back", look.back ? ColourName(look.back) : "transparent");
        if (row["fore"] != "-" && (!look.fore || !Near(*look.fore, colour("fore"))))
            differ("fore", ColourName(look.fore));
    }
    // A combo box's items, a page's table.
    for (auto it = listed.begin(); it != listed.end(); ++it) {
        const QList<QWidget*> named = Named(window, it.key(), "");
        QStringList program;
        if (auto* combo = named.size() == 1 ? qobject_cast<QComboBox*>(named[0]) : nullptr)
            for (int i = 0; i < combo->count(); ++i)
                program.push_back('"' + combo->itemText(i) + '"');
        else if (named.size() == 1)
            program = TableRows(named[0]);
        if (program == *it)
            continue;
        qsizetype i = 0;
        while (program.value(i) == it->value(i))
            ++i;
        differences.push_back(QString("%1 %2 %3: table %4, program %5")
                                  .arg(window->objectName(), it.key())
                                  .arg(i + 1)
                                  .arg(it->value(i, "none"), program.value(i, "none"))
                                  .toStdString());
    }
    if (rows == 0)
        differences.push_back(window->objectName().toStdString() + " has no rows in " + file);
    return differences;
}

} // namespace arvok::test
