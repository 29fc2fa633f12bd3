#include "platform/clock.h"

namespace arvok {

namespace {
std::function<std::tm()>& override() {
    static std::function<std::tm()> clock;
    return clock;
}
} // namespace

std::tm LocalNow() {
    if (override())
        return override()();
    std::time_t now = std::time(nullptr);
    std::tm out{};
    localtime_r(&now, &out);
    return out;
}

void SetClock(std::function<std::tm()> clock) {
    override() = std::move(clock);
}

} // namespace arvok
