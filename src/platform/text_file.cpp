#include "platform/text_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/path.h"

namespace arvok {

bool ReadFileBytes(const std::string& path, FileBytes& bytes) {
    bytes = FileBytes();
    size_t size = 0;
    int fd = OpenRegularFile(path, &size);
    if (fd < 0)
        return false;
    // Read in one piece into storage of the file's size, then whatever may have been added since.
    std::unique_ptr<char[]> data(new char[size]);
    size_t filled = 0;
    char block[1 << 16];
    ssize_t got = 0;
    do {
        const bool inPlace = filled < size;
        got =
            inPlace ? read(fd, data.get() + filled, size - filled) : read(fd, block, sizeof block);
        if (got > 0 && !inPlace) {
            size = std::max(2 * size, filled + static_cast<size_t>(got));
            std::unique_ptr<char[]> more(new char[size]);
            std::memcpy(more.get(), data.get(), filled);
            std::memcpy(more.get() + filled, block, static_cast<size_t>(got));
            data = std::move(more);
        }
        if (got > 0)
            filled += static_cast<size_t>(got);
    } while (got > 0 || (got < 0 && errno == EINTR));
    close(fd);
    if (got != 0)
        return false;
    bytes.data_ = std::move(data);
    bytes.size_ = filled;
    return true;
}

namespace {

// What "read" puts in file bytes, copied into "bytes".
template <typename Read> bool IntoString(std::string& bytes, Read read) {
    FileBytes got;
    const bool ok = read(got);
    bytes.assign(got.view());
    return ok;
}

} // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    return IntoString(bytes, [&path](FileBytes& got) { return ReadFileBytes(path, got); });
}

bool IsText(std::string_view bytes, size_t from) {
    const std::string_view start = bytes.substr(TextStart(bytes), 2);
    return start != "\xFF\xFE" && start != "\xFE\xFF" &&
           bytes.find('\0', from) == std::string_view::npos;
}

bool ReadTextFile(const std::string& path, FileBytes& bytes) {
    if (ReadFileBytes(path, bytes) && IsText(bytes.view()))
        return true;
    bytes = FileBytes();
    return false;
}

bool ReadTextFile(const std::string& path, std::string& bytes) {
    return IntoString(bytes, [&path](FileBytes& got) { return ReadTextFile(path, got); });
}

LineReader::LineReader(const std::string& path)
    : ok_(ReadTextFile(path, data_)), lines_(data_.view()) {}

bool LineReader::next(std::string& line) {
    std::string_view view;
    if (!lines_.next(view))
        return false;
    line = view;
    return true;
}

