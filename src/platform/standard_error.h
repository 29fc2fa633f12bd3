// The program's words on standard error, for a terminal or a log that may be there or not.
#pragma once

#include <string>

namespace arvok {

// Writes "text" to standard error.
void WriteToStandardError(const std::string& text);

} // namespace arvok
