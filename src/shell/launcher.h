// frmMain: the launcher window. Its load is the program's start-up; it owns the state every
// window shares (which sections are open, the section opened last) and quits the program.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "core/section.h"
#include "settings/layout_files.h"

class QLabel;

namespace arvok {

class ClickLabel;
class Installation;
struct SectionHooks;

class LauncherWindow : public QWidget {
    Q_OBJECT
public:
    LauncherWindow(Installation& installation, SectionHooks& hooks);

    // Start-up: names the window, greets a first run of the installation, makes the work
    // directories, places the launcher, applies the default layout when autoload is on and starts
    // the banner.
    void load();

    // Whether the section's window is open (lblShow<Emu>).
    bool sectionOpen(Emu emu) const { return open_[Index(emu)]; }
    void setSectionOpen(Emu emu, bool open) { open_[Index(emu)] = open; }
    // The tag of the section opened last, "HIDE" until one is (lblHideEmuSelect).
    const std::string& currentSectionTag() const { return currentTag_; }
    void setCurrentSectionTag(const std::string& tag) { currentTag_ = tag; }

    // The launcher's position in twips; sections dock at the same top and at left + 3450.
    int twipsTop() const;
    int twipsLeft() const;
    void setTwipsPosition(int top, int left);

    // Highlights the section's entry and shows its data file's statistics.
    void highlight(Emu emu);
    // Puts the "Lays" and "About" menu labels back at rest (the mouse has moved on to a section
    // window's title or favourites).
    void restMenuLabels();

    // Applies a layout's lines in order: the launcher's line moves the launcher; a section's
    // line opens that section when it is closed, then moves and sizes its window.
    void applyLayout(const std::vector<Placement>& placements);

    // The end of the program, once "Exit" is confirmed or an ending signal has come: saves every
    // open section and ends the event loop.
    void quit();
    // Saves every open section, in the sections' order, as closing it would.
    void saveOpenSections();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEntries();
    void buildMenu();
    void buildStatistics();
    void buildDecoration();
    void showStatistics(Emu emu);
    void applyStartupLayout();
    void advanceBanner();
    void showAbout();

    Installation& installation_;
    SectionHooks& hooks_;
    PerSection<ClickLabel*> entries_{};
    ClickLabel* lblExit_ = nullptr;
    ClickLabel* lblLays_ = nullptr;
    ClickLabel* lblAbout_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblMiscText_ = nullptr;
    std::array<QLabel*, 17> statistics_{};
    QTimer* timer_ = nullptr;

    // The position last set, kept in twips so that it reads back exactly while the window
    // stays where it was put.
    int top_ = 0, left_ = 0;
    PerSection<bool> open_{};
    std::string currentTag_ = "HIDE";
    int bannerNumber_ = 1;
};

} // namespace arvok
