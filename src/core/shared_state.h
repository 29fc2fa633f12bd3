// The state every part of the program shares: the installation directory, each section's ROM
// directory and the found flag of the per-game settings lookup.
#pragma once

#include <string>

#include "core/section.h"

namespace arvok {

struct SharedState {
    std::string DirInst;            // installation directory, set at start-up
    PerSection<std::string> RomDir; // <Emu>RomDir, indexed by Index(emu)
    bool Trovato = false;           // last per-game settings lookup found a record
};

SharedState& Shared();

// DirInst joined with the given components, each looked up without regard to case
// (InstallPath("Cfg", "Mame.cfg")).
std::string InstallPath(std::string_view a, std::string_view b);

} // namespace arvok
