// What tells one state of a file from another without reading it, and the clock the system
// stamps files with.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

// The coarsest step in which the file system could have kept the stamp's times, told by the
// zeros their fractions of a second end in: two seconds when either time has no fraction (a FAT
// stick keeps times in steps of two seconds; a time another program set to a whole second is
// taken as such too), else the largest power of ten a fraction is a whole number of, from a
// nanosecond to a tenth of a second.
FileTime TimeResolution(const FileStamp& stamp);

// Looks at a file; StampOf is the one the program uses, a test may make stamps as a file system
// with coarser times would.
using StampReader = std::optional<FileStamp> (*)(const std::string& path);

// What was read from the last few files, kept while each file stays as it was: a file is read
// again when its size, its inode or its modification or change time differ from those it had
// when it was read. What was read is kept only when the file's times were already older than the
// file system's resolution (TimeResolution) when the reading began: a change within that step
// could not be told from the one before, so until then each use reads the file again. "Contents"
// is made from the path and says by ok() whether the file was read; what could not be read is
// not kept.
template <typename Contents> class KeptFiles {
public:
    explicit KeptFiles(size_t most, StampReader stampOf = StampOf)
        : most_(most), stampOf_(stampOf) {}

    std::shared_ptr<const Contents> get(const std::string& path) {
        std::optional<FileStamp> stamp = stampOf_(path);
        auto at = find(path);
        if (at != files_.end()) {
            if (stamp && *stamp == at->stamp) {
                std::rotate(files_.begin(), at, at + 1);
                return files_.front().contents;
            }
            files_.erase(at);
        }
        const FileTime readFrom = FileClockNow();
        auto contents = std::make_shared<const Contents>(path);
        // Making the contents may ask the user something (a settings file that cannot be read
        // is told of) and so run events that read files again.
        if (contents->ok() && stamp && OlderThanResolution(*stamp, readFrom) &&
            stamp == stampOf_(path)) {
            at = find(path);
            if (at != files_.end())
                files_.erase(at);
            files_.insert(files_.begin(), {path, *stamp, contents});
            if (files_.size() > most_)
                files_.pop_back();
        }
        return contents;
    }

private:
    struct Kept {
        std::string path;
        FileStamp stamp;
        std::shared_ptr<const Contents> contents;
    };
    typename std::vector<Kept>::iterator find(const std::string& path) {
        return std::find_if(files_.begin(), files_.end(),
                            [&path](const Kept& file) { return file.path == path; });
    }
    static bool OlderThanResolution(const FileStamp& stamp, FileTime now) {
        const FileTime step = TimeResolution(stamp);
        const FileTime& latest = stamp.modified < stamp.changed ? stamp.changed : stamp.modified;
        FileTime settled{latest.seconds + step.seconds, latest.nanoseconds + step.nanoseconds};
        if (settled.nanoseconds >= 1000000000) {
            settled.seconds += 1;
            settled.nanoseconds -= 1000000000;
        }
        return !(now < settled);
    }

    size_t most_;
    StampReader stampOf_;
    std::vector<Kept> files_; // the one used last first
};

} // namespace arvok
