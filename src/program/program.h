// The program as a whole: its windows wired to one another and to the user's real message boxes.
#pragma once

#include <string>

namespace arvok {

// Runs the program in the installation folder "dirInst" on the application object that exists:
// the message boxes and pickers on screen, the one run per installation, the launcher with the
// section windows and the layout manager behind it, the ending signals and the loss of the display;
// returns its exit status once the launcher has quit, 1 when the program already runs there.
int RunProgram(const std::string& dirInst);

} // namespace arvok
