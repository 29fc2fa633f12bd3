// The program's windows and what they share, owned by one object that main makes (and each
// window test) and destroyed when it returns, while the display is still there: the launcher,
// created and loaded on first use, the section windows, the layout manager, and the hooks through
// which the launcher reaches the windows of the layers above it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

#include "settings/layout_files.h"
#include "shell/installation.h"
#include "shell/launcher.h"
#include "shell/section_hooks.h"

namespace arvok {

class Forms {
public:
    explicit Forms(Installation& installation);
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // The Forms that exist; there is one at a time.
    static Forms& current();
    // Whether one exists: from its making in main until main returns.
    static bool exists();
    // frmMain; its start-up runs when it is first reached.
    static LauncherWindow& main();

    Installation& installation;
    SectionHooks hooks;
    // Each section's window while it exists, the popup menus' window, and the layout manager
    // while it is shown.
    PerSection<QPointer<QWidget>> sectionWindows;
    QPointer<QWidget> menu;
    QPointer<QWidget> layoutManager;
    // The manager's options set while arvok.ini, at "path", could not be read: they last for
    // the run instead.
    struct RunOptions {
        std::string path;
        LayoutOptionsRead options;
    };
    std::optional<RunOptions> layoutOptionsOfTheRun;

private:
    std::unique_ptr<LauncherWindow> launcher_;
    static Forms* current_;
};

} // namespace arvok
