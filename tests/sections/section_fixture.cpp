#include "section_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "platform/qt/click_label.h"
#include "sections/open_section.h"
#include "sections/section_widgets.h"
#include "shell/forms.h"
#include "shell/pickers.h"

namespace arvok::test {

const std::vector<Game> kMameGames{
    {"Pac-Man", "pacman", "O", "-", "Arcade", "Namco", "1980"},
    {"Puck Man (Japan)", "puckman", "C", "pacman", "Arcade", "Namco", "1980"},
    {"Galaga", "galaga", "O", "-", "Shooter", "Namco", "1981"},
    {"1942", "1942", "O", "-", "Shooter", "Capcom", "1984"},
    {"Metal Slug", "mslug", "O", "neogeo", "Platform", "Nazca", "1996"},
    {"Donkey Kong", "dkong", "O", "-", "Platform", "Nintendo", "1981"},
    {"Donkey Kong (US set 2)", "dkongo", "C", "dkong", "Platform", "Nintendo", "1981"},
    {"Xevious", "xevious", "O", "-", "Shooter", "Namco", "1982"},
};

std::string Record(const Game& g) {
    std::string line = std::string(g.name) + ";" + g.set + ";" + g.type + ";" + g.parent + ";" +
                       g.genre + ";" + g.manufacturer + ";" + g.year + ";";
    for (const char* rest :
         {"Yes", "256", "Yes(1)", "Yes", "No", "driver.c", "Z80", "", "", "", "AY8910", "", "", ""})
        line += std::string(rest) + ";";
    return line;
}

// The launcher's start-up, with its greeting of a new installation, runs before any section
// window docks beside it.
void SectionTest::SetUp() {
    installation_ = std::make_unique<Installation>(dir_.path());
    forms_ = std::make_unique<Forms>(*installation_);
    InstallScriptedDialogs();
    SetPickers(std::make_unique<QtPickers>());
    Forms::main();
    dialogs_ = &InstallScriptedDialogs();
    WriteDataFile("Mame", kMameGames);
}

void SectionTest::TearDown() {
    for (Emu emu : kAllEmus)
        closeSection(emu);
    window_ = nullptr;
    forms_.reset();
}

void SectionTest::closeSection(Emu emu) {
    delete ExistingSectionWindow(emu);
    Forms::main().setSectionOpen(emu, false);
}

void SectionTest::WriteDataFile(const std::string& base, const std::vector<Game>& games) {
    std::vector<std::string> lines{"# test data", "*" + base, "Vv0.35",
                                   "D01/02/99",   "Aauthor",  "Mmail",
                                   "Hhome",       "Wweb",     "T" + std::to_string(games.size())};
    for (int i = 0; i < 8; ++i)
        lines.push_back("X" + std::to_string(i));
    for (const Game& game : games)
        lines.push_back(Record(game));
    WriteLines(dir_ / ("Data/" + base + ".dat"), lines);
}

void SectionTest::WriteCfg(Emu emu, const std::vector<std::string>& favourites,
                           const std::string& favSize) {
    const std::string base = Section(emu).baseName;
    const std::string program = QString::fromLatin1(base).toLower().toStdString();
    std::vector<std::string> lines{"[Paths]", "ExePath=" + dir_.path() + "/emu/" + program + ".sh",
                                   "EmuDir=" + dir_.path() + "/emu",
                                   "RomPath=" + dir_.path() + "/roms"};
    if (emu == Emu::Mame)
        lines.push_back("AltRomPath=" + dir_.path() + "/alt");
    lines.insert(lines.end(), {"", "[SnapShots]", "SnapPath=" + dir_.path() + "/snap",
                               "SnapFormat=GIF", "NoSlideShow=0", "ShowCounter=0", "SlideDelay=2",
                               "", "[Gui]", "FavSize=" + favSize, "", "[Favorties]"});
    for (auto it = favourites.rbegin(); it != favourites.rend(); ++it)
        lines.push_back("\"" + *it + "\"");
    WriteLines(dir_ / ("Cfg/" + base + ".cfg"), lines);
}

SectionWindow* SectionTest::open(Emu emu) {
    OpenSectionWindow(emu);
    window_ = ExistingSectionWindow(emu);
    return window_;
}

std::string SectionTest::listName(const char* suffix) const {
    return ObjectName(window_ ? window_->emu() : Emu::Mame, "lst", suffix);
}

std::string SectionTest::text(const char* control) {
    QWidget* w = find(control);
    return w ? ToAnsi(w->property("text").toString()) : "<none>";
}

std::vector<std::string> SectionTest::texts(std::initializer_list<const char*> controls) {
    std::vector<std::string> out;
    for (const char* control : controls)
        out.push_back(text(control));
    return out;
}

bool SectionTest::checked(const char* box) {
    return find<QCheckBox>(box)->isChecked();
}

std::vector<std::string> SectionTest::captions(const char* page) {
    std::vector<std::string> out;
    if (QWidget* w = find(page))
        for (QLabel* label : w->findChildren<QLabel*>())
            out.push_back(ToAnsi(label->text()));
    return out;
}

QColor SectionTest::back(const char* combo) {
    const QImage image = find<QComboBox>(combo)->grab().toImage();
    return image.pixelColor(image.width() / 2, 2);
}

bool SectionTest::drawsIn(const char* control, const QColor& colour) {
    const QImage image = find(control)->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::abs(image.pixelColor(x, y).red() - colour.red()) < 40 &&
                std::abs(image.pixelColor(x, y).green() - colour.green()) < 40 &&
                std::abs(image.pixelColor(x, y).blue() - colour.blue()) < 40)
                return true;
    return false;
}

