// What the fuzz targets share: a private installation directory for the run with its settings
// and data files, and a check that stops the run with what went wrong.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/data_file.h"
#include "core/section.h"
#include "settings/game_settings.h"
#include "settings/settings_io.h"

namespace arvok::fuzz {

// Makes the installation folder on first use (under /dev/shm when there is one, so that synced
// rewrites stay cheap), with empty Data and Cfg folders. Removed when the run ends.
const std::string& Root();
// The settings files, the per-game files and the data files of that installation, kept for the
// run as the program keeps them.
SettingsFiles& Settings();
GameSettingsFiles& GameSettings();
DataFiles& Data();

// Writes "bytes" to the installation's file "rel" ("Cfg/Mame.cfg"), replacing it.
void Put(const std::string& rel, std::string_view bytes);
// Removes the installation's file "rel" when it is there.
void Remove(const std::string& rel);
// The bytes of the installation's file "rel"; empty when it cannot be read.
std::string Get(const std::string& rel);

// One of the five sections.
Emu PickEmu(FuzzedDataProvider& input);
// A text of at most "most" bytes that holds no line break and no NUL byte.
std::string OneLine(FuzzedDataProvider& input, size_t most = 64);
// "text" with one control byte put in at a fuzzed place: a CR, an LF or a NUL, which no line of
// a text file can keep, or another (a tab, 0x01, 0x1A, DEL), which one can.
std::string WithControlByte(FuzzedDataProvider& input, std::string text);
// Whether "text" can be one line of a text file: it holds no CR, no LF and no NUL.
bool FitsOneLine(std::string_view text);

// Whether the program may take "bytes" for text: they do not begin with a UTF-16 byte-order mark,
// behind a UTF-8 one or not, and hold no NUL byte.
bool IsTextFile(std::string_view bytes);
// "bytes" as they are, or for one "choice" in four as no text reader may take them: as an editor
// saves them as "Unicode" (UTF-16, little- or big-endian, behind its byte-order mark), or with a
// NUL byte put in.
std::string MaybeNotText(uint32_t choice, std::string_view bytes);

// The lines of a text file as the program's readers take them: a UTF-8 byte-order mark at the
// start skipped, split at CR LF, at LF and at a CR alone, a last line without a line end counted.
std::vector<std::string> TextLines(std::string_view bytes);
// "lines" as another editor or system may have saved them, as "choice" picks: each ended by
// CR LF, LF or a CR alone, all alike or mixed, and now and then a byte-order mark first.
std::string WithLineEnds(uint32_t choice, const std::vector<std::string>& lines);
// Piece "number" (counted from 1) of a data-file line cut at every ";"; empty past the last.
std::string_view Piece(std::string_view line, int number);

// Prints "what" and "detail" (non-printing bytes escaped) and aborts, so that the fuzzer keeps
// the input.
[[noreturn]] void Fail(const char* what, const std::string& detail);

} // namespace arvok::fuzz

// Stops the run when "condition" is false; "detail" says what was compared.
#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::arvok::fuzz::Fail(#condition, (detail));                                             \
    } while (false)
