#include "support/test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace arvok::test {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "arvok-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempDir::operator/(const std::string& rel) const {
    return path_ + "/" + rel;
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

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string Fixture(const std::string& rel) {
    return std::string(ARVOK_FIXTURES) + "/" + rel;
}
std::string ShippedData(const std::string& rel) {
    return std::string(ARVOK_DATA) + "/" + rel;
}

} // namespace arvok::test
