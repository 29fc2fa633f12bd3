// What the two settings files share: the item rule of their lines, decimal values, and how a
// file that could not be read or saved is handled.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
// cannot be read, or that holds lines but is not "recognised", is Unreadable: the user is told
// once which file could not be read, and the file is not saved over until it has been read
// again.
FileState ReadSettingsFile(const std::string& path, std::vector<std::string>& lines,
                           Recognised recognised = nullptr);
// The bytes of a settings file, read and told of as ReadSettingsFile reads and tells of a file
// without recognising it.
FileState ReadSettingsBytes(const std::string& path, std::string& bytes);
// Tells the user that the file "path", which is there, could not be read; once, until
// ReadSettingsFile has read it again.
void ReportUnreadable(const std::string& path);

// Writes "bytes" over "path" through a temporary file. A settings file that exists but cannot
// be read is not written (the user hears of it once, from ReadSettingsFile); on any other
// failure the old file stays and the user is told which file could not be saved, once, until a
// save of that file succeeds (settings are saved on every change of game, so a read-only
// installation would otherwise bring one message per click). A save the user asked for by a
// button is reported at each failure (EachTime), a file that could not be read included. False
// when nothing was written.
enum class Report { OncePerFile, EachTime };
bool SaveFile(const std::string& path, const std::string& bytes,
              Report report = Report::OncePerFile, Recognised recognised = nullptr);
// As SaveFile, with the bytes that "compose" makes from the lines of the old file (none when it
// is missing), so that a save can keep what it does not write itself.
using Compose = std::function<std::string(const std::vector<std::string>& old)>;
bool SaveFile(const std::string& path, const Compose& compose, Report report,
              Recognised recognised);
// SaveFile for a file that has just been read (ReadSettingsBytes) and was not Unreadable: it is
// not read again first, but one found unreadable before is still not written.
bool SaveReadFile(const std::string& path, const std::string& bytes,
                  Report report = Report::OncePerFile);
// Tells the user that "what" ("The ROM folder") "value" cannot be kept in the settings file, for
// it holds "why" ("a line break"), and what became of it ("The settings were not saved.").
void TellCannotKeep(const std::string& what, const std::string& value, const char* why,
                    const char* outcome);
// Whether "value" can be kept on one line of a settings file; when it holds a line break (a CR
// or an LF), the user is told so (TellCannotKeep).
bool FitsOneLine(const std::string& what, const std::string& value, const char* outcome);

// Tells the user that "path" could not be saved; for a save the user asked for by a button,
// which hears of each failure.
void ReportSaveFailure(const std::string& path);

} // namespace arvok::settings_io
