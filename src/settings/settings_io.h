// What the two settings files share: the item rule of their lines, decimal values, and the
// report of a file that could not be saved.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace arvok::settings_io {

// Splits a line into items. An item ends at a comma; blanks before an item are skipped. An item
// that begins with a double quote runs to its closing quote, the first one followed by nothing
// but blanks up to a comma or the end of the line, so it may hold commas and quotes; the quotes
// are not part of it. Without a closing quote it runs to the end of the line.
std::vector<std::string> SplitItems(std::string_view line);

// An optional "-" and one to nine digits; anything else gives nothing.
std::optional<int> ParseNumber(std::string_view text);

// True when anything, file or directory, stands at "path".
bool Exists(const std::string& path);

// Writes "bytes" over "path" through a temporary file; on failure the old file stays, the user
// is told which file could not be saved, and false is returned.
bool SaveFile(const std::string& path, const std::string& bytes);
// Tells the user that "path" could not be saved.
void ReportSaveFailure(const std::string& path);

} // namespace arvok::settings_io