size_t TextStart(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

LineSplitter::LineSplitter(std::string_view bytes) : bytes_(bytes), pos_(TextStart(bytes)) {
    lf_ = find('\n', pos_);
    cr_ = find('\r', pos_);
}

bool LineSplitter::holdsWholeLine() {
    catchUp();
    const size_t end = std::min(lf_, cr_);
    return end < bytes_.size() && (bytes_[end] == '\n' || end + 1 < bytes_.size());
}

void LineSplitter::extend(std::string_view bytes) {
    const size_t searched = bytes_.size();
    const bool start = pos_ == 0 && searched < 3;
    bytes_ = bytes;
    if (start)
        pos_ = TextStart(bytes_);
    if (lf_ == searched)
        lf_ = find('\n', searched);
    if (cr_ == searched)
        cr_ = find('\r', searched);
}

const char* WhatBreaksLine(std::string_view text) {
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return "a line break";
    if (text.find('\0') != std::string_view::npos)
        return "a NUL character";
    return nullptr;
}

bool IsMissing(const std::string& path) {
    std::error_code ec;
    return !std::filesystem::exists(path, ec) && !ec;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    LineReader reader(path);
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return reader.ok();
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

namespace {

// The file a path finally names: symbolic links followed, a relative link read from the folder
// of the link. Nothing for a chain of links that does not end (a loop).
std::optional<std::string> FinalTarget(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::string link(static_cast<size_t>(info.st_size) + 1, '\0');
        ssize_t got = readlink(current.c_str(), link.data(), link.size());
        if (got <= 0 || static_cast<size_t>(got) >= link.size())
            return std::nullopt;
        link.resize(static_cast<size_t>(got));
        current = link[0] == '/' ? link : JoinPath(DirName(current), link);
    }
    return std::nullopt;
}

constexpr int kTempNames = 100;

// The temporary name "number" of a file: "name" itself, then "name.1", "name.2" ...
std::string TempName(const std::string& dir, const std::string& name, int number) {
    return JoinPath(dir, number == 0 ? name : name + "." + std::to_string(number));
}

// Whether "entry" is one of the temporary names of a file called "name".
bool IsTempName(std::string_view entry, std::string_view name) {
    if (entry.substr(0, name.size()) != name)
        return false;
    const std::string_view suffix = entry.substr(name.size());
    if (suffix.empty())
        return true;
    int number = 0;
    std::from_chars(suffix.data() + 1, suffix.data() + suffix.size(), number);
    return suffix[0] == '.' && number > 0 && number < kTempNames &&
           suffix.substr(1) == std::to_string(number);
}

// Removes what stands at the temporary names of "name" in "dir" (a link itself, never the file it
// names), going once through the folder, so that a save costs the names there are; when the
// folder cannot be listed, each name is removed in turn.
void RemoveLeftovers(const std::string& dir, const std::string& name) {
    DIR* listing = opendir(dir.empty() ? "." : dir.c_str());
    if (!listing) {
        for (int number = 0; number < kTempNames; ++number)
            unlink(TempName(dir, name, number).c_str());
        return;
    }
    while (const dirent* entry = readdir(listing))
        if (IsTempName(entry->d_name, name))
            unlink(JoinPath(dir, entry->d_name).c_str());
    closedir(listing);
}

// Makes a new, empty file for writing in "dir". What interrupted saves left at the temporary
// names is removed first (a link itself, never the file it names); then the file is "name" when
// nothing stands there, else the first of "name.1", "name.2" ... that is free. What stands at a
// name is never opened, nor is a link followed. The file's path goes to "made"; -1 when no name
// could be taken.
int CreateNewFile(const std::string& dir, const std::string& name, std::string& made) {
    RemoveLeftovers(dir, name);
    for (int number = 0; number < kTempNames; ++number) {
        made = TempName(dir, name, number);
        int fd = open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

SaveResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                               Durability durability, const std::string& tempName, AtLink atLink) {
    return WriteFileAtomically(path, std::vector<std::string_view>{bytes}, durability, tempName,
                               atLink);
}

SaveResult WriteFileAtomically(const std::string& path, const std::vector<std::string_view>& pieces,
                               Durability durability, const std::string& tempName, AtLink atLink) {
    auto failed = [](int error) { return SaveResult{false, std::strerror(error)}; };
    std::optional<std::string> target = atLink == AtLink::Follow ? FinalTarget(path) : path;
    if (!target)
        return failed(ELOOP);
    struct stat old {};
    bool replacing = lstat(target->c_str(), &old) == 0 && !S_ISLNK(old.st_mode);
    // A write-protected file stays as it is, for every user; so does one this user may not
    // write, which a rename in a writable folder would otherwise replace.
    if (replacing &&
        (!S_ISREG(old.st_mode) || !(old.st_mode & S_IWUSR) || access(target->c_str(), W_OK) != 0))
        return failed(S_ISREG(old.st_mode) ? EACCES : EISDIR);
    std::string temp;
    int fd = CreateNewFile(DirName(*target),
                           tempName.empty() ? "." + BaseName(*target) + ".tmp" : tempName, temp);
    if (fd < 0)
        return failed(errno);
    int error = 0;
    auto step = [&error](bool ok) {
        if (!ok && error == 0)
            error = errno;
    };
    if (replacing)
        step(fchmod(fd, old.st_mode & 07777) == 0);
    if (error == 0)
        step(WriteAll(fd, pieces));
    if (error == 0 && durability == Durability::Synced)
        step(fsync(fd) == 0);
    step(close(fd) == 0);
    if (error == 0)
        step(std::rename(temp.c_str(), target->c_str()) == 0);
    if (error == 0)
        return {true, {}};
    std::remove(temp.c_str());
    return failed(error);
}

} // namespace arvok
