// Opening the section windows, and the one window of each section.
#pragma once

#include "core/section.h"

namespace arvok {

class Forms;
class SectionWindow;

// The section's window when it exists (it exists from its first use until it is closed); the
// windows are kept by the Forms.
SectionWindow* ExistingSectionWindow(Emu emu);
// The section's window, created hidden when it does not exist yet; its load runs then.
SectionWindow& SectionWindowOf(Emu emu);
// The window is being closed: it is no longer the section's window, so that opening the section
// again, even before the closed window is gone, makes a new one.
void ForgetSectionWindow(const SectionWindow* window);

// Open<Emu>Window: with the section's data file present, marks the section as the current one,
// refills the game list, selects the first favourite or else the first game, warns when the
// section has no settings file yet (the window then opens on its configuration page), marks
// the window open and shows it. Without the data file it says so and opens nothing.
void OpenSectionWindow(Emu emu);

// Installs the launcher's hooks into the section windows: opening, placing from a layout and
// saving when the program quits. Called once at start, before the launcher's start-up.
void InstallSectionWindows(Forms& forms);

} // namespace arvok
