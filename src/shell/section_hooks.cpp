#include "shell/section_hooks.h"

#include "catalogue/data_file.h"
#include "core/texts.h"
#include "platform/dialogs.h"
#include "platform/path.h"

namespace arvok {

SectionHooks DefaultHooks() {
    SectionHooks hooks;
    hooks.open = [](Emu emu) {
        if (!IsPresentFile(DataFilePath(emu)))
            dialogs().message(texts::testoNoDataFile, MsgStyle::Warning);
    };
    hooks.place = [](Emu, int, int, int, int) {};
    hooks.saveForQuit = [](Emu) {};
    hooks.restClearFavourites = [] {};
    hooks.showLayoutManager = [] {};
    return hooks;
}

SectionHooks& Hooks() {
    static SectionHooks hooks = DefaultHooks();
    return hooks;
}

} // namespace arvok
