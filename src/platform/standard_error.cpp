#include "platform/standard_error.h"

#include <algorithm>
#include <climits>
#include <poll.h>
#include <unistd.h>

namespace arvok {

void WriteToStandardError(const std::string& text) {
    // A pipe that takes anything more takes a piece of up to PIPE_BUF bytes whole, at once.
    for (size_t done = 0; done < text.size();) {
        pollfd out{STDERR_FILENO, POLLOUT, 0};
        if (poll(&out, 1, 0) != 1 || (out.revents & POLLOUT) == 0)
            return;
        const ssize_t written = write(STDERR_FILENO, text.data() + done,
                                      std::min<size_t>(text.size() - done, PIPE_BUF));
        if (written <= 0)
            return;
        done += static_cast<size_t>(written);
    }
}

} // namespace arvok
