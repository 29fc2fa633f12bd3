// Every window, in every size and on every page, shows each control whole and on its own.
#include <QApplication>
#include <QGroupBox>
#include <QStyleOptionGroupBox>

#include "layouts/qt/layout_manager.h"
#include "layouts/qt/name_dialog.h"
#include "sections/section_design.h"
#include "sections/section_fixture.h"
#include "shell/about.h"
#include "shell/launcher.h"
#include "shell/pickers.h"

namespace arvok::test {
namespace {

// What a user sees wrong in "window", naming the controls and their places: two controls over
// each other while neither holds the other (a frame its controls, a list its scroll bars, a
// picture a caption written on it), a control its page or window cuts, a frame's line through its
// caption or a control in it. Controls out of sight (hidden, on a page not shown, where the
// window's size cuts them off) and labels that draw nothing are left out.
Names Faults(QWidget* window) {
    auto place = [window](const QWidget* w) {
        return QRect(w->mapTo(window, QPoint()), w->size());
    };
    auto seen = [&](const QWidget* w) {
        QRect r = place(w);
        for (; w != window; w = w->parentWidget())
            r &= place(w->parentWidget());
        return r;
    };
    auto name = [&](const QWidget* w) {
        const QString id =
            w->objectName().isEmpty() ? w->property("text").toString() : w->objectName();
        return (id + ' ' + QDebug::toString(place(w))).toStdString();
    };
    auto caption = [](const QWidget* w) {
        return w->inherits("QLabel") && !w->autoFillBackground();
    };
    auto picture = [](const QWidget* w) {
        return !w->property("pixmap").value<QPixmap>().isNull();
    };
    std::vector<QWidget*> shown; // Qt's own parts of a control, as a list's scroll bars, left out
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window) && !seen(w).isEmpty() && !w->objectName().startsWith("qt_") &&
            !w->parentWidget()->objectName().startsWith("qt_") &&
            (!caption(w) || !w->property("text").toString().isEmpty() || picture(w)))
            shown.push_back(w);
    Names faults;
    for (size_t i = 0; i < shown.size(); ++i) {
        QWidget* a = shown[i];
        if (seen(a) != place(a))
            faults.push_back(name(a) + " cut off in " + name(a->parentWidget()));
        for (QWidget* b : std::vector<QWidget*>(shown.begin() + i + 1, shown.end()))
            if (place(a).intersects(place(b)) && !a->isAncestorOf(b) && !b->isAncestorOf(a) &&
                !(picture(a) && caption(b)) && !(picture(b) && caption(a)))
                faults.push_back(name(a) + " over " + name(b));
        auto* frame = qobject_cast<QGroupBox*>(a);
        if (!frame)
            continue;
        // The frame alone, without a caption and with its own: its line crosses the caption when
        // more than a tenth of what it draws across the caption's band is still drawn there.
        const QString title = frame->title();
        std::array<QImage, 2> drawn;
        for (int titled = 0; titled < 2; ++titled) {
            drawn[titled] = QImage(frame->size(), QImage::Format_RGB32);
            frame->setTitle(titled ? title : QString());
            frame->render(&drawn[titled], {}, {}, QWidget::DrawWindowBackground);
        }
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = title;
        const QRect band = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, frame);
        int line = 0, kept = 0;
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                if (drawn[0].pixel(x, y) != drawn[1].pixel(band.topLeft())) {
                    ++line;
                    kept += drawn[1].pixel(x, y) == drawn[0].pixel(x, y);
                }
        if (10 * kept > line)
            faults.push_back(name(frame) + " draws its line through \"" + title.toStdString() +
                             '"');
        for (QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QImage under = drawn[1].copy(control->geometry()), plain = under;
            plain.fill(drawn[0].pixel(frame->width() / 2, frame->height() / 2));
            if (under != plain)
                faults.push_back(name(control) + " on the lines of " + name(frame));
        }
    }
    return faults;
}

using ControlsApartTest = SectionTest;

TEST_F(ControlsApartTest, NoControlStandsOverAnotherOrOutsideItsPageInAnyWindow) {
    auto check = [](QWidget* window, const std::string& state) {
        window->setWindowModality(Qt::NonModal);
        window->show();
        QApplication::processEvents();
        EXPECT_EQ(Faults(window), Names{}) << state;
    };
    for (const char* base : {"Callus", "Raine", "System16", "M72"})
        WriteDataFile(base, kMameGames);
    for (Emu emu : kAllEmus) {
        const std::string sizes = Design(emu).sizeButtonPrefix;
        open(emu);
        // Small, Medium, Large, then the tall favourites in the Large size.
        std::vector<std::string> buttons{sizes + "Short", sizes + "Middle", sizes + "Large",
                                         "cmd" + std::string(Section(emu).baseName) + "Ridimen"};
        buttons.resize(Design(emu).hasLargeSize ? 4 : 2);
        for (const std::string& button : buttons) {
            clickButton(button.c_str());
            for (int page = 0; page < 5; ++page) {
                window_->showPage(static_cast<Page>(page));
                check(window_, button + " page " + std::to_string(page));
            }
        }
    }
    LauncherWindow launcher;
    FolderPicker folders({"CALLUSROM", "*.zip", "", ""});
    ProgramPicker programs({"CALLUS", "*", "", "", false});
    LayoutManager manager;
    LayoutNameDialog name(manager, LayoutNameDialog::Mode::Add);
    AboutDialog about;
    DedicationDialog dedication;
    for (QWidget* window : std::initializer_list<QWidget*>{&launcher, &folders, &programs, &manager,
                                                           &name, &about, &dedication})
        check(window, window->objectName().toStdString());
}

} // namespace
} // namespace arvok::test
