// Every view of the program, drawn offscreen in one fixed installation with fixed fonts and
// compared pixel for pixel with its reference picture tests/fixtures/views/<view>.png. A view that
// differs is written to build/view-diffs/<view>.png with the differing pixels marked in red; run
// with ARVOK_REWRITE_VIEWS=1 (scripts/rewrite-views.sh), the test writes the references anew.
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/texts.h"
#include "layouts/qt/layout_manager.h"
#include "platform/qt/qt_dialogs.h"
#include "sections/open_section.h"
#include "sections/section_design.h"
#include "sections/section_window.h"
#include "shell/about.h"
#include "shell/forms.h"
#include "support/test_support.h"
#include "support/widgets.h"

namespace arvok {
namespace {

namespace fs = std::filesystem;
using test::Click;
using test::Find;
using test::WriteLines;

// The installation stands at one path, which its views show; gallery runs take it in turn. Each
// section has two favourites, the first two games of its data file; MAME's first a snapshot.
const std::string kHome = "/tmp/arvok-views";

void LayOut() {
    fs::remove_all(kHome);
    fs::create_directories(kHome + "/snap");
    fs::copy(ARVOK_DATA, kHome + "/Data");
    for (Emu emu : kAllEmus) {
        const std::string base = Section(emu).baseName;
        QStringList games =
            QString::fromLatin1(test::ReadBytes(kHome + "/Data/" + base + ".dat")).split('\n');
        games = games.filter(QRegularExpression("^[^#].*;")).mid(0, 2);
        if (emu == Emu::Mame)
            fs::copy(test::Fixture("views/snap.bmp"),
                     kHome + "/snap/" + games[0].section(';', 1, 1).toStdString() + ".bmp");
        auto favourite = [&](int i) { return '"' + games[i].section(';', 0, 0).toLatin1() + '"'; };
        WriteLines(kHome + "/Cfg/" + base + ".cfg",
                   {"[Paths]", "ExePath=" + kHome + "/emu/" + base + ".sh",
                    "EmuDir=" + kHome + "/emu", "RomPath=" + kHome + "/roms",
                    "AltRomPath=" + kHome + "/alt", "[SnapShots]", "SnapPath=" + kHome + "/snap",
                    "SnapFormat=BMP", "NoSlideShow=1", "[Gui]", "FavSize=up", "[Favorties]",
                    favourite(1).toStdString(), favourite(0).toStdString()});
    }
    WriteLines(kHome + "/layouts.dat", {"[Work]", "MAME,400,3950,6345,7260", "-", "[Play]"});
    WriteLines(kHome + "/arvok.ini", {"[Layouts]", "LayoutAlwaysOnTop = 1", "AutoloadOnStartup = 0",
                                      "DefaultLayout = Play"});
    for (const char* file : {"roms/1942.zip", "roms/galaga.zip", "emu/readme.txt"})
        test::WriteBytes(kHome + "/" + file, "z");
}

// What "open" brings up, a modal dialog or a popup menu, as drawn; it is then closed.
QImage Shown(const std::function<void()>& open) {
    QImage image;
    QObject waiting;
    std::function<void()> take = [&] {
        QWidget* shown = QApplication::activePopupWidget();
        if (!shown)
            shown = QApplication::activeModalWidget();
        if (!shown)
            return QTimer::singleShot(0, &waiting, take);
        image = shown->grab().toImage();
        if (auto* dialog = qobject_cast<QDialog*>(shown))
            dialog->reject();
        else
            shown->close();
    };
    QTimer::singleShot(0, &waiting, take);
    open();
    if (image.isNull())
        take();
    return image;
}

struct View {
    std::string name;
    std::function<QImage()> draw;
};

// Each section window at each size on each page, its favourites stretched down the window, and
// its game menu; in turn, as a user clicks through them.
void AddSection(std::vector<View>& views, Emu emu) {
    const std::string base = Section(emu).baseName;
    const SectionDesign& design = Design(emu);
    auto window = [emu] { return static_cast<QWidget*>(ExistingSectionWindow(emu)); };
    auto click = [window](const std::string& button) {
        Click(Find(window(), button.c_str()));
        return window()->grab().toImage();
    };
    views.push_back({"frm" + base + "-S", [=] {
                         Click(Find(&Forms::main(), ("lbl" + base).c_str()));
                         return click(design.sizeButtonPrefix + std::string("Short"));
                     }});
    for (const char* size : {"Middle", "Large"}) {
        if (size == std::string("Large") && !design.hasLargeSize)
            continue;
        views.push_back({"frm" + base + "-" + size[0],
                         [=] { return click(design.sizeButtonPrefix + std::string(size)); }});
        for (const char* page : {"Set", "Info", "Help", "Opts", "Snap"})
            views.push_back({"frm" + base + "-" + size[0] + "-" + page,
                             [=] { return click(design.pageButtonPrefix + std::string(page)); }});
    }
    if (design.hasFavLayout)
        views.push_back(
            {"frm" + base + "-L-down", [=] { return click("cmd" + base + "Ridimen"); }});
    views.push_back({"mnu" + base, [=] {
                         return Shown([&] {
                             QWidget* list =
                                 Find<QWidget>(window(), ("lst" + base + "Pref").c_str());
                             test::SendMouse(list, QEvent::MouseButtonPress, Qt::RightButton);
                         });
                     }});
}

std::vector<View> Views() {
    auto launcher = [] { return &Forms::main(); };
    std::vector<View> views{{"frmMain", [=] { return launcher()->grab().toImage(); }}};
    for (Emu emu : kAllEmus)
        AddSection(views, emu);
    auto mame = [] { return static_cast<QWidget*>(&SectionWindowOf(Emu::Mame)); };
    auto opts = [=](const char* button) {
        Click(Find(mame(), "imgButOpts"));
        return Shown([=] { Click(Find(mame(), button)); });
    };
    views.insert(views.end(),
                 {{"frmSelExe", [=] { return opts("cmdSfoglia"); }},
                  {"frmSelDir", [=] { return opts("cmdSelDir"); }},
                  {"frmAbout",
                   [] {
                       AboutDialog about;
                       return Shown([&] { about.exec(); });
                   }},
                  {"frmDedicated",
                   [] {
                       AboutDialog about;
                       return Shown([&] { test::DoubleClick(Find(&about, "imgArvok")); });
                   }},
                  {"frmOptions", [=] {
                       Click(Find(launcher(), "lblLays"));
                       return ExistingLayoutManager()->grab().toImage();
                   }}});
    for (const char* button : {"cmdAdd", "cmdRename"})
        views.push_back({std::string("frmRinomina-") + button, [=] {
                             return Shown([=] {
                                 Find<QAbstractButton>(ExistingLayoutManager(), button)->click();
                             });
                         }});
    for (auto [style, name] : {std::pair{MsgStyle::Warning, "48"},
                               {MsgStyle::WarningYesNo, "52"},
                               {MsgStyle::Information, "64"}})
        views.push_back({std::string("message-") + name, [style = style] {
                             QtDialogs boxes(texts::Title());
                             return Shown([&] {
                                 boxes.message("A message of two lines,\rthe second one longer.",
                                               style);
                             });
                         }});
    return views;
}

// Nothing when "drawn" is its reference picture, else what differs; the view is then written to
// build/view-diffs/ with the differing pixels in red.
std::string Difference(const std::string& name, const QImage& drawn) {
    const QString reference = QString::fromStdString(test::Fixture("views/" + name + ".png"));
    QImage image = drawn.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("ARVOK_REWRITE_VIEWS"))
        return image.save(reference, "PNG", 50) ? "" : "cannot write " + reference.toStdString();
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    if (image == expected)
        return "";
    image = image.copy(QRect(QPoint(), image.size().expandedTo(expected.size())));
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!expected.valid(x, y) || image.pixel(x, y) != expected.pixel(x, y)) {
                image.setPixel(x, y, qRgb(255, 0, 0));
                ++differing;
            }
    const std::string diff = ARVOK_VIEW_DIFFS "/" + name + ".png";
    fs::create_directories(ARVOK_VIEW_DIFFS);
    image.save(QString::fromStdString(diff), "PNG", 50);
    return name + ": " + std::to_string(differing) + " pixels differ from its reference, see " +
           diff;
}

TEST(Gallery, EveryViewIsDrawnAsItsReference) {
    const int lock = open((kHome + ".lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0666);
    flock(lock, LOCK_EX);
    LayOut();
    const std::string here = fs::current_path();
    fs::current_path(kHome);
    QApplication::setFont(QFont("DejaVu Sans", 9));
    InstallScriptedDialogs();
    std::vector<std::string> differences;
    {
        Installation installation(kHome);
        Forms forms(installation);
        InstallSectionWindows(forms);
        InstallLayoutManager(forms);
        Forms::main();
        for (const View& view : Views())
            if (std::string difference = Difference(view.name, view.draw()); !difference.empty())
                differences.push_back(difference);
    }
    fs::current_path(here);
    fs::remove_all(kHome);
    close(lock);
    EXPECT_EQ(differences, std::vector<std::string>{})
        << "A change of the program's look is made by scripts/rewrite-views.sh and reviewed as "
           "one.";
}

} // namespace
} // namespace arvok
