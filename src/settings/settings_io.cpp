#include "settings/settings_io.h"

#include <charconv>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/code_page.h"
#include "platform/path.h"
#include "platform/text_file.h"

namespace arvok::settings_io {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The position of the quote that closes a quoted item opened before "from", or npos.
size_t ClosingQuote(std::string_view line, size_t from) {
    for (size_t q = line.find('"', from); q != std::string_view::npos; q = line.find('"', q + 1)) {
        size_t after = q + 1;
        while (after < line.size() && IsBlank(line[after]))
            ++after;
        if (after == line.size() || line[after] == ',')
            return q;
    }
    return std::string_view::npos;
}

} // namespace

std::vector<std::string> SplitItems(std::string_view line, size_t most) {
    std::vector<std::string> items;
    size_t pos = 0;
    while (items.size() < most) {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
        if (pos < line.size() && line[pos] == '"') {
            size_t close = ClosingQuote(line, pos + 1);
            if (close == std::string_view::npos) {
                items.emplace_back(line.substr(pos + 1));
                return items;
            }
            items.emplace_back(line.substr(pos + 1, close - pos - 1));
            pos = line.find(',', close);
        } else {
            size_t comma = line.find(',', pos);
            items.emplace_back(line.substr(pos, comma - pos));
            pos = comma;
        }
        if (pos == std::string_view::npos)
            return items;
        ++pos;
    }
    return items;
}

std::optional<int> ParseNumber(std::string_view text, size_t mostDigits) {
    size_t digits = text.size() - (!text.empty() && text[0] == '-' ? 1 : 0);
    if (digits == 0 || digits > mostDigits)
        return std::nullopt;
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

FileState ReadSettingsLines(const std::string& path, std::vector<std::string>& lines,
                            Recognised recognised) {
    if (ReadLines(path, lines) && (lines.empty() || !recognised || recognised(lines)))
        return FileState::Read;
    lines.clear();
    return IsMissing(path) ? FileState::Missing : FileState::Unreadable;
}

std::optional<CannotKeep> OneLineProblem(const std::string& what, const std::string& value) {
    const char* holds = WhatBreaksLine(value);
    if (!holds)
        return std::nullopt;
    return CannotKeep{what, value, holds};
}

} // namespace arvok::settings_io

namespace arvok {

using settings_io::FileState;
using settings_io::SaveStop;
using settings_io::SettingsSave;

std::string SettingsFiles::path(std::string_view a, std::string_view b) const {
    return ResolvePath(dirInst_, {a, b});
}

FileState SettingsFiles::read(const std::string& path, std::vector<std::string>& lines,
                              settings_io::Recognised recognised) {
    FileState state = settings_io::ReadSettingsLines(path, lines, recognised);
    note(path, state);
    return state;
}

FileState SettingsFiles::readBytes(const std::string& path, std::string& bytes) {
    FileState state = ReadTextFile(path, bytes) ? FileState::Read
                      : IsMissing(path)         ? FileState::Missing
                                                : FileState::Unreadable;
    note(path, state);
    return state;
}

void SettingsFiles::note(const std::string& path, FileState state) {
    if (state == FileState::Read)
        unreadable_.erase(path);
    if (state == FileState::Unreadable)
        unreadable_.insert(path);
}

SettingsSave SettingsFiles::save(const std::string& path, const std::string& bytes,
                                 settings_io::Recognised recognised) {
    return save(
        path, [&bytes](const std::vector<std::string>&) { return bytes; }, recognised);
}

SettingsSave SettingsFiles::save(const std::string& path, const Compose& compose,
                                 settings_io::Recognised recognised) {
    std::vector<std::string> old;
    if (unreadable_.count(path) == 0 && read(path, old, recognised) == FileState::Unreadable)
        return {path, SaveStop::FoundUnreadable, {}, {}};
    const std::string bytes = compose(old);
    // A save that would leave the file byte for byte as it is writes nothing: a launch saves the
    // settings file before each run, most often unchanged. A file that could not be replaced is
    // still told of as a save that failed.
    std::string present;
    struct stat info {};
    if (unreadable_.count(path) == 0 && ReadFileBytes(path, present) && present == bytes &&
        stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) &&
        access(path.c_str(), W_OK) == 0 && access(DirName(path).c_str(), W_OK) == 0)
        return {path, SaveStop::None, {}, {}};
    return saveRead(path, {bytes});
}

SettingsSave SettingsFiles::saveRead(const std::string& path,
                                     const std::vector<std::string_view>& pieces) {
    if (unreadable_.count(path) > 0)
        return {path, SaveStop::KnownUnreadable, {}, {}};
    SaveResult written = WriteFileAtomically(path, pieces);
    if (written.saved)
        return {path, SaveStop::None, {}, {}};
    return {path, SaveStop::WriteFailed, written.why, {}};
}

} // namespace arvok
