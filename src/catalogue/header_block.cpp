#include "catalogue/header_block.h"

#include "platform/text_file.h"

namespace arvok {

namespace {
// Lines of the data files are at most this long; a longer one cuts the block short.
constexpr size_t kMaxLineLength = 32767;
constexpr int kTotalLine = 8;

// Reads the file line by line only as far as asked, so that the game records after the block
// are never read; a trailing CR is dropped.
class HeadReader {
public:
    explicit HeadReader(const std::string& path) : in_(path) {}
    bool next(std::string& line) {
        if (!std::getline(in_, line))
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }

private:
    FileStream in_;
};
} // namespace

const std::array<HeaderLine, kHeaderLines> kHeaderLayout{{
    {"lblName", ""},
    {"lblMachine", "Machine"},
    {"lblVers", "Version"},
    {"lblDate", "Date"},
    {"lblCpu", "C.p.u."},
    {"lblSound", "Sound"},
    {"lblVideo", "Video"},
    {"lblSupported", "Supported"},
    {"lblNoClones", "Originals"},
    {"lblWorking", "Working"},
    {"lblAvailable", "Available"},
    {"lblOldest", "Older"},
    {"lblNewest", "Newer"},
    {"lblYCov", "Years"},
    {"lblMost", "Most"},
    {"lblLeadProj", ""},
    {"lblContrib", ""},
}};

const char* const kContributorsCaption = "Project Manager and Contributors:";

HeaderBlock ReadHeaderBlock(const std::string& path) {
    HeaderBlock block;
    HeadReader reader(path);
    std::string line;
    bool found = false;
    while (!found && reader.next(line))
        found = !line.empty() && line[0] != '#';
    if (!found || line[0] != '*')
        return block;
    while (block.read < kHeaderLines) {
        if (line.empty() || line.size() > kMaxLineLength)
            break;
        block.values[block.read++] = line.substr(1);
        if (block.read < kHeaderLines && !reader.next(line))
            break;
    }
    return block;
}

std::optional<std::string> GameTotal(const std::string& path) {
    HeadReader reader(path);
    std::string line;
    bool found = false;
    while (!found && reader.next(line))
        found = !line.empty() && line[0] == '*';
    if (!found)
        return std::nullopt;
    for (int i = 1; i < kTotalLine; ++i)
        if (!reader.next(line))
            return std::nullopt;
    return line.empty() ? line : line.substr(1);
}

} // namespace arvok
