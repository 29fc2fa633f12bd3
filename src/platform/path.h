// File-system helpers: every path is built with JoinPath and every name is looked up without
// regard to letter case, so "Cfg" and "cfg", "Mame.dat" and "mame.dat" reach one file.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace arvok {

// "dir" + separator + "name"; an empty dir gives the name alone.
std::string JoinPath(std::string_view dir, std::string_view name);

// The directory part of a path ("" when it has none) and the last component.
std::string DirName(std::string_view path);
std::string BaseName(std::string_view path);

// Folds ASCII and Windows-1252 letters to lower case.
char FoldCase(char c);
bool EqualsNoCase(std::string_view a, std::string_view b);
// <0, 0 or >0, letter case ignored; ties between names differing only in case are broken by
// the bytes so that an order built with it is stable.
int CompareNoCase(std::string_view a, std::string_view b);

// The path of "name" inside "dir": the exact spelling when it exists, else the first entry
// whose name matches without regard to case, else dir joined with "name" as given.
std::string ResolveName(std::string_view dir, std::string_view name);
// ResolveName applied to each component in turn, starting at "base".
std::string ResolvePath(std::string_view base, std::initializer_list<std::string_view> parts);

// A file counts as present when it is a regular file whose name does not begin with ".".
bool IsPresentFile(const std::string& path);
bool IsDirectory(const std::string& path);
// Opens a regular file (or a link to one) for reading without ever waiting on it. A FIFO, a
// socket, a device or a directory at the name is not read: it gives -1, as a file that cannot be
// opened does. The file's size goes to "size" when it is given.
int OpenRegularFile(const std::string& path, size_t* size = nullptr);
// Names of the present files in "dir" (unsorted); an unreadable directory gives none.
std::vector<std::string> ListPresentFiles(const std::string& dir);
// Creates "name" in "dir" unless an entry of that name (in any case) exists; true when the
// directory exists afterwards.
bool MakeDirectory(std::string_view dir, std::string_view name);
bool RemoveFile(const std::string& path);
// Copies "from" into a new file "to". The new file is opened exclusively: whatever stands at
// "to", even a file that appeared a moment ago, is never overwritten. On failure a partial copy
// is removed, "error" (when given) says why in the system's words, and false is returned.
bool CopyFile(const std::string& from, const std::string& to, std::string* error = nullptr);
// Writes all of "bytes" to the open file "fd", going on after an interrupted write; false, with
// errno telling why, when a write fails.
bool WriteAll(int fd, std::string_view bytes);
// The same for "pieces" written one after another, as many at a time as one system call takes:
// a file can be written from the places its bytes already stand without copying them together.
bool WriteAll(int fd, const std::vector<std::string_view>& pieces);
std::string CurrentDirectory();

} // namespace arvok
