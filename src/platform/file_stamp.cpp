#include "platform/file_stamp.h"

#include <sys/stat.h>

#include <algorithm>
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

FileTime TimeResolution(const FileStamp& stamp) {
    FileTime coarsest{0, 1};
    for (const FileTime& time : {stamp.modified, stamp.changed}) {
        if (time.nanoseconds == 0)
            return {2, 0};
        int64_t step = 1;
        while (step < 100000000 && time.nanoseconds % (step * 10) == 0)
            step *= 10;
        coarsest.nanoseconds = std::max(coarsest.nanoseconds, step);
    }
    return coarsest;
}

} // namespace arvok