std::vector<std::string> SectionTest::items(const std::string& list) {
    std::vector<std::string> names;
    if (auto* view = find<QAbstractItemView>(list.c_str()))
        for (int row = 0; row < view->model()->rowCount(); ++row)
            names.push_back(ToAnsi(view->model()->index(row, 0).data().toString()));
    return names;
}

std::string SectionTest::savedFavourites(Emu emu) {
    const std::string cfg =
        ReadBytes(dir_ / ("Cfg/" + std::string(Section(emu).baseName) + ".cfg"));
    return cfg.substr(std::min(cfg.find("[Favorties]"), cfg.size()));
}

void SectionTest::WriteStandIn(const std::string& program, const std::string& listing) {
    const std::string log = dir_ / "ran.txt";
    const std::string path = dir_ / ("emu/" + program);
    WriteBytes(path, "#!/bin/sh\npwd > '" + log + "'\necho \"$@\" >> '" + log + "'\n" + listing +
                         " >> '" + log + "' 2>/dev/null\n");
    chmod(path.c_str(), 0755);
}

std::string SectionTest::ran() {
    return ReadBytes(dir_ / "ran.txt");
}

void SectionTest::select(const std::string& list, const std::string& name) {
    auto* view = find<QAbstractItemView>(list.c_str());
    for (int row = 0; row < view->model()->rowCount(); ++row)
        if (ToAnsi(view->model()->index(row, 0).data().toString()) == name) {
            view->setCurrentIndex(view->model()->index(row, 0));
            return;
        }
    ADD_FAILURE() << "no " << name << " in " << list;
}

