// The signals that ask the program to end (SIGTERM, SIGINT, SIGHUP), caught so that it can end
// as its Exit does instead of at once.
#pragma once

#include <csignal>

namespace arvok {

inline constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// From now on the first ending signal makes the program one that is ending and writes a byte to
// a pipe, whose read end this returns for the event loop to watch; a second one ends the program
// at once, as if it had not been caught, and kills the group EndWithProgram names. -1 when the
// pipe could not be made or set up (the signals then end the program at once). SIGPIPE is
// ignored from now on. Called once.
int CatchEndingSignals();

// The process group that a second ending signal kills with the program: the emulator's, while it
// runs; 0 for none.
void EndWithProgram(int group);

// Makes the program one that is ending, as the first ending signal does, when it ends for another
// reason (its display went away).
void BeginEnding();

// Whether an ending signal has arrived, whichever thread of the program it reached: the program
// is ending, and asks nothing of the user nor starts anything any more.
bool Ending();

// The read end of the pipe (-1 when none): readable once an ending signal has arrived that
// TakeEndingSignals has not taken yet.
int EndingSignalPipe();

// Empties the pipe; true when a signal had arrived.
bool TakeEndingSignals();

} // namespace arvok
