// The calls the launcher makes into the section windows and the layout manager. The defaults do
// what a program without those windows does; the window code installs its own at start.
#pragma once

#include <functional>

#include "core/section.h"

namespace arvok {

struct SectionHooks {
    // Opens the section's window (a launcher entry clicked, a layout applied). The default only
    // checks that the section's data file is there and says so when it is not.
    std::function<void(Emu)> open;
    // Moves and sizes the section's window, in twips, creating it hidden when it does not exist.
    std::function<void(Emu, int top, int left, int width, int height)> place;
    // Quitting with the section open: saves its settings file, then the settings of its current
    // game.
    std::function<void(Emu)> saveForQuit;
    // The launcher's background was pointed at once a section had been opened: the
    // clear-favourites labels of the section windows go back to rest.
    std::function<void()> restClearFavourites;
    // Shows the layout manager, modeless.
    std::function<void()> showLayoutManager;
};

class Installation;

// The defaults described above.
SectionHooks DefaultHooks(Installation& installation);

} // namespace arvok
