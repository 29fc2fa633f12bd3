#include "core/shared_state.h"

#include "platform/path.h"

namespace arvok {

SharedState& Shared() {
    static SharedState state;
    return state;
}

std::string InstallPath(std::string_view a, std::string_view b) {
    return ResolvePath(Shared().DirInst, {a, b});
}

} // namespace arvok
