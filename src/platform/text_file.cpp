#include "platform/text_file.h"

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/path.h"

namespace arvok {

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    if (IsDirectory(path))
        return false;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    // Data files run to several megabytes: read them in one piece into a buffer of their size,
    // then whatever may have been added since.
    struct stat info {};
    if (fstat(fileno(f), &info) == 0 && info.st_size > 0)
        bytes.resize(static_cast<size_t>(info.st_size));
    size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    bytes.resize(got);
    char block[1 << 16];
    while ((got = std::fread(block, 1, sizeof block, f)) > 0)
        bytes.append(block, got);
    bool ok = !std::ferror(f);
    std::fclose(f);
    if (!ok)
        bytes.clear();
    return ok;
}

LineReader::LineReader(const std::string& path) {
    ok_ = ReadFileBytes(path, data_);
}

bool LineReader::next(std::string& line) {
    if (pos_ >= data_.size())
        return false;
    size_t end = data_.find('\n', pos_);
    size_t stop = end == std::string::npos ? data_.size() : end;
    size_t len = stop - pos_;
    if (len > 0 && data_[pos_ + len - 1] == '\r')
        --len;
    line.assign(data_, pos_, len);
    pos_ = end == std::string::npos ? data_.size() : end + 1;
    return true;
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

bool WriteFileAtomically(const std::string& path, const std::string& bytes, Durability durability,
                         const std::string& tempName) {
    std::string temp =
        JoinPath(DirName(path), tempName.empty() ? "." + BaseName(path) + ".tmp" : tempName);
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    if (durability == Durability::Synced)
        ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok && std::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    std::remove(temp.c_str());
    return false;
}

} // namespace arvok
