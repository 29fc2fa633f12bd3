// The signals that ask the program to end (SIGTERM, SIGINT, SIGHUP), caught so that it can end
// as its Exit does instead of at once.
#pragma once

namespace arvok {

// From now on an ending signal writes a byte to a pipe, whose read end this returns for the
// event loop to watch; -1 when the pipe could not be made or set up (the signals then end the
// program at once). Called once.
int CatchEndingSignals();

// Waits at most "milliseconds" for an ending signal; true, at once, when one has arrived that
// TakeEndingSignals has not taken yet, whichever thread of the program it reached.
bool AwaitEndingSignal(int milliseconds);

// Empties the pipe; true when a signal had arrived.
bool TakeEndingSignals();

} // namespace arvok