void SectionTest::clickFavourite(const std::string& name) {
    auto* list = find<QListWidget>(listName("Pref").c_str());
    auto found = list->findItems(FromAnsi(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    Click(list, list->visualItemRect(found[0]).center());
}

void SectionTest::clickCurrentGame() {
    auto* list = find<QListView>(listName("Rom").c_str());
    Click(list, list->visualRect(list->currentIndex()).center());
}

void SectionTest::clickButton(const char* name) {
    if (auto* button = find<ClickLabel>(name))
        emit button->clicked();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SectionTest::choose(const char* combo, int index) {
    if (auto* box = find<QComboBox>(combo)) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
}

void SectionTest::pressKey(QWidget* w, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w, &event);
}

void SectionTest::doubleClick(const std::string& list) {
    DoubleClick(find(list.c_str()));
}

void SectionTest::rightClick(const std::string& list) {
    QWidget* viewport = find<QAbstractItemView>(list.c_str())->viewport();
    SendMouse(viewport, QEvent::MouseButtonPress, Qt::RightButton,
              {viewport->width() - 2, viewport->height() - 2});
}

namespace {

// What the selected game carries when the mouse drags it out of "list". The offscreen platform
// ends a drag at once, leaving the list's drag behind to be read.
QByteArray Dragged(QListView* list) {
    const QPoint at = list->visualRect(list->currentIndex()).center();
    // The list takes a first move as the start of a drag and starts it at the next.
    const QPoint away = at + QPoint(30, 30);
    for (auto [type, to] : {std::pair{QEvent::MouseButtonPress, at},
                            {QEvent::MouseMove, away},
                            {QEvent::MouseMove, away},
                            {QEvent::MouseButtonRelease, away}}) {
        QMouseEvent event(
            type, QPointF(to), QPointF(list->viewport()->mapToGlobal(to)), Qt::LeftButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
    std::unique_ptr<QDrag> drag(list->findChild<QDrag*>());
    EXPECT_NE(drag, nullptr) << "no drag started";
    return drag ? drag->mimeData()->data(QString::fromLatin1(kGameMimeType)) : QByteArray();
}

} // namespace

void SectionTest::dropOnFavourites(std::optional<Emu> from) {
    auto* list = find<QListWidget>(listName("Pref").c_str());
    QMimeData data;
    data.setData(QString::fromLatin1(kGameMimeType),
                 from ? QByteArray(Section(*from).tag)
                      : Dragged(find<QListView>(listName("Rom").c_str())));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
}

Shown SectionTest::pick(const char* button, bool select, const std::string& into) {
    Shown shown;
    QTimer::singleShot(0, [this, &shown, select, into] {
        QWidget* picker = QApplication::activeModalWidget();
        ASSERT_NE(picker, nullptr);
        const bool folder = picker->objectName() == QLatin1String("frmSelDir");
        shown.caption = ToAnsi(picker->windowTitle());
        shown.tag =
            ToAnsi(picker->findChild<QLabel*>(folder ? "lblSelDirHide" : "lblSelExeHide")->text());
        shown.pattern =
            ToAnsi(picker->findChild<QLineEdit*>(folder ? "txtPattern" : "txtShowFiltri")->text());
        if (auto* folders = qobject_cast<FolderPicker*>(picker))
            shown.folder = folders->folder();
        if (auto* programs = qobject_cast<ProgramPicker*>(picker))
            shown.folder = programs->folder();
        if (!into.empty()) {
            auto* folders = picker->findChild<QListWidget*>(folder ? "dirSelDir" : "dirSelExe");
            auto found = folders->findItems(FromAnsi(into), Qt::MatchEndsWith);
            EXPECT_EQ(found.size(), 1) << into << " not listed";
            if (!found.empty())
                folders->setCurrentItem(found[0]);
            pressKey(folders, Qt::Key_Return);
        }
        picker->findChild<QPushButton*>(select ? "cmdSeleziona" : "cmdCancel")->click();
    });
    clickButton(button);
    return shown;
}

void SectionTest::answerPicker(const std::string& file) {
    QTimer::singleShot(0, [file] {
        QWidget* picker = QApplication::activeModalWidget();
        ASSERT_NE(picker, nullptr);
        auto* files = picker->findChild<QListWidget*>("filSelExe");
        auto found = files->findItems(QString::fromStdString(file), Qt::MatchExactly);
        if (found.size() != 1) {
            EXPECT_TRUE(file.empty()) << file << " not listed";
            picker->close();
            return;
        }
        files->setCurrentItem(found[0]);
        found[0]->setSelected(true);
        picker->findChild<QPushButton*>("cmdOk")->click();
    });
}

} // namespace arvok::test
