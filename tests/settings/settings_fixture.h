// A fresh installation with an empty Cfg folder and scripted message boxes, for the settings
// tests, whose loads and saves tell the user what they found as the windows do; and a game's
// settings built slot by slot.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "core/section.h"
#include "platform/dialogs.h"
#include "settings/emulator_cfg.h"
#include "settings/game_settings.h"
#include "shell/installation.h"
#include "support/test_support.h"

namespace arvok {

// "fields" with slots set from slot, value pairs: With(fields, mame::Beam, "15", mame::Gamma, "0").
inline SettingsFields With(SettingsFields fields) {
    return fields;
}
template <class... Rest>
SettingsFields With(SettingsFields fields, std::size_t slot, const std::string& value,
                    Rest... rest) {
    fields[slot] = value;
    return With(fields, rest...);
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir / "Cfg");
        shown = &InstallScriptedDialogs();
    }

    EmulatorCfg LoadEmulatorCfg(Emu emu) {
        EmulatorCfg cfg = arvok::LoadEmulatorCfg(installation.settings, emu);
        installation.notices.read(EmulatorCfgPath(installation.settings, emu), cfg.file);
        return cfg;
    }
    bool SaveEmulatorCfg(Emu emu, const EmulatorCfg& cfg) {
        return installation.notices.saved(arvok::SaveEmulatorCfg(installation.settings, emu, cfg));
    }
    // Whether a record was found.
    bool LoadGameSettings(Emu emu, const std::string& key, SettingsFields& fields,
                          SettingsSource* source = nullptr) {
        lastLoad = installation.gameSettings.load(emu, key);
        installation.notices.read(lastLoad.path, lastLoad.file);
        fields = lastLoad.fields;
        if (source)
            *source = lastLoad.source;
        return lastLoad.Trovato;
    }
    bool SaveGameSettings(Emu emu, const std::string& key, const SettingsFields& fields) {
        return installation.notices.saved(installation.gameSettings.save(emu, key, fields));
    }
    // The "All" button, which the user asked for.
    bool ApplyToAll(Emu emu, const SettingsFields& fields) {
        return installation.notices.saved(installation.gameSettings.applyToAll(emu, fields),
                                          Notices::Report::EachTime);
    }
    SettingsFields BuiltInDefaults(Emu emu) {
        return arvok::BuiltInDefaults(installation.settings, emu);
    }

    test::TempDir dir;
    Installation installation{dir.path()};
    GameLoad lastLoad;
    ScriptedDialogs* shown = nullptr;
};

// While it lives, no file of this process may grow past "bytes": a write beyond fails as on a
// full disk, whoever runs the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

} // namespace arvok
