// The game data files: one record a line, 21 fields each followed by ";". Empty lines, lines
// beginning with "#" (comments) and "*" (header block) are no records; neither is a line
// without any ";".
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/section.h"
#include "platform/file_stamp.h"
#include "platform/text_file.h"

namespace arvok {

inline constexpr int kRecordFields = 21;

// Field numbers as they are counted in the file (1-based).
enum Field {
    kName = 1,
    kSet = 2,
    kType = 3,
    kParent = 4,
    kGenre = 5,
    kManufacturer = 6,
    kYear = 7,
};

// The parent set (field 4) of the Neo-Geo games: their common set, not a game they are clones of.
inline constexpr std::string_view kNeoGeoSet = "neogeo";
inline bool IsNeoGeoSet(std::string_view set) {
    return set == kNeoGeoSet;
}

struct GameRecord {
    std::array<std::string, kRecordFields> fields; // fields[0] is field 1
    const std::string& field(int number) const { return fields[number - 1]; }
};

bool IsRecordLine(std::string_view line);
// Whether game "a" comes before game "b" in a game list: by name, letter case ignored.
bool ListOrder(std::string_view a, std::string_view b);
// Field "number" of a record line; a field past the last ";" is empty.
std::string_view RecordField(std::string_view line, int number);
GameRecord SplitRecord(std::string_view line);

// The record lines of a data file, read at once and kept as views into one buffer, so that a
// pass over 40,000 records allocates nothing per line. Lines as LineSplitter cuts them; beside
// each line its name (field 1), found while the line is told to be a record.
class RecordLines {
public:
    explicit RecordLines(const std::string& path);
    RecordLines(const RecordLines&) = delete;
    RecordLines& operator=(const RecordLines&) = delete;
    // False when the file could not be read.
    bool ok() const { return ok_; }
    const std::vector<std::string_view>& lines() const { return lines_; }
    const std::vector<std::string_view>& names() const { return names_; }
    // Whether the names stand in the order of the game lists (ListOrder), as the shipped files
    // have them; found while the file is read.
    bool sorted() const { return sorted_; }

private:
    // The records a file holds seldom differ much in length: the first few tell how many the
    // file holds, and the views are given room for them at once.
    static constexpr size_t kRecordsToEstimate = 256;
    // Room for the records of a file of "size" bytes whose first "read" bytes held the records
    // found so far.
    void reserve(size_t read, size_t size);

    FileBytes bytes_;
    std::vector<std::string_view> lines_;
    std::vector<std::string_view> names_;
    bool ok_ = false;
    bool sorted_ = true;
};

// One entry of a scan file, a line "<name>;<flag>" in quotes: the flag is Y for a game whose
// ROM set was found, N for one whose set was not.
struct ScanEntry {
    std::string_view name;
    char flag;
};

// The entries of a scan file, read at once and kept as views into its bytes.
class ScanLines {
public:
    explicit ScanLines(const std::string& path);
    ScanLines(const ScanLines&) = delete;
    ScanLines& operator=(const ScanLines&) = delete;
    // False when the file could not be read or a line cannot be taken apart (too short to hold
    // its quotes, or without ";" between them).
    bool ok() const { return ok_; }
    const std::vector<ScanEntry>& entries() const { return entries_; }

private:
    FileBytes bytes_;
    std::vector<ScanEntry> entries_;
    bool ok_ = false;
};

// The data files of an installation and the files beside them in its Cfg folder. The record
// lines of a data file, and the entries of a scan file, are read once and kept while the file
// stays as it was: it is read again when its size, its inode or its modification or change time
// differ from those it had when it was read, or when it changed within the clock tick of that
// reading (a second change in that tick could not be told from the first). A user who replaces
// the file while the program runs thus gets the new records at the next list action, and a list
// built after a scan has the scan's entries. The last few files of each kind are kept; one that
// cannot be read is not, and gives contents whose ok() is false.
class DataFiles {
public:
    explicit DataFiles(std::string dirInst)
        : dirInst_(std::move(dirInst)), kept_(5), keptScans_(5) {}
    DataFiles(const DataFiles&) = delete;
    DataFiles& operator=(const DataFiles&) = delete;

    // DirInst joined with the given components, each looked up without regard to case.
    std::string path(std::string_view a, std::string_view b) const;
    // The data file of a section: DirInst/Data/<Base>.dat, names matched without regard to case.
    std::string dataFilePath(Emu emu) const;

    std::shared_ptr<const RecordLines> records(const std::string& path) { return kept_.get(path); }
    std::shared_ptr<const ScanLines> scan(const std::string& path) { return keptScans_.get(path); }
    // The first record (in file order) whose field "number" equals "value" exactly, from the
    // file's kept records. An empty value yields an empty record without reading the file; a
    // missing file or value gives nothing.
    std::optional<GameRecord> find(const std::string& path, int number, std::string_view value);
    // The first record of the section's data file whose field "number" equals "value"; an empty
    // value (no game chosen) has none.
    std::optional<GameRecord> findGame(Emu emu, std::string_view value, int number = kName);

private:
    std::string dirInst_;
    KeptFiles<RecordLines> kept_;
    KeptFiles<ScanLines> keptScans_;
};

} // namespace arvok
