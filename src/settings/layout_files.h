// The two files of the layout manager, both in the installation directory: layouts.dat, the
// named window layouts, and arvok.ini, the manager's options. Start-up and the manager read and
// write them only through what is declared here.
//
// layouts.dat holds its layouts in the order they were added. A layout is its header line
// "[name]", the launcher's line "MAIN,top,left", one line "TAG,top,left,width,height" for each
// section window that was open when it was saved (in section order), and "-". A layout added but
// never saved is its header and "-" alone. Positions and sizes are twips.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/section.h"
#include "platform/text_file.h"
#include "settings/settings_io.h"

namespace arvok {

// layouts.dat and arvok.ini in "dirInst".
std::string LayoutsDatPath(const std::string& dirInst);
std::string ArvokIniPath(const std::string& dirInst);

// One line of a layout: the launcher's position, or a section window's position and size.
struct Placement {
    std::optional<Emu> section; // empty for the launcher ("MAIN")
    int top = 0, left = 0, width = 0, height = 0;
};

enum class LayoutStop {
    Complete,      // the closing "-" line was reached
    NextLayout,    // a "[" line came before any "-"
    EndOfFile,     // the file's last line was reached before any "-"; it is not applied
    BadLine,       // a line lacks a field or holds a number that is not a 32-bit whole number
    NotFound,      // layouts.dat is missing or holds no layout of that name
    Unreadable,    // layouts.dat is there but cannot be read
    AutoloadOff,   // arvok.ini is missing or cannot be read, or its autoload flag is not "1"
    NoDefaultName, // there is no default layout name
};

// A window line as the layout manager lists it: its tag, known to the program or not, and size.
struct WindowLine {
    std::string tag;
    int width = 0, height = 0;
};

struct LayoutRead {
    std::vector<Placement> placements; // in file order; lines of unknown tags are left out
    LayoutStop stop = LayoutStop::NotFound;
    std::vector<WindowLine> windows = {}; // every line but the launcher's, in file order
    // What was found of arvok.ini when autoload is off.
    settings_io::FileState optionsFile = settings_io::FileState::Missing;
};

// The placements of the layout named "name" (matched against "[name]" exactly), up to where the
// reading stopped.
LayoutRead ReadLayout(const std::string& layoutsPath, const std::string& name);

// The names of the layouts among the lines of layouts.dat, in file order: every line beginning
// with "[", without its first and last character.
std::vector<std::string> LayoutNames(const std::vector<std::string>& lines);

// "Small", "Medium" or "Large" for the three window sizes the sections offer, else empty.
std::string SizeClassName(int width, int height);

// The changes the layout manager makes to layouts.dat. Each reads the file whole, changes only
// the named layout's lines and writes the file anew through layouts.tmp, which replaces it only
// once completely written. Not saved when that failed (the old file is then kept, and so is a
// file that exists but could not be read), nor when the name to be stored cannot be kept as one
// header line (IsStorableLayoutName).
//
// Adds an empty layout at the end; a missing file is created.
SaveResult AppendLayout(const std::string& layoutsPath, const std::string& name);
// Writes the layout in the place of the old one of that name, or at the end when there is none;
// "placements" start with the launcher.
SaveResult StoreLayout(const std::string& layoutsPath, const std::string& name,
                       const std::vector<Placement>& placements);
// Drops the layout's lines, from its header up to the next header or the end of the file.
SaveResult RemoveLayout(const std::string& layoutsPath, const std::string& name);
// Changes the layout's header line only; the layout keeps its place.
SaveResult RenameLayout(const std::string& layoutsPath, const std::string& oldName,
                        const std::string& newName);

// Whether "name" can be stored as one header line that reads back as it was: it holds no line
// break and no NUL.
bool IsStorableLayoutName(std::string_view name);

// arvok.ini: the manager's three options.
struct LayoutOptions {
    bool alwaysOnTop = false;
    bool autoload = false;
    std::string defaultLayout; // empty for none
};

// What arvok.ini holds, each key as far as it was found (each is looked up from the file's
// start: the first line whose text up to and including its first "=" is the key). A flag is
// set when its line ends in "1"; the name is what follows "DefaultLayout = ". A file that is
// there but cannot be read holds no key, and it is never to be written over.
struct LayoutOptionsRead {
    std::optional<bool> alwaysOnTop;
    std::optional<bool> autoload;
    std::optional<std::string> defaultLayout;
    settings_io::FileState file = settings_io::FileState::Missing;
};
LayoutOptionsRead ReadLayoutOptions(const std::string& iniPath);

// The fourteen lines of arvok.ini for "options", CR LF after each.
std::string LayoutOptionsText(const LayoutOptions& options);
// Writes arvok.ini whole through a temporary file; on failure the old file is kept, and so it is
// when the default layout's name cannot be stored (IsStorableLayoutName).
SaveResult WriteLayoutOptions(const std::string& iniPath, const LayoutOptions& options);

// The default layout that start-up applies from the files in "dirInst": nothing unless the
// autoload flag of arvok.ini is on and a default layout is named.
LayoutRead ReadStartupLayout(const std::string& dirInst);

} // namespace arvok
