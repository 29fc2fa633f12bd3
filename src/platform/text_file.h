// Plain 8-bit text files with CR LF line ends, read line by line and rewritten whole through a
// temporary file in the same directory.
#pragma once

#include <array>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace arvok {

// Where the first line of a text file's bytes begins: after a UTF-8 byte-order mark, when the
// bytes begin with one.
size_t TextStart(std::string_view bytes);
// The line of "bytes" that begins at "pos", without its line end; "pos" moves past that end. A
// line ends at CR LF, at LF or at a CR alone, and the last one may have no end.
std::string_view NextLine(std::string_view bytes, size_t& pos);
// Calls "visit" with each line of a text file's "bytes" without its line end, from TextStart on
// and as NextLine cuts them, until it returns true.
template <typename Visit> void ForEachLine(std::string_view bytes, Visit visit) {
    for (size_t pos = TextStart(bytes); pos < bytes.size();)
        if (visit(NextLine(bytes, pos)))
            return;
}
// Whether "bytes", read from "pos" on, hold a whole line: one whose end cannot be longer than it
// seems (a CR that is the last byte may yet be followed by its LF).
bool HoldsWholeLine(std::string_view bytes, size_t pos);
// Whether "text" holds a CR or an LF, so that it cannot be kept as one line of a text file.
bool HoldsLineBreak(std::string_view text);
// Whether the bytes read of a text file are 8-bit text: their text (from TextStart on) does not
// begin with a UTF-16 byte-order mark (a file an editor saved as "Unicode") and they hold no NUL
// byte. Only the bytes from "from" on are searched for a NUL, so that a file read a block at a
// time is searched once.
bool IsText(std::string_view bytes, size_t from = 0);

// Reads a text file line by line, lines cut as NextLine cuts them. The whole file is read at
// construction, so a reader never holds the file open.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    // False when the file could not be opened or read, or is not text (ReadTextFile).
    bool ok() const { return ok_; }
    // The next line, without its line end; false at the end of the file.
    bool next(std::string& line);
    bool atEnd() const { return pos_ >= data_.size(); }

private:
    std::string data_;
    size_t pos_ = 0;
    bool ok_ = false;
};

// All lines of a text file; false (and no lines) when it cannot be read.
bool ReadLines(const std::string& path, std::vector<std::string>& lines);
// The whole file; false (and no bytes) when it cannot be read or is not a regular file.
bool ReadFileBytes(const std::string& path, std::string& bytes);
// The whole of a text file; false (and no bytes) where ReadFileBytes fails or what it read is not
// text (IsText): such a file counts as one that could not be read.
bool ReadTextFile(const std::string& path, std::string& bytes);

// A file read a block at a time, for readers that stop early. It fails at once, reading nothing,
// where ReadFileBytes fails.
class FileStream : public std::istream {
public:
    explicit FileStream(const std::string& path);
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

private:
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(const std::string& path);
        ~Buffer() override;
        Buffer(const Buffer&) = delete;
        Buffer& operator=(const Buffer&) = delete;
        bool open() const { return fd_ >= 0; }

    protected:
        int_type underflow() override;

    private:
        int fd_;
        std::array<char, 1 << 14> block_{};
    };
    Buffer buffer_;
};

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

// Writes "bytes" to a temporary file in the file's folder and renames that over the file. The
// new file keeps the old one's permission bits. A file whose owner may not write it
// (write-protected, whoever runs the program) or that this user may not write is not replaced.
// On any failure the old file is left as it was, the temporary file is removed, and false is
// returned. The temporary file is always made new: it is "tempName" when one is given, else a
// hidden name made from the file's. What interrupted saves left at that name and at that name
// with a number added is removed first (a link itself, never the file it names); while something
// still stands at the name (a folder), the name with the next number is taken. Whatever stands
// at a temporary name is never opened.
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         Durability durability = Durability::Synced,
                         const std::string& tempName = {}, AtLink atLink = AtLink::Follow);

} // namespace arvok
