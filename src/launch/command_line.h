// The emulators' command lines: the program, the game's ROM set and one switch per option of
// the per-game settings page, each emulator's switches in a fixed order.
#pragma once

#include <ctime>
#include <string>

#include "core/section.h"
#include "settings/game_settings.h"

namespace arvok {

// The per-game settings page as it stands when a game is started.
struct GameOptions {
    // The controls in SettingsFields form: slot 0 the game's ROM folder, a combo box as its
    // index ("-1" for no selection), a check box as its value (only "1" counts as ticked), MAME's
    // offsets as typed.
    SettingsFields fields;
    // Whether the resolution combo box is enabled (cboMameScreenRes, cboM72VR); a disabled one
    // gives no switch whatever its index.
    bool resolutionEnabled = true;
    // MAME's "Playback" box and the recording chosen for it ("name.inp"); neither is stored with
    // the game's settings.
    bool playback = false;
    std::string inpName;
};

// The name MAME records input under: the set, "_", HHMMSS, "-", DDMMYY.
std::string RecordName(const std::string& set, const std::tm& now);

// The whole command line, as the launch batch file holds it. MAME's record name is taken from
// the clock (LocalNow) at the call.
std::string CommandLine(Emu emu, const std::string& program, const std::string& set,
                        const GameOptions& options);

} // namespace arvok
