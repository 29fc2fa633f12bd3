#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/file_stamp.h"
#include "platform/text_file.h"
#include "support/test_support.h"

namespace arvok {
namespace {

using test::TempDir;
using test::WriteBytes;

struct Bytes {
    explicit Bytes(const std::string& path) : read(ReadFileBytes(path, bytes)) {}
    bool ok() const { return read; }
    std::string bytes;
    bool read;
};

// The stamps of a file system that keeps its times in whole seconds.
std::optional<FileStamp> WholeSecondStamp(const std::string& path) {
    std::optional<FileStamp> stamp = StampOf(path);
    if (stamp)
        stamp->modified.nanoseconds = stamp->changed.nanoseconds = 0;
    return stamp;
}

// Another program's edit in place that keeps the size, within the second of the last read, leaves
// the stamp of a whole-second file system as it was: the copy read in that second is not trusted.
// On a file system with finer times a copy is kept once the file is older than a step.
TEST(KeptFiles, ACopyReadWithinTheFileSystemsStepOfAChangeIsReadAgain) {
    TempDir dir;
    const std::string path = dir / "Mame.set";
    // Both writes fall within one second.
    while (FileClockNow().nanoseconds > 500000000)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    WriteBytes(path, "one");
    KeptFiles<Bytes> wholeSeconds(2, WholeSecondStamp);
    EXPECT_EQ(wholeSeconds.get(path)->bytes, "one");
    WriteBytes(path, "two");
    EXPECT_EQ(wholeSeconds.get(path)->bytes, "two");

    KeptFiles<Bytes> fine(2);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    std::shared_ptr<const Bytes> first = fine.get(path);
    EXPECT_EQ(fine.get(path), first);
}

} // namespace
} // namespace arvok
