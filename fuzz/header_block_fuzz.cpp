// The header block of a data file and the game total of the section windows. The block holds the
// lines from the first one that is neither empty nor a comment, when that one begins with "*",
// up to seventeen lines, stopping early at an empty or over-long line or the end of the file;
// the values are those lines without their marker. The game total is the seventh line after the
// first "*" line, without its first character. Where the block is whole, both give one total.
// A file that begins with a UTF-16 byte-order mark gives neither; one holding a NUL byte gives no
// line that does not end before it.
#include <algorithm>
#include <optional>

#include "catalogue/data_file.h"
#include "catalogue/header_block.h"
#include "fuzz_support.h"

using namespace arvok;
using namespace arvok::fuzz;

namespace {

constexpr size_t kLongestLine = 32767;

// A value, an over-long one told by its length and its start.
std::string Shown(const std::string& value) {
    if (value.size() <= 80)
        return value;
    return std::to_string(value.size()) + " bytes: " + value.substr(0, 16) + "...";
}

std::string Describe(const HeaderBlock& block) {
    std::string text = std::to_string(block.read);
    for (const std::string& value : block.values)
        text += "|" + Shown(value);
    return text;
}

std::string Describe(const std::optional<std::string>& total) {
    return total ? "\"" + Shown(*total) + "\"" : "nothing";
}

HeaderBlock ExpectedBlock(const std::vector<std::string>& lines) {
    HeaderBlock block;
    size_t first = 0;
    while (first < lines.size() && (lines[first].empty() || lines[first][0] == '#'))
        ++first;
    if (first == lines.size() || lines[first][0] != '*')
        return block;
    for (size_t i = first; i < lines.size() && block.read < kHeaderLines; ++i) {
        if (lines[i].empty() || lines[i].size() > kLongestLine)
            break;
        block.values[block.read++] = lines[i].substr(1);
    }
    return block;
}

std::optional<std::string> ExpectedTotal(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i][0] != '*')
            continue;
        if (i + 7 >= lines.size())
            return std::nullopt;
        return lines[i + 7].empty() ? "" : lines[i + 7].substr(1);
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Root();
    FuzzedDataProvider input(data, size);
    Emu emu = PickEmu(input);
    std::string rel = std::string("Data/") + Section(emu).baseName + ".dat";
    std::string path = Data().dataFilePath(emu);
    uint8_t mode = input.ConsumeIntegral<uint8_t>();
    size_t longAt = input.ConsumeIntegral<uint8_t>();
    uint32_t ends = input.ConsumeIntegral<uint32_t>();
    uint32_t notText = input.ConsumeIntegral<uint32_t>();
    std::string bytes = input.ConsumeRemainingBytesAsString();
    if (mode % 16 == 0) {
        // A line at the longest a data file holds, or one character over it, put in place of
        // one of the first lines.
        std::vector<std::string> lines = TextLines(bytes);
        std::string line(kLongestLine + (mode & 0x10 ? 1 : 0), 'x');
        line[0] = '*';
        if (lines.empty())
            lines.push_back(line);
        else
            lines[longAt % lines.size()] = line;
        bytes = WithLineEnds(ends, lines);
    }
    bytes = MaybeNotText(notText, bytes);

    std::vector<std::string> lines;
    if (mode % 16 == 1) {
        Remove(rel);
    } else {
        Put(rel, bytes);
        lines = TextLines(bytes);
    }
    HeaderBlock block = ReadHeaderBlock(path);
    std::optional<std::string> total = GameTotal(path);
    if (!IsTextFile(bytes)) {
        // Only lines that end before the first NUL may have been read, and none behind a mark.
        const std::string beforeNul = bytes.substr(0, bytes.find('\0'));
        lines = IsTextFile(beforeNul) ? TextLines(beforeNul) : std::vector<std::string>();
        HeaderBlock whole = ExpectedBlock(lines);
        FUZZ_CHECK(block.read <= whole.read, Describe(block) + " / " + Describe(whole));
        whole.read = block.read;
        std::fill(whole.values.begin() + block.read, whole.values.end(), std::string());
        FUZZ_CHECK(Describe(block) == Describe(whole), Describe(block) + " / " + Describe(whole));
        FUZZ_CHECK(!total || total == ExpectedTotal(lines),
                   Describe(total) + " / " + Describe(ExpectedTotal(lines)));
        return 0;
    }

    HeaderBlock expected = ExpectedBlock(lines);
    FUZZ_CHECK(Describe(block) == Describe(expected), Describe(block) + " / " + Describe(expected));
    FUZZ_CHECK(total == ExpectedTotal(lines),
               Describe(total) + " / " + Describe(ExpectedTotal(lines)));
    if (block.read == kHeaderLines)
        FUZZ_CHECK(total == block.values[7], Describe(total) + " / " + Shown(block.values[7]));
    return 0;
}
