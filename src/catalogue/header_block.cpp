#include "catalogue/header_block.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <unistd.h>

#include "platform/path.h"
#include "platform/text_file.h"

namespace arvok {

namespace {
// Lines of the data files are at most this long; a longer one cuts the block short.
constexpr size_t kMaxLineLength = 32767;
constexpr int kTotalLine = 8;

// The file's bytes are read a block at a time, as far as a line asks, so that the game records
// after the block are never read; lines are cut as LineSplitter cuts them.
class HeadReader {
public:
    explicit HeadReader(const std::string& path) : fd_(OpenRegularFile(path)), lines_(bytes_) {}
    ~HeadReader() {
        if (fd_ >= 0)
            close(fd_);
    }
    HeadReader(const HeadReader&) = delete;
    HeadReader& operator=(const HeadReader&) = delete;

    // The next line; it stands until the next call. False at the end of the file.
    bool next(std::string_view& line) {
        while (!lines_.holdsWholeLine())
            if (!more())
                break;
        return text_ && lines_.next(line);
    }

private:
    // Reads the file's next block after what was read; false at the end of the file or when it
    // cannot be read. A file found not to be text (IsText) gives no line from there on.
    bool more() {
        if (fd_ < 0 || !text_)
            return false;
        const size_t filled = bytes_.size();
        bytes_.resize(filled + kBlock);
        ssize_t got = 0;
        do
            got = read(fd_, bytes_.data() + filled, kBlock);
        while (got < 0 && errno == EINTR);
        bytes_.resize(filled + static_cast<size_t>(std::max<ssize_t>(got, 0)));
        text_ = IsText(bytes_, filled);
        lines_.extend(bytes_);
        return text_ && got > 0;
    }

    static constexpr size_t kBlock = 1 << 16;
    int fd_;
    std::string bytes_;
    LineSplitter lines_;
    bool text_ = true;
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
    std::string_view line;
    bool found = false;
    while (!found && reader.next(line))
        found = !line.empty() && line[0] != '#';
    if (!found || line[0] != '*')
        return block;
    while (block.read < kHeaderLines) {
        if (line.empty() || line.size() > kMaxLineLength)
            break;
        block.values[block.read++] = std::string(line.substr(1));
        if (block.read < kHeaderLines && !reader.next(line))
            break;
    }
    return block;
}

std::optional<std::string> GameTotal(const std::string& path) {
    HeadReader reader(path);
    std::string_view line;
    bool found = false;
    while (!found && reader.next(line))
        found = !line.empty() && line[0] == '*';
    if (!found)
        return std::nullopt;
    for (int i = 1; i < kTotalLine; ++i)
        if (!reader.next(line))
            return std::nullopt;
    return std::string(line.empty() ? line : line.substr(1));
}

} // namespace arvok
