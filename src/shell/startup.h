// The file-system side of start-up: greeting a first run and the work directories.
#pragma once

#include <string>

namespace arvok {

// A first run is one whose Cfg directory (in any letter case) holds no file, also when it does
// not exist.
bool IsFirstRun(const std::string& dirInst);

// Creates "Cfg", "Data" and "Anim" under dirInst, in this order; a directory that exists in any
// letter case is left alone and one that cannot be made is passed over.
void MakeWorkDirectories(const std::string& dirInst);

} // namespace arvok
