#include "sections/launcher_link.h"

#include "shell/forms.h"

namespace arvok {

int LauncherTop() {
    return Forms::main().twipsTop();
}

int LauncherLeft() {
    return Forms::main().twipsLeft();
}

void HighlightLauncher(Emu emu) {
    Forms::main().highlight(emu);
}

void RestLauncherMenu() {
    Forms::main().restMenuLabels();
}

void SetSectionOpen(Emu emu, bool open) {
    Forms::main().setSectionOpen(emu, open);
}

void SetCurrentSection(Emu emu) {
    Forms::main().setCurrentSectionTag(Section(emu).tag);
}

} // namespace arvok
