// Every view of the program, drawn offscreen in one fixed installation with fixed fonts and
// compared pixel for pixel with its reference picture tests/fixtures/views/<view>.png. A view that
// differs is written to build/view-diffs/<view>.png with the differing pixels marked in red; run
// with ARVOK_REWRITE_VIEWS=1 (scripts/rewrite-views.sh), the test writes the references anew.
#include <QApplication>
#include <QDialog>
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
#include "shell/pickers.h"
#include "support/test_support.h"
#include "support/widgets.h"

namespace arvok {
namespace {

namespace fs = std::filesystem;
using test::Click;
using test::Find;

// The installation, tests/fixtures/views/installation with the shipped data files, stands at one
// path, which its views show; gallery runs take it in turn. Each section's favourites are the
// last and the first game of its data file; MAME's last, added here with a long name, a long
// maker and a long history, has a snapshot.
const std::string kHome = "/tmp/arvok-views";

void LayOut() {
    fs::remove_all(kHome);
    fs::copy(test::Fixture("views/installation"), kHome, fs::copy_options::recursive);
    fs::copy(ARVOK_DATA, kHome + "/Data");
    test::WriteBytes(kHome + "/Data/Mame.dat",
                     test::ReadBytes(kHome + "/Data/Mame.dat") +
                         "10-Yard Fight (World, set 1, Irem Corporation, licensed to Taito America "
                         "Corporation);10yard;O;-;Sports;Irem (licensed to Taito America "
                         "Corporation);1983;\r\n");
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

// A view's name and how a user brings it up, as drawn.
using View = std::pair<std::string, std::function<QImage()>>;

// Each section window at each size on each page, its favourites stretched down the window, and
// its game menu; in turn, as a user clicks through them.
void AddSection(std::vector<View>& views, Emu emu) {
    const std::string frm = std::string("frm") + Section(emu).baseName;
    const std::string sizes = Design(emu).sizeButtonPrefix, pages = Design(emu).pageButtonPrefix;
    auto click = [emu](const std::string& button) {
        QWidget* window = ExistingSectionWindow(emu);
        Click(Find(window, button.c_str()));
        return window->grab().toImage();
    };
    views.push_back({frm + "-S", [=] {
                         Click(Find(&Forms::main(), ObjectName(emu, "lbl", "").c_str()));
                         return click(sizes + "Short");
                     }});
    for (std::string size : {"Middle", "Large"}) {
        if (size == "Large" && !Design(emu).hasLargeSize)
            continue;
        views.push_back({frm + "-" + size[0], [=] { return click(sizes + size); }});
        for (const char* page : {"Set", "Info", "Help", "Opts", "Snap"})
            views.push_back(
                {frm + "-" + size[0] + "-" + page, [=] { return click(pages + page); }});
    }
    if (Design(emu).hasFavLayout)
        views.push_back(
            {frm + "-L-down", [=] { return click(ObjectName(emu, "cmd", "Ridimen")); }});
    views.push_back({ObjectName(emu, "mnu", ""), [=] {
                         return Shown([=] {
                             test::SendMouse(Find<QWidget>(ExistingSectionWindow(emu),
                                                           ObjectName(emu, "lst", "Pref").c_str()),
                                             QEvent::MouseButtonPress, Qt::RightButton);
                         });
                     }});
}

std::vector<View> Views() {
    QWidget* launcher = &Forms::main();
    std::vector<View> views{{"frmMain", [=] { return launcher->grab().toImage(); }}};
    // The launcher as the pointer moves over its entries and menu labels in turn, then off them.
    int step = 0;
    for (const char* control : {"lblCallus", "lblRaine", "lblSystem16", "lblM72", "lblMame",
                                "lblNeoRageX", "Image4", "lblAbout", "lblLays", "lblAbout", ""})
        views.push_back(
            {"frmMain-" + std::to_string(++step) + "-" + (*control ? control : "away"), [=] {
                 if (*control)
                     test::MoveOver(Find<QWidget>(launcher, control));
                 else
                     test::MoveOver(launcher, {3, 300});
                 return launcher->grab().toImage();
             }});
    for (Emu emu : kAllEmus)
        AddSection(views, emu);
    auto config = [](const char* button) {
        QWidget* mame = &SectionWindowOf(Emu::Mame);
        Click(Find(mame, "imgButOpts"));
        return Shown([=] { Click(Find(mame, button)); });
    };
    auto manager = [](const char* button) {
        return Shown([=] { Find<QAbstractButton>(ExistingLayoutManager(), button)->click(); });
    };
    views.insert(views.end(),
                 {{"frmSelExe", [=] { return config("cmdSfoglia"); }},
                  {"frmSelDir", [=] { return config("cmdSelDir"); }},
                  {"frmAbout", [] { return Shown([] { AboutDialog().exec(); }); }},
                  {"frmDedicated", [] { return Shown([] { DedicationDialog().exec(); }); }},
                  {"frmOptions",
                   [=] {
                       Click(Find(launcher, "lblLays"));
                       return ExistingLayoutManager()->grab().toImage();
                   }},
                  {"frmRinomina-Add", [=] { return manager("cmdAdd"); }},
                  {"frmRinomina-Rename", [=] { return manager("cmdRename"); }}});
    for (MsgStyle style : {MsgStyle::Warning, MsgStyle::WarningYesNo, MsgStyle::Information})
        views.push_back({"message-" + std::to_string(static_cast<int>(style)), [=] {
                             return Shown([=] {
                                 QtDialogs(texts::Title())
                                     .message("A message of two lines,\rthe second one longer.",
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
    SetPickers(std::make_unique<QtPickers>());
    std::vector<std::string> differences;
    {
        Installation installation(kHome);
        Forms forms(installation);
        InstallSectionWindows(forms);
        InstallLayoutManager(forms);
        Forms::main();
        for (const auto& [name, draw] : Views())
            if (std::string difference = Difference(name, draw()); !difference.empty())
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
