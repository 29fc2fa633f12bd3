#include "platform/path.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/uio.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace arvok {

std::string JoinPath(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (out.empty())
        return std::string(name);
    if (out.back() != '/')
        out += '/';
    out += name;
    return out;
}

std::string DirName(std::string_view path) {
    auto pos = path.find_last_of('/');
    if (pos == std::string_view::npos)
        return {};
    return std::string(path.substr(0, pos == 0 ? 1 : pos));
}

std::string BaseName(std::string_view path) {
    auto pos = path.find_last_of('/');
    return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

namespace {

// Lower case of every byte: ASCII letters, the Windows-1252 upper-case letters of the Latin-1
// block and the four in 0x8A..0x9F.
struct FoldTable {
    unsigned char lower[256];
    constexpr FoldTable() : lower() {
        for (int c = 0; c < 256; ++c)
            lower[c] = static_cast<unsigned char>(c);
        for (int c = 'A'; c <= 'Z'; ++c)
            lower[c] = static_cast<unsigned char>(c + 32);
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7)
                lower[c] = static_cast<unsigned char>(c + 32);
        lower[0x8A] = 0x9A;
        lower[0x8C] = 0x9C;
        lower[0x8E] = 0x9E;
        lower[0x9F] = 0xFF;
    }
};
constexpr FoldTable kFold;

unsigned char Folded(char c) {
    return kFold.lower[static_cast<unsigned char>(c)];
}

} // namespace

char FoldCase(char c) {
    return static_cast<char>(Folded(c));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && Folded(a[i]) != Folded(b[i]))
            return false;
    return true;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    size_t i = 0;
    // Names that are sorted side by side share long beginnings: equal bytes are passed over
    // eight at a time.
    for (uint64_t x = 0, y = 0; i + sizeof x <= n; i += sizeof x) {
        std::memcpy(&x, a.data() + i, sizeof x);
        std::memcpy(&y, b.data() + i, sizeof y);
        if (x != y)
            break;
    }
    for (; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        unsigned char x = Folded(a[i]);
        unsigned char y = Folded(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

std::string ResolveName(std::string_view dir, std::string_view name) {
    std::string exact = JoinPath(dir, name);
    std::error_code ec;
    if (fs::symlink_status(exact, ec).type() != fs::file_type::not_found && !ec)
        return exact;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : fs::path(std::string(dir)), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (EqualsNoCase(entry, name))
            return JoinPath(dir, entry);
    }
    return exact;
}

std::string ResolvePath(std::string_view base, std::initializer_list<std::string_view> parts) {
    std::string path(base);
    for (std::string_view part : parts)
        path = ResolveName(path, part);
    return path;
}

bool IsPresentFile(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    std::string name = BaseName(path);
    return !name.empty() && name[0] != '.';
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

int OpenRegularFile(const std::string& path, size_t* size) {
    // Opened without blocking, a FIFO that no program writes does not hold the open up.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        if (size)
            *size = static_cast<size_t>(info.st_size);
        return fd;
    }
    if (fd >= 0) {
        close(fd);
        errno = ENOENT;
    }
    return -1;
}

std::vector<std::string> ListPresentFiles(const std::string& dir) {
    // readdir rather than a directory_iterator: a ROM folder may hold tens of thousands of
    // files, and the entry type it reports spares a stat per file.
    std::vector<std::string> names;
    DIR* listing = opendir(dir.c_str());
    if (!listing)
        return names;
    while (const dirent* entry = readdir(listing)) {
        if (entry->d_name[0] == '.')
            continue;
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN)
            regular = IsPresentFile(JoinPath(dir, entry->d_name));
        if (regular)
            names.emplace_back(entry->d_name);
    }
    closedir(listing);
    return names;
}

bool MakeDirectory(std::string_view dir, std::string_view name) {
    std::string path = ResolveName(dir, name);
    std::error_code ec;
    fs::create_directory(path, ec);
    return fs::is_directory(path, ec);
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(path, ec) && !ec;
}

bool CopyFile(const std::string& from, const std::string& to, std::string* error) {
    int in = OpenRegularFile(from);
    int out = in < 0 ? -1 : open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    bool ok = out >= 0;
    char block[1 << 16];
    while (ok) {
        ssize_t got = read(in, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        ok = WriteAll(out, std::string_view(block, static_cast<size_t>(got)));
    }
    int failure = ok ? 0 : errno;
    if (out >= 0 && close(out) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (in >= 0)
        close(in);
    if (!ok) {
        if (out >= 0)
            unlink(to.c_str());
        if (error)
            *error = std::strerror(failure);
    }
    return ok;
}

bool WriteAll(int fd, std::string_view bytes) {
    return WriteAll(fd, std::vector<std::string_view>{bytes});
}

bool WriteAll(int fd, const std::vector<std::string_view>& pieces) {
    constexpr size_t kMostAtOnce = 1024; // IOV_MAX on Linux
    size_t at = 0;                       // the first piece not yet written whole
    size_t done = 0;                     // the bytes of it already written
    for (;;) {
        while (at < pieces.size() && done == pieces[at].size()) {
            ++at;
            done = 0;
        }
        if (at == pieces.size())
            return true;
        iovec batch[kMostAtOnce];
        size_t count = 0;
        for (size_t next = at; next < pieces.size() && count < kMostAtOnce; ++next, ++count) {
            const size_t skip = next == at ? done : 0;
            batch[count] = {const_cast<char*>(pieces[next].data() + skip),
                            pieces[next].size() - skip};
        }
        ssize_t wrote = writev(fd, batch, static_cast<int>(count));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        for (auto left = static_cast<size_t>(wrote); left > 0;) {
            const size_t taken = std::min(left, pieces[at].size() - done);
            done += taken;
            left -= taken;
            if (done == pieces[at].size()) {
                ++at;
                done = 0;
            }
        }
    }
}

std::string CurrentDirectory() {
    std::error_code ec;
    return fs::current_path(ec).string();
}

} // namespace arvok
