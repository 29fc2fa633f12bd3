// The snapshot page of a section window: the game's still, its slide show of numbered
// snapshots or its animation, with an optional two-digit counter, and the notice shown when
// the game has no snapshot.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "core/section.h"
#include "platform/folder_listing.h"
#include "settings/emulator_cfg.h"

class QLabel;

namespace arvok {

class ClickLabel;

// What the page reads from its window at every display and at every step of a show.
struct SnapOptions {
    std::string snapDir;                // DirSnap<Emu>: the snapshot directory
    std::string extension;              // SnapExtension() of the window's format options
    bool noSlide = false;               // chk<Emu>NoSlide: no slide show is started by a display
    bool showCounter = false;           // chk<Emu>ShowCounter: the counter is shown
    int delayMs = kDefaultSlideDelayMs; // <Emu>SnapDelay: the slide-show delay in milliseconds
};

// What a display found for the game.
enum class SnapShown {
    Animation, // the animation runs
    SlideShow, // the still is shown and the slide show runs
    Still,     // the still is shown, no slide show
    Nothing,   // the no-snapshot notice is shown; the window then loads the game's settings
};

// The fastest step of a show: an animation advances at most one frame every 55 ms, and no
// show ever runs with a shorter interval.
inline constexpr int kFastestTickMs = 55;

// The page pic<Emu>Snap. It holds img<Emu>Snap (the picture; click to stop or restart the
// show), lblContaSlide<Emu> (the counter: "-" before the first picture of a cycle, then "00"
// to "99"), lbl<Emu>NoAvail, lblSnapNo, lblNoSnapFound, lblLookFor, lblLookedFor, lblSnapTip,
// lblSnapInSite (the no-snapshot notice) and the timer tmrSlideShow<Emu>. The window creates
// one per section, places it like its other pages and calls showGame() from its selected-game
// display.
class SnapshotPage : public QWidget {
    Q_OBJECT
public:
    SnapshotPage(Emu emu, std::string dirInst, std::function<SnapOptions()> options,
                 QWidget* parent = nullptr);

    // Shows the pictures of ROM set "set" (the window has looked the game up and taken its
    // set): the animation when the game has one, else the still, with its slide show when
    // picture "00" exists and the slide show is not disabled, else the no-snapshot notice
    // naming the directory and file looked for. A running show is stopped first.
    SnapShown showGame(const std::string& set);

    // Stops the show; the picture shown stays. The window calls it on every display, on the
    // page buttons and on its Small size.
    void stop();
    bool isRunning() const { return timer_.isActive(); }
    // One step of the show, as the timer does it: the next picture, or at the end of a cycle
    // the still again (the last frame of an animation stays) and the counter back to "-".
    // Nothing happens while the show is stopped or before the first display.
    void tick();
    // The picture clicked: stops a running show, or starts it again from the counter's value.
    void toggle();

    // img<Emu>Snap. Its own visible flag marks the snapshot page as the page shown: the page
    // buttons clear it, the snapshot button sets it.
    QLabel* image() const;
    // lblContaSlide<Emu>; its visibility follows the show-counter option at each display.
    QLabel* counter() const { return counter_; }
    QTimer* timer() { return &timer_; }

private:
    void hideNotice();
    void showNotice(const std::string& set, const SnapOptions& options);
    void start(int intervalMs);
    bool load(const std::string& path);

    Emu emu_;
    std::string dirInst_; // where the animations lie, below Anim
    std::function<SnapOptions()> options_;
    ClickLabel* image_;
    QLabel* counter_;
    QLabel* noAvail_;
    QLabel* snapNo_;
    QLabel* noSnapFound_;
    QLabel* lookFor_;
    QLabel* lookedFor_;
    QLabel* snapTip_;
    QLabel* snapInSite_;
    QTimer timer_;
    // The snapshot folder and the animation folders, listed for the lookups of every display
    // and every step.
    FolderListings folders_;
    std::string set_;
    bool displayed_ = false;
};

} // namespace arvok
