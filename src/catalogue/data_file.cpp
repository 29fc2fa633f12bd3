#include "catalogue/data_file.h"

#include <algorithm>
#include <mutex>

#include "core/shared_state.h"
#include "platform/file_stamp.h"
#include "platform/text_file.h"

namespace arvok {

namespace {

struct KeptFile {
    std::string path;
    FileStamp stamp;
    std::shared_ptr<const RecordLines> records;
};

// The kept files, the one used last first.
class KeptFiles {
public:
    std::shared_ptr<const RecordLines> records(const std::string& path) {
        std::lock_guard<std::mutex> lock(mutex_);
        auto at = std::find_if(files_.begin(), files_.end(),
                               [&path](const KeptFile& file) { return file.path == path; });
        std::optional<FileStamp> stamp = StampOf(path);
        if (at != files_.end()) {
            if (stamp && *stamp == at->stamp) {
                std::rotate(files_.begin(), at, at + 1);
                return files_.front().records;
            }
            files_.erase(at);
        }
        FileTime readFrom = FileClockNow();
        auto records = std::make_shared<const RecordLines>(path);
        // Kept only when it is known that the file has not changed since the stamp was taken,
        // and that any later change will show in the stamp.
        if (records->ok() && stamp && stamp->changed < readFrom && stamp == StampOf(path)) {
            files_.insert(files_.begin(), {path, *stamp, records});
            if (files_.size() > kMostKept)
                files_.pop_back();
        }
        return records;
    }

private:
    static constexpr size_t kMostKept = 5;
    std::mutex mutex_;
    std::vector<KeptFile> files_;
};

} // namespace

std::string DataFilePath(Emu emu) {
    return InstallPath("Data", std::string(Section(emu).baseName) + ".dat");
}

bool IsRecordLine(std::string_view line) {
    return !line.empty() && line[0] != '#' && line[0] != '*' &&
           line.find(';') != std::string_view::npos;
}

std::string_view RecordField(std::string_view line, int number) {
    size_t start = 0;
    for (int i = 1; i < number; ++i) {
        size_t semi = line.find(';', start);
        if (semi == std::string_view::npos)
            return {};
        start = semi + 1;
    }
    size_t end = line.find(';', start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

GameRecord SplitRecord(std::string_view line) {
    GameRecord record;
    size_t start = 0;
    for (int i = 0; i < kRecordFields && start <= line.size(); ++i) {
        size_t end = line.find(';', start);
        if (end == std::string_view::npos) {
            record.fields[i] = std::string(line.substr(start));
            break;
        }
        record.fields[i] = std::string(line.substr(start, end - start));
        start = end + 1;
    }
    return record;
}

std::optional<GameRecord> FindRecord(const std::string& path, int number, std::string_view value) {
    if (value.empty())
        return GameRecord{};
    std::shared_ptr<const RecordLines> records = DataFileRecords(path);
    for (std::string_view line : records->lines())
        if (RecordField(line, number) == value)
            return SplitRecord(line);
    return std::nullopt;
}

std::optional<GameRecord> FindGameRecord(Emu emu, std::string_view value, int number) {
    if (value.empty())
        return std::nullopt;
    return FindRecord(DataFilePath(emu), number, value);
}

RecordLines::RecordLines(const std::string& path) {
    ok_ = ReadTextFile(path, bytes_);
    ForEachLine(bytes_, [this](std::string_view line) {
        if (IsRecordLine(line))
            lines_.push_back(line);
        return false;
    });
}

std::shared_ptr<const RecordLines> DataFileRecords(const std::string& path) {
    static KeptFiles kept;
    return kept.records(path);
}

} // namespace arvok
