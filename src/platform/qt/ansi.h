// Windows-1252 bytes, and paths in the file system's bytes, to and from the text the widgets show.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace arvok {

QString FromAnsi(std::string_view bytes);
// Characters outside Windows-1252 become "?".
std::string ToAnsi(const QString& text);
// Whether every character of "text" is one of Windows-1252.
bool IsAnsi(const QString& text);

// Paths are the file system's bytes: the path fields and the pickers show and read them in the
// file system's encoding, never as Windows-1252. A byte of a name that is no part of UTF-8 (a
// folder named on another system) is shown as a sign of its own and read back as that byte.
QString FromPath(const std::string& bytes);
std::string ToPath(const QString& text);

} // namespace arvok
