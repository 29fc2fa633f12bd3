#include "catalogue/header_block.h"

#include <algorithm>

#include "platform/text_file.h"

namespace arvok {

namespace {
// Lines of the data files are at most this long; a longer one cuts the block short.
constexpr size_t kMaxLineLength = 32767;
constexpr int kTotalLine = 8;

// Reads the file line by line only as far as asked, so that the game records after the block
// are never read; lines are cut as NextLine cuts them.
class HeadReader {
public:
    explicit HeadReader(const std::string& path) : in_(path) {
        more();
        pos_ = TextStart(bytes_);
    }
    bool next(std::string& line) {
        // What was searched for a line end holds none, bar a last CR that may yet take its LF,
        // so each block is searched once however long the line.
        size_t from = pos_;
        while (!HoldsWholeLine(bytes_, from)) {
            const bool lastCr = !bytes_.empty() && bytes_.back() == '\r';
            from = std::max(pos_, bytes_.size() - (lastCr ? 1 : 0));
            if (!more())
                break;
        }
        if (pos_ >= bytes_.size())
            return false;
        line = NextLine(bytes_, pos_);
        return true;
    }

private:
    // Adds the file's next block to what was read; false at the end of the file. A file found
    // not to be text (IsText) gives no line from there on.
    bool more() {
        if (!text_)
            return false;
        char block[4096];
        in_.read(block, sizeof block);
        const size_t from = bytes_.size();
        bytes_.append(block, static_cast<size_t>(in_.gcount()));
        text_ = IsText(bytes_, from);
        if (!text_)
            bytes_.clear();
        return text_ && in_.gcount() > 0;
    }

    FileStream in_;
    std::string bytes_;
    size_t pos_ = 0;
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
