// The program's words on standard error, for a terminal or a log that may be there or not.
#pragma once

#include <string>

namespace arvok {

// Writes "text" to standard error as far as it goes at once: a pipe nobody reads any more, or one
// full, never ends nor holds the program (SIGPIPE is ignored from CatchEndingSignals on), and
// what does not go is given up.
void WriteToStandardError(const std::string& text);

} // namespace arvok
