// What tells one state of a file from another without reading it, and the clock the system
// stamps files with.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
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

// What was read from the last few files, kept while each file stays as it was: a file is read
// again when its size, its inode or its modification or change time differ from those it had
// when it was read, or when it changed within the clock tick of that reading (a second change in
// that tick could not be told from the first). "Contents" is made from the path and says by ok()
// whether the file was read; what could not be read is not kept.
template <typename Contents> class KeptFiles {
public:
    explicit KeptFiles(size_t most) : most_(most) {}

    // The contents are made with no lock held, since making them may ask the user something
    // (a settings file that cannot be read is told of) and so run events that read files again.
    std::shared_ptr<const Contents> get(const std::string& path) {
        std::optional<FileStamp> stamp = StampOf(path);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            auto at = find(path);
            if (at != files_.end()) {
                if (stamp && *stamp == at->stamp) {
                    std::rotate(files_.begin(), at, at + 1);
                    return files_.front().contents;
                }
                files_.erase(at);
            }
        }
        FileTime readFrom = FileClockNow();
        auto contents = std::make_shared<const Contents>(path);
        // Kept only when it is known that the file has not changed since the stamp was taken,
        // and that any later change will show in the stamp.
        if (contents->ok() && stamp && stamp->changed < readFrom && stamp == StampOf(path)) {
            std::lock_guard<std::mutex> lock(mutex_);
            auto at = find(path);
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

    size_t most_;
    std::mutex mutex_;
    std::vector<Kept> files_; // the one used last first
};

} // namespace arvok
