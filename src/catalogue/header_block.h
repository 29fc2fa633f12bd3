// The block of seventeen lines at the head of every data file that describes the emulator and
// its catalogue: one marker character, then the value. The launcher's statistics panel shows it
// and the section windows take their game total from its eighth line.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace arvok {

inline constexpr int kHeaderLines = 17;

// One line of the block: the launcher label that shows it and the caption beside that label
// (empty for the panel's title line and for the second contributors line).
struct HeaderLine {
    const char* label;
    const char* caption;
};
extern const std::array<HeaderLine, kHeaderLines> kHeaderLayout;

// The caption above the two contributors lines.
extern const char* const kContributorsCaption;

struct HeaderBlock {
    std::array<std::string, kHeaderLines> values;
    // How many lines were read, from the first on; the values after them are empty. A block
    // that ends early (end of file, an empty line, an over-long line, bytes that are not text)
    // stops there, and a file that cannot be read or has no block reads none.
    int read = 0;
};

// Empty lines and "#" comments before the block are passed over; the first other line must
// begin with "*". The game records after the block are never read.
HeaderBlock ReadHeaderBlock(const std::string& path);

// The game total a section window shows: the first line of the file that begins with "*",
// wherever it stands, and the seventh line after it, without its first character (empty when
// that line is empty). Nothing when the file cannot be read, holds no "*" line or ends before
// that line.
std::optional<std::string> GameTotal(const std::string& path);

} // namespace arvok
