#include "support/test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/capability.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace arvok::test {

namespace {

// TMPDIR when it is set; else the memory file system where there is one that runs programs (the
// stand-in emulators), since the tests write and flush many small files and a disk makes each
// flush wait; else the system's temporary directory.
fs::path TempRoot() {
    const char* set = std::getenv("TMPDIR");
    struct statvfs shm {};
    if (!(set && *set) && access("/dev/shm", W_OK | X_OK) == 0 && statvfs("/dev/shm", &shm) == 0 &&
        !(shm.f_flag & ST_NOEXEC))
        return "/dev/shm";
    return fs::temp_directory_path();
}

} // namespace

TempDir::TempDir() {
    std::string pattern = (TempRoot() / "arvok-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

UnwrittenFifo::UnwrittenFifo(const std::string& path) : path_(path) {
    fs::create_directories(fs::path(path).parent_path());
    if (mkfifo(path.c_str(), 0644) != 0)
        throw std::runtime_error("mkfifo failed");
    // Opening it for writing succeeds only while a reader has it open, and lets a reader that
    // waits in its open go on.
    watch_ = std::thread([this] {
        const auto start = std::chrono::steady_clock::now();
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
                continue;
            int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                waited_ = true;
                close(fd);
            }
        }
    });
}

UnwrittenFifo::~UnwrittenFifo() {
    stop_ = true;
    watch_.join();
}

std::string TempDir::operator/(const std::string& rel) const {
    return path_ + "/" + rel;
}

namespace {

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool Capabilities(__user_cap_data_struct (&data)[2], bool set) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

} // namespace

PermissionBitsHold::PermissionBitsHold() {
    __user_cap_data_struct data[2]{};
    if (!Capabilities(data, false))
        return;
    saved_[0] = data[0].effective;
    saved_[1] = data[1].effective;
    data[0].effective &= ~kOverrides;
    changed_ = Capabilities(data, true);
}

PermissionBitsHold::~PermissionBitsHold() {
    __user_cap_data_struct data[2]{};
    if (!changed_ || !Capabilities(data, false))
        return;
    data[0].effective = saved_[0];
    data[1].effective = saved_[1];
    Capabilities(data, true);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string WithCrLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    WriteBytes(path, WithCrLf(lines));
}

void WriteScript(const std::string& path, const std::string& body) {
    WriteBytes(path, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::vector<std::string> Entries(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec); !ec && it != fs::directory_iterator();
         it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Contents(const std::string& dir) {
    std::string all;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        all += entry.path().string() + "\n" + ReadBytes(entry.path()) + "\n";
    return all;
}

std::tm Moment(int hour, int minute, int second, int day, int month, int year) {
    std::tm at{};
    at.tm_hour = hour;
    at.tm_min = minute;
    at.tm_sec = second;
    at.tm_mday = day;
    at.tm_mon = month - 1;
    at.tm_year = year - 1900;
    return at;
}

std::string Fixture(const std::string& rel) {
    return std::string(ARVOK_FIXTURES) + "/" + rel;
}
std::string ShippedData(const std::string& rel) {
    return std::string(ARVOK_DATA) + "/" + rel;
}

} // namespace arvok::test
