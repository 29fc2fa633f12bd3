#include "catalogue/data_file.h"

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
    const std::string_view bytes = bytes_.view();
    ForEachLine(bytes, [&](std::string_view line) {
        const size_t end = NameEnd(line);
        if (end == std::string_view::npos)
            return false;
        const std::string_view name = line.substr(0, end);
        // While the line is at hand, rather than in a pass of its own over all the names.
        sorted_ = sorted_ && (names_.empty() || !ListOrder(name, names_.back()));
        if (names_.size() == kRecordsToEstimate)
            reserve(static_cast<size_t>(line.data() + line.size() - bytes.data()), bytes.size());
        lines_.push_back(line);
        names_.push_back(name);
        return false;
    });
}

void RecordLines::reserve(size_t read, size_t size) {
    // A tenth more than the records so far foretell, so that the vectors grow at most once.
    const size_t estimate = names_.size() * size / read;
    lines_.reserve(estimate + estimate / 10);
    names_.reserve(estimate + estimate / 10);
}

ScanLines::ScanLines(const std::string& path) {
    if (!ReadTextFile(path, bytes_))
        return;
    bool broken = false;
    ForEachLine(bytes_.view(), [&](std::string_view line) {
        const std::string_view inner =
            line.size() < 2 ? std::string_view() : line.substr(1, line.size() - 2);
        const size_t semi = inner.find(';');
        broken = semi == std::string_view::npos;
        if (!broken)
            entries_.push_back({inner.substr(0, semi), inner.back()});
        return broken;
    });
    ok_ = !broken;
}

} // namespace arvok
