// Helpers shared by all test programs.
#pragma once

#include <string>
#include <vector>

namespace arvok::test {

// A fresh directory under /tmp, removed with everything in it when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    // path() joined with a relative name ("Cfg/Mame.cfg").
    std::string operator/(const std::string& rel) const;

private:
    std::string path_;
};

// Writes bytes to a file, creating its directories.
void WriteBytes(const std::string& path, const std::string& bytes);
// The lines, each followed by CR LF.
std::string WithCrLf(const std::vector<std::string>& lines);
void WriteLines(const std::string& path, const std::vector<std::string>& lines);
// The file's bytes, or "<missing>" when it cannot be read.
std::string ReadBytes(const std::string& path);

// Path of a file under tests/fixtures or the shipped data/ folder.
std::string Fixture(const std::string& rel);
std::string ShippedData(const std::string& rel);

} // namespace arvok::test
