// A fresh installation directory with an empty Cfg folder, the shared state reset and scripted
// message boxes, for the settings tests; and a game's settings built slot by slot.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "core/section.h"
#include "core/shared_state.h"
#include "platform/dialogs.h"
#include "settings/game_settings.h"
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
        Shared() = SharedState{};
        Shared().DirInst = dir.path();
        for (Emu emu : kAllEmus)
            ForgetLoadedGameKey(emu);
        shown = &InstallScriptedDialogs();
    }

    test::TempDir dir;
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
