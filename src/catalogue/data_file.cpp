#include "catalogue/data_file.h"

#include "core/shared_state.h"
#include "platform/text_file.h"

namespace arvok {

namespace {

// Calls "visit" with each line of "bytes" without its line end (CR LF, or LF alone) until it
// returns true; a last line without a line end counts.
template <typename Visit> void ForEachLine(std::string_view bytes, Visit visit) {
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        size_t stop = end == std::string_view::npos ? bytes.size() : end;
        std::string_view line = bytes.substr(pos, stop - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (visit(line))
            return;
        pos = stop + 1;
    }
}

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
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return std::nullopt;
    std::optional<GameRecord> found;
    ForEachLine(bytes, [&](std::string_view line) {
        if (IsRecordLine(line) && RecordField(line, number) == value)
            found = SplitRecord(line);
        return found.has_value();
    });
    return found;
}

std::optional<GameRecord> FindGameRecord(Emu emu, std::string_view value, int number) {
    if (value.empty())
        return std::nullopt;
    return FindRecord(DataFilePath(emu), number, value);
}

RecordLines::RecordLines(const std::string& path) {
    ok_ = ReadFileBytes(path, bytes_);
    ForEachLine(bytes_, [this](std::string_view line) {
        if (IsRecordLine(line))
            lines_.push_back(line);
        return false;
    });
}

} // namespace arvok
