// The program as one running instance: one per installation, and ended by a signal as by "Exit".
#pragma once

#include <string>

namespace arvok {

// Whether this start goes on: false, once the user has been told, when the program already runs
// in the installation "dirInst"; nothing is written then. The lock is the system's lock on a
// hidden file there, held until the program ends, however it ends (a crash or a power cut
// included), whatever the file holds. Where no lock can be had (a read-only installation, a file
// system without locks, anything but a plain file at that name) the program still starts.
bool ClaimInstallation(const std::string& dirInst);

// From now on SIGTERM, SIGINT and SIGHUP end the program as "Exit" does, without asking or
// showing anything (what would be shown goes to standard error): an emulator that runs is ended
// and waited for, and the launch cleans up after it as after every run, one that has not started
// yet is not started; then, back in the event loop, the launcher saves every open window and
// quits. A second such signal meanwhile ends the program at once. The toolkit's words on standard
// error go there as the program's own do (WriteToStandardError), never holding an ending.
void QuitOnEndingSignals();

// From now on, when the display connection is lost, the program ends as on an ending signal: it
// says so on standard error, saves every open section without asking (what would be shown goes
// to standard error) and exits with status 1, destroying nothing, the windows included. The
// toolkit ends the program by calling exit() from inside its event loop then. Called once, from
// the thread of the windows.
void EndWhenTheDisplayIsLost();

} // namespace arvok
