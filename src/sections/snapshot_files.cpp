#include "sections/snapshot_files.h"

#include "platform/path.h"

namespace arvok {

namespace {

const char* ChosenFormat(bool gif, bool jpg, bool bmp) {
    if (gif)
        return "gif";
    if (jpg)
        return "jpg";
    if (bmp)
        return "bmp";
    return nullptr;
}

bool IsTwoDigits(const std::string& text) {
    return text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9';
}

} // namespace

std::string SnapExtension(bool gif, bool jpg, bool bmp) {
    const char* format = ChosenFormat(gif, jpg, bmp);
    return format ? std::string(".") + format : std::string();
}

std::string SnapPattern(bool gif, bool jpg, bool bmp) {
    const char* format = ChosenFormat(gif, jpg, bmp);
    return format ? std::string("*.") + format : std::string();
}

std::string SnapshotFile(FolderListings& folders, const std::string& snapDir,
                         const std::string& set, const std::string& ext) {
    return NumberedSnapshotFile(folders, snapDir, set, {}, ext);
}

std::string NumberedSnapshotFile(FolderListings& folders, const std::string& snapDir,
                                 const std::string& set, const std::string& counter,
                                 const std::string& ext) {
    if (snapDir.empty())
        return {};
    return folders.resolveName(snapDir, set + counter + ext);
}

std::string AnimMarkerFile(FolderListings& folders, const std::string& dirInst,
                           const std::string& set) {
    return AnimFrameFile(folders, dirInst, set, {});
}

std::string AnimFrameFile(FolderListings& folders, const std::string& dirInst,
                          const std::string& set, const std::string& counter) {
    return folders.resolvePath(dirInst, {"Anim", set, set + counter + ".gif"});
}

bool HasAnimation(FolderListings& folders, const std::string& dirInst, const std::string& set) {
    return !set.empty() && IsPresentFile(AnimMarkerFile(folders, dirInst, set));
}

std::string NextSlideCounter(const std::string& counter) {
    if (!IsTwoDigits(counter))
        return "00";
    int next = ((counter[0] - '0') * 10 + (counter[1] - '0') + 1) % 100;
    return {static_cast<char>('0' + next / 10), static_cast<char>('0' + next % 10)};
}

} // namespace arvok
