// The help page of the MAME and Callus windows: the game's entry in the emulator's own
// "gamelist.txt", one list item per shown line. An entry ends at two empty lines in a row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/section.h"
#include "platform/file_stamp.h"
#include "platform/text_file.h"

namespace arvok {

// The lines of a "gamelist.txt" as read, each cut at kLongestShownLine: what lies beyond is
// neither kept nor shown. The bytes read are cut into lines at the first call, which for a first
// key is also the search for it, so that a history read for one key is passed over once.
class HistoryText {
public:
    explicit HistoryText(const std::string& path);
    HistoryText(const HistoryText&) = delete;
    HistoryText& operator=(const HistoryText&) = delete;
    bool ok() const { return ok_; }
    const std::vector<std::string_view>& lines() const;
    // The number of the first line that begins with "key"; lines().size() when none does. The
    // second call gathers what finds a key without a pass over the lines.
    size_t firstBeginningWith(std::string_view key) const;
    // The number of the first non-empty line that holds "key"; lines().size() when none does.
    size_t firstHolding(std::string_view key) const;

private:
    // Cuts the bytes read into lines_; the number of the first line that begins with "key".
    size_t cut(std::string_view key) const;
    mutable FileBytes read_;
    mutable std::string kept_; // the shown lines, where one was cut
    mutable std::vector<std::string_view> lines_;
    mutable bool cut_ = false;
    // The first line that begins with each run of up to eight bytes that begins a line, in a
    // table of open addressing; a run of eight also has its last line, and the lines that begin
    // with the same eight bytes are chained in file order through sameEight_. The lines hold no
    // NUL, so that a run's bytes read as a number (missing ones zero) tell its length too. The
    // runs are gathered at the second key.
    static constexpr uint32_t kNoLine = ~uint32_t{0};
    struct Run {
        uint64_t bytes = 0;
        uint32_t first = kNoLine;
        uint32_t last = kNoLine;
    };
    // The slot of the run of "bytes", or the empty slot where it would go.
    size_t slotOf(uint64_t bytes) const;
    void gatherRuns() const;
    mutable std::vector<Run> runs_; // a power of two in size, at most half full
    mutable std::vector<uint32_t> sameEight_;
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
