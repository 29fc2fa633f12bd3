// What tells one state of a file from another without reading it, and the clock the system
// stamps files with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace arvok {

struct FileTime {
    int64_t seconds = 0;
    int64_t nanoseconds = 0;
    bool operator==(const FileTime& other) const {
        return seconds == other.seconds && nanoseconds == other.nanoseconds;
    }
    bool operator<(const FileTime& other) const {
        return seconds != other.seconds ? seconds < other.seconds : nanoseconds < other.nanoseconds;
    }
};

struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    FileTime modified;
    FileTime changed;
    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modified == other.modified && changed == other.changed;
    }
};

// The stamp of the file at "path"; nothing when it cannot be looked at.
std::optional<FileStamp> StampOf(const std::string& path);

// The time now by the clock files are stamped with: it advances in ticks of a few milliseconds.
FileTime FileClockNow();

} // namespace arvok
