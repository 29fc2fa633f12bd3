// The wall clock, replaceable by tests.
#pragma once

#include <ctime>
#include <functional>

namespace arvok {

// Local broken-down time now.
std::tm LocalNow();
// Replaces the clock; an empty function restores the real one.
void SetClock(std::function<std::tm()> clock);

} // namespace arvok
