// What a section window reads and sets on the launcher.
#pragma once

#include "core/section.h"

namespace arvok {

// The launcher's position in twips.
int LauncherTop();
int LauncherLeft();
// Highlights the section's launcher entry and shows its statistics (the mouse moving over the
// window's title, lists, background or page buttons).
void HighlightLauncher(Emu emu);
// Puts the launcher's "Lays" and "About" back at rest (the mouse moving over the window's title
// or favourites).
void RestLauncherMenu();
// lblShow<Emu>: whether the section's window is open.
void SetSectionOpen(Emu emu, bool open);
// lblHideEmuSelect: the section opened last.
void SetCurrentSection(Emu emu);

} // namespace arvok
