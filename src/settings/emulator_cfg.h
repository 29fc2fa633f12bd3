// The settings file of an emulator section, DirInst/Cfg/<Base>.cfg: the emulator's paths, the
// snapshot options, the favourites-list layout and the favourites. Written whole on every save:
//
//   ;-----------------------------------------------------
//   ; Arvok - <home page>
//   ; Configuration File for Mame - Please do not modify
//   ;-----------------------------------------------------
//
//   [Paths]
//   ExePath=...   EmuDir=...   RomPath=...   AltRomPath=... (MAME only)
//
//   [SnapShots]
//   SnapPath=...   SnapFormat=GIF|JPG|BMP|   NoSlideShow=0|1   ShowCounter=0|1   SlideDelay=2
//
//   [Gui]
//   FavSize=up|down
//
//   [Favorties]
//   "one favourite a line, the last of the list first"
//
// each key=value on a line of its own, every line ending CR LF. A favourite's line reads back as
// the name between its quotes, whatever quotes and commas the name holds. Sections of other
// headers, which a user or another program wrote there, follow the program's own and are kept;
// so are the lines above the first header (a user's notes, the title as it stands), in place.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/section.h"
#include "settings/settings_io.h"

namespace arvok {

// The slide-show delays of the delay combo's items, in milliseconds (cboSlideShowTimer).
inline constexpr std::array<int, 8> kSlideDelaysMs{500, 1000, 1500, 2000, 2500, 3000, 4000, 5000};
// The item that a settings file naming none chooses; its delay is a window's until one is chosen.
inline constexpr int kDefaultSlideDelayIndex = 2;
inline constexpr int kDefaultSlideDelayMs = kSlideDelaysMs[kDefaultSlideDelayIndex];

struct EmulatorCfgLayout {
    Emu emu;
    const char* fileName;    // "Mame.cfg"
    const char* nameInTitle; // the emulator as the file's third line names it ("M-72")
};

const EmulatorCfgLayout& EmulatorCfgLayoutOf(Emu emu);

// The values of a settings file, each at its default until read. The window applies them to
// its configuration page and favourites list.
struct EmulatorCfg {
    bool read = false;      // the file could be read
    std::string exePath;    // txtOpt<Emu>ExePath
    std::string emuDir;     // lblOpt<Emu>Hide
    std::string romPath;    // txtOpt<Emu>RomPath, also the section's RomDir
    std::string altRomPath; // txtOptMameRomPathAlt
    std::string snapPath;   // txtOpt<Emu>Snap, also DirSnap<Emu>
    // "GIF", "JPG" or "BMP"; empty: the writer found no format chosen, the reader read none of
    // the three (the window then leaves its format options as they are).
    std::string snapFormat;
    bool noSlide = false;                          // chk<Emu>NoSlide
    bool showCounter = false;                      // chk<Emu>ShowCounter
    int slideDelayIndex = kDefaultSlideDelayIndex; // cboSlideShowTimer, -1 for no item
    std::string favSize = "up";
    // lst<Emu>Pref. To the writer: the items in list order. From the reader: the items in file
    // order, the order in which they are added to the list; nothing when the file or its
    // favourites section is missing (the list then keeps its items).
    std::optional<std::vector<std::string>> favourites;
    // What the load found of the file.
    settings_io::FileState file = settings_io::FileState::Missing;
};

// Milliseconds of a slide-show delay index 0..7 (500 to 5000 ms); nothing for any other index
// (-1: no item chosen, the delay stays as it was).
std::optional<int> SlideDelayMs(int index);

// DirInst/Cfg/<Base>.cfg, names matched without regard to case.
std::string EmulatorCfgPath(const SettingsFiles& files, Emu emu);

// The file's bytes for "cfg".
std::string EncodeEmulatorCfg(Emu emu, const EmulatorCfg& cfg);
// The values of the file's lines. A section is found by its header, whatever its case and the
// blanks around it, and runs to the next header of any name; a value is found by its place under
// its header, the key in front of it not looked at, and is the rest of its line after the first
// "=" (commas included). A missing section or value, or a bad one (a flag other than 0 or 1, a
// delay index outside -1..7), keeps its default and the other values are read all the same.
EmulatorCfg DecodeEmulatorCfg(Emu emu, const std::vector<std::string>& lines);

// The paths the file stores, each kept on a line of its own.
enum class StoredPath { Program, EmulatorFolder, RomFolder, AltRomFolder, SnapFolder };
// Why "value" cannot be stored as the path "which" and read back as it was (it holds a line
// break or a NUL); nothing when it can.
std::optional<settings_io::CannotKeep> PathProblem(StoredPath which, const std::string& value);

// Reads the section's settings file; when it could be read, the section's RomDir becomes its
// ROM path. A file that exists but cannot be read gives the defaults, and the file is not saved
// over.
EmulatorCfg LoadEmulatorCfg(SettingsFiles& files, Emu emu);
// Sets the section's RomDir to cfg.romPath and rewrites the file through a temporary file, the
// lines of the old file above its first header kept above the program's own sections (the
// program's title where there are none) and the sections whose headers are not the program's own
// after them, as they stood; a file that could not be read is left alone, and so is the file when
// a value cannot be stored so that it reads back as it was (a path, the list's size or a
// favourite holding a line break or a NUL); on any other failure the old file stays.
settings_io::SettingsSave SaveEmulatorCfg(SettingsFiles& files, Emu emu, const EmulatorCfg& cfg);

} // namespace arvok
