// The installation the program runs in: its folder (DirInst), made once at start-up from the
// folder the program was started in, and what the program keeps of the files under it.
#pragma once

#include <string>

#include "catalogue/data_file.h"
#include "settings/game_settings.h"
#include "settings/settings_io.h"
#include "shell/notices.h"

namespace arvok {

class Installation {
public:
    explicit Installation(const std::string& dirInst)
        : DirInst(dirInst), settings(dirInst), gameSettings(settings), data(dirInst) {}
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::string DirInst;
    SettingsFiles settings; // the settings files and each section's RomDir
    GameSettingsFiles gameSettings;
    DataFiles data;
    Notices notices;
};

} // namespace arvok
