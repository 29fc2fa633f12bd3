#include "catalogue/data_file.h"

#include "core/shared_state.h"
#include "platform/file_stamp.h"
#include "platform/text_file.h"

namespace arvok {

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
    static KeptFiles<RecordLines> kept(5);
    return kept.get(path);
}

} // namespace arvok
