// Windows-1252, the code page of every text the program keeps (data files, settings, messages),
// and how a path, which is the file system's bytes, is put into such a text.
#pragma once

#include <optional>
#include <string>

namespace arvok {

// The character a byte stands for: Latin-1, but for the letters and signs of 0x80..0x9F (the
// five bytes the code page leaves undefined stay the Latin-1 controls).
char32_t CodePageChar(unsigned char byte);
// The byte standing for "ch"; none when the code page lacks it.
std::optional<char> CodePageByte(char32_t ch);

// The character of "path" at "pos", which then moves past it. A path is the file system's bytes,
// UTF-8 as the path fields show them; a byte that is no part of UTF-8 comes as the lone low
// surrogate kRawPathByte + byte, which no UTF-8 text holds, so that it can be told back.
constexpr char32_t kRawPathByte = 0xDC00;
char32_t NextPathChar(const std::string& path, size_t& pos);
// Whether "ch" stands for a byte of a path that is no part of UTF-8.
bool IsRawPathByte(char32_t ch);

// A path as a message names it. A path is the file system's bytes, UTF-8 as the path fields show
// them: its characters are put into the message's code page, one the code page lacks as "?";
// a byte that is no part of UTF-8 is kept as it is.
std::string PathText(const std::string& path);

} // namespace arvok
