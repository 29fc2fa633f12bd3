#include "shell/startup.h"

#include "platform/path.h"

namespace arvok {

bool IsFirstRun(const std::string& dirInst) {
    return ListPresentFiles(ResolveName(dirInst, "Cfg")).empty();
}

void MakeWorkDirectories(const std::string& dirInst) {
    for (const char* name : {"Cfg", "Data", "Anim"})
        MakeDirectory(dirInst, name);
}

} // namespace arvok
