// The signals that ask the program to end (SIGTERM, SIGINT, SIGHUP), caught so that it can end
// as its Exit does instead of at once.
#pragma once

#include <csignal>

namespace arvok {

inline constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// From now on an ending signal writes a byte to a pipe, whose read end this returns for the
// event loop to watch; -1 when the pipe could not be made or set up (the signals then end the
// program at once). Called once.
int CatchEndingSignals();

// The read end of the pipe (-1 when none): readable once an ending signal has arrived that
// TakeEndingSignals has not taken yet, whichever thread of the program it reached.
int EndingSignalPipe();

// Empties the pipe; true when a signal had arrived.
bool TakeEndingSignals();

} // namespace arvok
