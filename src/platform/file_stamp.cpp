#include "platform/file_stamp.h"

#include <sys/stat.h>

#include <ctime>

namespace arvok {

namespace {

FileTime TimeOf(const timespec& time) {
    return {static_cast<int64_t>(time.tv_sec), static_cast<int64_t>(time.tv_nsec)};
}

} // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileStamp{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                     static_cast<int64_t>(info.st_size), TimeOf(info.st_mtim),
                     TimeOf(info.st_ctim)};
}

FileTime FileClockNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return TimeOf(now);
}

} // namespace arvok
