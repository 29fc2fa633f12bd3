// The windows of the shell, each created on first use and kept for the rest of the run.
#pragma once

#include "shell/launcher.h"

namespace arvok::Forms {

// frmMain; its start-up runs when it is first reached, and it lives until the program quits.
LauncherWindow& main();

} // namespace arvok::Forms
