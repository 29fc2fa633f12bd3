// Reading the layout files as start-up applies the default layout: the key lines of arvok.ini
// and one named layout of layouts.dat, turned into the placements to apply in file order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/section.h"

namespace arvok {

inline constexpr std::string_view kAutoloadKey = "AutoloadOnStartup =";
inline constexpr std::string_view kDefaultLayoutKey = "DefaultLayout =";

// The first line of arvok.ini whose text up to and including its first "=" is "key" (exact,
// the blank before "=" included); nothing when the file cannot be read or has no such line.
std::optional<std::string> FindIniLine(const std::string& iniPath, std::string_view key);

// One line of a layout: the launcher's position, or a section window's position and size, in
// twips.
struct Placement {
    std::optional<Emu> section; // empty for the launcher ("MAIN")
    int top = 0, left = 0, width = 0, height = 0;
};

enum class LayoutStop {
    Complete,      // the closing "-" line was reached
    NextLayout,    // a "[" line came before any "-"
    EndOfFile,     // the file's last line was reached before any "-"; it is not applied
    BadLine,       // a line lacks a field or holds a number that is not a 32-bit whole number
    NotFound,      // layouts.dat cannot be read or holds no layout of that name
    AutoloadOff,   // arvok.ini is missing or its autoload flag is not "1"
    NoDefaultName, // there is no default layout name
};

struct LayoutRead {
    std::vector<Placement> placements; // in file order; lines of unknown tags are left out
    LayoutStop stop = LayoutStop::NotFound;
};

// The placements of the layout named "name" (matched against "[name]" exactly), up to where the
// reading stopped.
LayoutRead ReadLayout(const std::string& layoutsPath, const std::string& name);

// The default layout that start-up applies from the files in "dirInst": nothing unless the
// autoload flag of arvok.ini is on and a default layout is named.
LayoutRead ReadStartupLayout(const std::string& dirInst);

} // namespace arvok
