// Windows-1252 bytes to and from the text the widgets show.
#pragma once

#include <QString>
#include <string>

namespace arvok {

QString FromAnsi(const std::string& bytes);
// Characters outside Windows-1252 become "?".
std::string ToAnsi(const QString& text);
// Whether every character of "text" is one of Windows-1252.
bool IsAnsi(const QString& text);

} // namespace arvok
