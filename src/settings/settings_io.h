// What the settings files share: the item rule of their lines, decimal values, and what a read
// or a save of one found.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/section.h"

namespace arvok::settings_io {

// Splits a line into items. An item ends at a comma; blanks before an item are skipped. An item
// that begins with a double quote runs to its closing quote, the first one followed by nothing
// but blanks up to a comma or the end of the line, so it may hold commas and quotes; the quotes
// are not part of it. Without a closing quote it runs to the end of the line. At most "most"
// items are taken; the rest of the line is not read.
std::vector<std::string> SplitItems(std::string_view line, size_t most = std::string_view::npos);

// An optional "-" and one to "mostDigits" digits, of a value that fits an int; anything else
// gives nothing.
std::optional<int> ParseNumber(std::string_view text, size_t mostDigits = 9);

enum class FileState { Read, Missing, Unreadable };

// Whether the lines of a file that holds some are a settings file of its kind (it holds one of
// its section headers); nothing for a kind that has none.
using Recognised = bool (*)(const std::vector<std::string>& lines);

// The lines of a settings file. A file that is not there is Missing. One that is there but
// cannot be read, or that holds lines but is not "recognised", is Unreadable (and gives no
// lines).
FileState ReadSettingsLines(const std::string& path, std::vector<std::string>& lines,
                            Recognised recognised = nullptr);

// A value that a settings file cannot keep so that it reads back as it was: "what" ("The ROM
// folder") "value" holds "holds" ("a line break").
struct CannotKeep {
    std::string what;
    std::string value;
    const char* holds;
};
// Whether "value" can be kept on one line of a settings file so that it reads back as it was:
// not when it holds a line break (a CR or an LF) or a NUL (WhatBreaksLine).
std::optional<CannotKeep> OneLineProblem(const std::string& what, const std::string& value);

// Why a save of a settings file wrote nothing.
enum class SaveStop {
    None,            // saved, or left as it was since it held the same already
    CannotKeep,      // a value the file cannot keep ("refused")
    FoundUnreadable, // the old file, read for the save, could not be read
    KnownUnreadable, // the old file could not be read when it was last read
    WriteFailed,     // the write failed ("why")
    NoGame,          // there is no game to save the settings of
};

struct SettingsSave {
    std::string path;
    SaveStop stop = SaveStop::None;
    std::string why;
    std::optional<CannotKeep> refused;
    bool saved() const { return stop == SaveStop::None; }
};

} // namespace arvok::settings_io

namespace arvok {

// The settings files of an installation: where they lie, each section's ROM folder as it stands
// (<Emu>RomDir: as its settings file was last read or saved, or as the configuration page changed
// it since), and which files could not be read. A file
// that exists but could not be read is not saved over until it has been read again.
class SettingsFiles {
public:
    explicit SettingsFiles(std::string dirInst) : dirInst_(std::move(dirInst)) {}
    SettingsFiles(const SettingsFiles&) = delete;
    SettingsFiles& operator=(const SettingsFiles&) = delete;

    const std::string& dirInst() const { return dirInst_; }
    // DirInst joined with the given components, each looked up without regard to case
    // (path("Cfg", "Mame.cfg")).
    std::string path(std::string_view a, std::string_view b) const;

    PerSection<std::string> RomDir;

    // ReadSettingsLines, noting what was found.
    settings_io::FileState read(const std::string& path, std::vector<std::string>& lines,
                                settings_io::Recognised recognised = nullptr);
    // The bytes of a settings file, read as ReadSettingsLines reads one without recognising it,
    // noting what was found.
    settings_io::FileState readBytes(const std::string& path, std::string& bytes);
    // Notes that a read of "path" found the file in "state".
    void note(const std::string& path, settings_io::FileState state);

    // Writes "bytes" over "path" through a temporary file, unless the file exists but cannot be
    // read (it is read first unless it is known to be so).
    settings_io::SettingsSave save(const std::string& path, const std::string& bytes,
                                   settings_io::Recognised recognised = nullptr);
    // As save, with the bytes that "compose" makes from the lines of the old file (none when it
    // is missing), so that a save can keep what it does not write itself.
    using Compose = std::function<std::string(const std::vector<std::string>& old)>;
    settings_io::SettingsSave save(const std::string& path, const Compose& compose,
                                   settings_io::Recognised recognised);
    // Save for a file that has just been read (readBytes) and was not Unreadable: it is not read
    // again first, but one found unreadable before is still not written. The new file is
    // "pieces" one after another.
    settings_io::SettingsSave saveRead(const std::string& path,
                                       const std::vector<std::string_view>& pieces);

private:
    std::string dirInst_;
    std::set<std::string> unreadable_;
};

} // namespace arvok
