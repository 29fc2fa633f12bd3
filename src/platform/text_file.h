// Plain 8-bit text files with CR LF line ends, read line by line and rewritten whole through a
// temporary file in the same directory.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace arvok {

// The longest line of a file that the program shows: no line of a real history or layout name
// comes near it, and a longer one (a file run wild) is cut there so that showing it stays quick.
inline constexpr size_t kLongestShownLine = 64 * 1024;
// The part of a line of a file that is shown.
inline std::string_view ShownLine(std::string_view line) {
    return line.substr(0, kLongestShownLine);
}

// Where the first line of a text file's bytes begins: after a UTF-8 byte-order mark, when the
// bytes begin with one.
size_t TextStart(std::string_view bytes);

// Cuts a text file's bytes into lines, from TextStart on. A line ends at CR LF, at LF or at a CR
// alone, and the last one may have no end. The next LF and the next CR are each found by one
// search and searched for again only once a line has passed them, so the bytes are searched
// through once whatever their line ends and however long a line. The bytes may grow, as those of
// a file read a block at a time: extend() then takes them with more after them.
class LineSplitter {
public:
    explicit LineSplitter(std::string_view bytes);
    // The next line, without its line end; false after the last one.
    bool next(std::string_view& line) {
        if (atEnd())
            return false;
        catchUp();
        const size_t end = lf_ < cr_ ? lf_ : cr_;
        line = std::string_view(bytes_.data() + pos_, end - pos_);
        pos_ = end;
        if (end < bytes_.size())
            pos_ +=
                end + 1 < bytes_.size() && bytes_[end] == '\r' && bytes_[end + 1] == '\n' ? 2 : 1;
        return true;
    }
    // Whether the bytes ahead hold a whole line: one whose end cannot be longer than it seems (a
    // CR that is the last byte may yet be followed by its LF).
    bool holdsWholeLine();
    bool atEnd() const { return pos_ >= bytes_.size(); }
    // Takes "bytes", which begin with the bytes taken so far, wherever they now stand.
    void extend(std::string_view bytes);

private:
    // The first "c" at or after "from", or the end of the bytes.
    size_t find(char c, size_t from) const {
        const void* at = from < bytes_.size()
                             ? std::memchr(bytes_.data() + from, c, bytes_.size() - from)
                             : nullptr;
        return at ? static_cast<size_t>(static_cast<const char*>(at) - bytes_.data())
                  : bytes_.size();
    }
    // Searches again for an LF or a CR that the lines have passed.
    void catchUp() {
        if (lf_ < pos_)
            lf_ = find('\n', pos_);
        if (cr_ < pos_)
            cr_ = find('\r', pos_);
    }

    std::string_view bytes_;
    size_t pos_ = 0;
    size_t lf_ = 0; // the next LF, or the end of the bytes; behind pos_ once passed
    size_t cr_ = 0; // the same for CR
};

// Calls "visit" with each line of a text file's "bytes", as LineSplitter cuts them, until it
// returns true.
template <typename Visit> void ForEachLine(std::string_view bytes, Visit visit) {
    LineSplitter lines(bytes);
    for (std::string_view line; lines.next(line);)
        if (visit(line))
            return;
}
// What keeps "text" from being one line of a text file that reads back as it was: "a line break"
// when it holds a CR or an LF, which end the line, "a NUL character" when it holds a NUL, which
// makes the whole file one that is not text (IsText); nothing when it can be such a line.
const char* WhatBreaksLine(std::string_view text);
// Whether the bytes read of a text file are 8-bit text: their text (from TextStart on) does not
// begin with a UTF-16 byte-order mark (a file an editor saved as "Unicode") and they hold no NUL
// byte. Only the bytes from "from" on are searched for a NUL, so that a file read a block at a
// time is searched once.
bool IsText(std::string_view bytes, size_t from = 0);

// The bytes of a file read whole, in storage that the read fills without its being cleared first:
// data and settings files run to megabytes.
class FileBytes {
public:
    std::string_view view() const { return {data_.get(), size_}; }
    size_t size() const { return size_; }

private:
    friend bool ReadFileBytes(const std::string& path, FileBytes& bytes);
    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
};

// Reads a text file line by line, lines cut as LineSplitter cuts them. The whole file is read at
// construction, so a reader never holds the file open.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    // False when the file could not be opened or read, or is not text (ReadTextFile).
    bool ok() const { return ok_; }
    // The next line, without its line end; false at the end of the file.
    bool next(std::string& line);
    bool atEnd() const { return lines_.atEnd(); }

private:
    FileBytes data_;
    bool ok_;
    LineSplitter lines_;
};

// All lines of a text file; false (and no lines) when it cannot be read.
bool ReadLines(const std::string& path, std::vector<std::string>& lines);
// The whole file; false (and no bytes) when it cannot be read or is not a regular file.
bool ReadFileBytes(const std::string& path, FileBytes& bytes);
bool ReadFileBytes(const std::string& path, std::string& bytes);
// The whole of a text file; false (and no bytes) where ReadFileBytes fails or what it read is not
// text (IsText): such a file counts as one that could not be read.
bool ReadTextFile(const std::string& path, FileBytes& bytes);
bool ReadTextFile(const std::string& path, std::string& bytes);

// Whether nothing stands at "path". A name that could not be looked at counts as there, so that a
// file that cannot be read is never taken for a missing one and written over.
bool IsMissing(const std::string& path);

// Each line followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// How much a rewrite must survive. Either way the file is replaced whole or not at all; a
// synced file is also on disk before it replaces the old one, so a power cut cannot leave it
// empty. Files the program can make again at any time (the scan file, the launch batch file)
// skip that wait.
enum class Durability { Synced, Replaceable };

// What a rewrite does with a symbolic link standing at the file's name: follow it (the file it
// names is replaced and the link stays) or replace the link itself with the new file.
enum class AtLink { Follow, Replace };

// What a write did; "why" is the system's reason when nothing was written.
struct SaveResult {
    bool saved = false;
    std::string why;
    explicit operator bool() const { return saved; }
};

// Writes "bytes" to a temporary file in the file's folder and renames that over the file. The
// new file keeps the old one's permission bits. A file whose owner may not write it
// (write-protected, whoever runs the program) or that this user may not write is not replaced.
// On any failure the old file is left as it was, the temporary file is removed, and the result
// says why. The temporary file is always made new: it is "tempName" when one is given, else a
// hidden name made from the file's. What interrupted saves left at that name and at that name
// with a number added is removed first (a link itself, never the file it names); while something
// still stands at the name (a folder), the name with the next number is taken. Whatever stands
// at a temporary name is never opened.
SaveResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                               Durability durability = Durability::Synced,
                               const std::string& tempName = {}, AtLink atLink = AtLink::Follow);
// The same for a file whose bytes are "pieces" one after another, each written from where it
// stands (the kept lines of the old file and a new line between them).
SaveResult WriteFileAtomically(const std::string& path, const std::vector<std::string_view>& pieces,
                               Durability durability = Durability::Synced,
                               const std::string& tempName = {}, AtLink atLink = AtLink::Follow);

} // namespace arvok
