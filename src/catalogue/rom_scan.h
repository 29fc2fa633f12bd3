// The ROM scan: for every game of a section's data file, whether the user owns its ROM set as
// "<zip>.zip" in the ROM folders, written to the scan file "<Base>.scn" in Cfg. Each line is
// a double quote, the game name, ";", "Y" or "N", a double quote, CR LF, in data-file order.
#pragma once

#include <cstddef>
#include <string>

#include "core/section.h"

namespace arvok {

struct ScanRequest {
    std::string romPath;    // the configuration page's ROM folder
    std::string altRomPath; // MAME: the alternative ROM folder, searched second
    bool merged = false;    // MAME: clones are stored in their parent's zip
};

struct ScanResult {
    bool written = false;            // the scan file was written whole
    size_t found = 0;                // games whose zip was found
    bool dataFileUnreadable = false; // nothing was scanned: the data file could not be read
    std::string notWritten;          // the scan file, when it could not be written
};

class DataFiles;

// Scans and rewrites the scan file; nothing is written when the data file cannot be read or the
// scan file cannot be written (the old scan file then stays as it was). Each folder is listed
// once; zip names
// match without regard to case, only present files count, and an empty folder setting is not
// searched. In merged mode an original, and any record whose parent is kNeoGeoSet, is tested with
// its own zip, another clone with its parent's, and any other record gets no line.
ScanResult ScanRoms(DataFiles& files, Emu emu, const ScanRequest& request);

// The scan file of a section: DirInst/Cfg/<Base>.scn, names matched without regard to case.
std::string ScanFilePath(const DataFiles& files, Emu emu);

} // namespace arvok
