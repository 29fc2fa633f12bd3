// The help page of the MAME and Callus windows: the game's entry in the emulator's own
// "gamelist.txt", one list item per shown line. An entry ends at two empty lines in a row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/section.h"
#include "platform/file_stamp.h"

namespace arvok {

// The lines of a "gamelist.txt" as read, each cut at kLongestShownLine: what lies beyond is
// neither kept nor shown.
class HistoryText {
public:
    explicit HistoryText(const std::string& path);
    HistoryText(const HistoryText&) = delete;
    HistoryText& operator=(const HistoryText&) = delete;
    bool ok() const { return ok_; }
    const std::vector<std::string_view>& lines() const { return lines_; }
    // The number of the first line that begins with "key"; lines().size() when none does.
    size_t firstBeginningWith(std::string_view key) const;

private:
    std::string bytes_;
    std::vector<std::string_view> lines_;
    // Each line's first eight bytes as a number (the bytes in the order of their value, missing
    // ones zero) with the line's number, in the order of the two: the lines that begin with a key
    // stand together there, in file order where the key is eight bytes or longer, and are found
    // without a pass over the file.
    std::vector<std::pair<uint64_t, uint32_t>> byHead_;
    bool ok_;
};

// The history files a help page shows, each read once and kept while it stays as it was.
class HistoryFiles {
public:
    // The items of the help list for "title", read from "gamelist.txt" (any letter case) in the
    // emulator's directory. When the file or the entry is missing the items say so (MAME), or
    // the list stays empty for a missing entry (Callus). Sections without such a text give no
    // items.
    //
    // MAME takes the first line that begins with the title cut before the blank that precedes
    // its first "(", shows that line and then the entry, lines over 52 characters as two items.
    // Callus takes the first non-empty line that holds the whole title, shows the lines after it
    // whole, and doubles each empty line.
    std::vector<std::string> entry(Emu emu, const std::string& emulatorDir, std::string_view title);

private:
    KeptFiles<HistoryText> kept_{1};
};

} // namespace arvok
