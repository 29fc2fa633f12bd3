// Name lookups without regard to letter case in folders that hold many names (a snapshot folder
// of tens of thousands of pictures, a ROM folder of as many zips), answered from a listing of
// each folder read once and kept while the folder stays as it was.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/file_stamp.h"

namespace arvok {

// The names of one folder, each under its spelling with letter case folded (FoldCase); of names
// that fold alike, the one the folder lists first.
class FolderNames {
public:
    explicit FolderNames(const std::string& dir);
    // False when the folder could not be read.
    bool ok() const { return ok_; }
    // The name that matches "name" without regard to case; nullptr for none.
    const std::string* find(std::string_view name) const;

private:
    std::unordered_map<std::string, std::string> byFolded_;
    bool ok_ = false;
};

// ResolveName and ResolvePath over kept listings: a folder is read again when its stamp tells
// that a name was added, renamed or removed since (as KeptFiles tells a changed file), so what
// is found is what ResolveName finds.
class FolderListings {
public:
    std::string resolveName(std::string_view dir, std::string_view name);
    std::string resolvePath(std::string_view base, std::initializer_list<std::string_view> parts);

private:
    KeptFiles<FolderNames> kept_{8};
};

} // namespace arvok
