#include "platform/standard_error.h"

#include <unistd.h>

namespace arvok {

void WriteToStandardError(const std::string& text) {
    ssize_t written = write(STDERR_FILENO, text.data(), text.size());
    (void)written;
}

} // namespace arvok
