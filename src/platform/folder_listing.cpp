#include "platform/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include "platform/path.h"

namespace arvok {

namespace {

std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        c = FoldCase(c);
    return folded;
}

} // namespace

FolderNames::FolderNames(const std::string& dir) {
    DIR* listing = opendir(dir.c_str());
    if (!listing)
        return;
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            byFolded_.emplace(Folded(name), name);
    }
    closedir(listing);
    ok_ = true;
}

const std::string* FolderNames::find(std::string_view name) const {
    auto at = byFolded_.find(Folded(name));
    return at == byFolded_.end() ? nullptr : &at->second;
}

std::string FolderListings::resolveName(std::string_view dir, std::string_view name) {
    std::string exact = JoinPath(dir, name);
    struct stat info {};
    if (lstat(exact.c_str(), &info) == 0)
        return exact;
    const std::string* found = kept_.get(dir.empty() ? "." : std::string(dir))->find(name);
    return found ? JoinPath(dir, *found) : exact;
}

std::string FolderListings::resolvePath(std::string_view base,
                                        std::initializer_list<std::string_view> parts) {
    std::string path(base);
    for (std::string_view part : parts)
        path = resolveName(path, part);
    return path;
}

} // namespace arvok
