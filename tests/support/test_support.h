// Helpers shared by all test programs.
#pragma once

#include <atomic>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

namespace arvok::test {

// A fresh directory under TMPDIR, else /dev/shm, else /tmp, removed with everything in it when the
// object goes away.
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

// While it lives, this thread is held to files' permission bits even when it runs as root (the
// capabilities that override them are off), so that a file of mode 0000 cannot be read by it.
class PermissionBitsHold {
public:
    PermissionBitsHold();
    ~PermissionBitsHold();
    PermissionBitsHold(const PermissionBitsHold&) = delete;
    PermissionBitsHold& operator=(const PermissionBitsHold&) = delete;

private:
    unsigned saved_[2] = {0, 0};
    bool changed_ = false;
};

// A FIFO that nothing writes, made at "path" (its directories too). A reader that waits on it is
// let go after a second, reading nothing, and the wait is noted, so that a test of a program
// that would hang fails instead.
class UnwrittenFifo {
public:
    explicit UnwrittenFifo(const std::string& path);
    ~UnwrittenFifo();
    UnwrittenFifo(const UnwrittenFifo&) = delete;
    UnwrittenFifo& operator=(const UnwrittenFifo&) = delete;
    bool waitedOn() const { return waited_; }

private:
    std::string path_;
    std::atomic<bool> stop_{false}, waited_{false};
    std::thread watch_;
};

// Writes bytes to a file, creating its directories.
void WriteBytes(const std::string& path, const std::string& bytes);
// The lines, each followed by CR LF.
std::string WithCrLf(const std::vector<std::string>& lines);
void WriteLines(const std::string& path, const std::vector<std::string>& lines);
// A shell script of "body" that may be run.
void WriteScript(const std::string& path, const std::string& body);
// The file's bytes, or "<missing>" when it cannot be read.
std::string ReadBytes(const std::string& path);

// Every entry of a directory, hidden ones included, sorted; none when it cannot be listed.
std::vector<std::string> Entries(const std::string& dir);
// Every file and folder below "dir", each path followed by its bytes.
std::string Contents(const std::string& dir);

// A local time of day and date: 9:30:05 on 7 February 1999 is Moment(9, 30, 5, 7, 2, 1999).
std::tm Moment(int hour, int minute, int second, int day, int month, int year);

// Path of a file under tests/fixtures or the shipped data/ folder.
std::string Fixture(const std::string& rel);
std::string ShippedData(const std::string& rel);

} // namespace arvok::test
