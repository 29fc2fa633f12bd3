#include "catalogue/data_file.h"

#include <algorithm>

#include "platform/path.h"

namespace arvok {

std::string DataFiles::path(std::string_view a, std::string_view b) const {
    return ResolvePath(dirInst_, {a, b});
}

std::string DataFiles::dataFilePath(Emu emu) const {
    return path("Data", std::string(Section(emu).baseName) + ".dat");
}

namespace {

// Where the first ";" of a record line stands; npos for a line that is no record.
size_t NameEnd(std::string_view line) {
    if (line.empty() || line[0] == '#' || line[0] == '*')
        return std::string_view::npos;
    return line.find(';');
}

} // namespace

bool IsRecordLine(std::string_view line) {
    return NameEnd(line) != std::string_view::npos;
}

bool ListOrder(std::string_view a, std::string_view b) {
    return CompareNoCase(a, b) < 0;
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

std::optional<GameRecord> DataFiles::find(const std::string& path, int number,
                                          std::string_view value) {
    if (value.empty())
        return GameRecord{};
    std::shared_ptr<const RecordLines> records = this->records(path);
    for (std::string_view line : records->lines())
        if (RecordField(line, number) == value)
            return SplitRecord(line);
    return std::nullopt;
}

std::optional<GameRecord> DataFiles::findGame(Emu emu, std::string_view value, int number) {
    if (value.empty())
        return std::nullopt;
    return find(dataFilePath(emu), number, value);
}

RecordLines::RecordLines(const std::string& path) {
    ok_ = ReadTextFile(path, bytes_);
    ForEachLine(bytes_.view(), [this](std::string_view line) {
        if (size_t end = NameEnd(line); end != std::string_view::npos) {
            lines_.push_back(line);
            names_.push_back(line.substr(0, end));
        }
        return false;
    });
}

bool RecordLines::sorted() const {
    std::call_once(sortedFound_,
                   [this] { sorted_ = std::is_sorted(names_.begin(), names_.end(), ListOrder); });
    return sorted_;
}

} // namespace arvok
