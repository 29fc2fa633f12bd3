#include "shell/section_hooks.h"

#include "core/texts.h"
#include "platform/dialogs.h"
#include "platform/path.h"
#include "shell/installation.h"

namespace arvok {

SectionHooks DefaultHooks(Installation& installation) {
    SectionHooks hooks;
    hooks.open = [&installation](Emu emu) {
        if (!IsPresentFile(installation.data.dataFilePath(emu)))
            dialogs().message(texts::testoNoDataFile, MsgStyle::Warning);
    };
    hooks.place = [](Emu, int, int, int, int) {};
    hooks.saveForQuit = [](Emu) {};
    hooks.restClearFavourites = [] {};
    hooks.showLayoutManager = [] {};
    return hooks;
}

} // namespace arvok
