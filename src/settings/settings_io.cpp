#include "settings/settings_io.h"

#include <charconv>
#include <set>

#include "platform/code_page.h"
#include "platform/dialogs.h"
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

namespace {

// The settings files found unreadable in this run.
std::set<std::string>& UnreadableFiles() {
    static std::set<std::string> paths;
    return paths;
}

// The settings files whose last save failed; the user has been told of each.
std::set<std::string>& UnsavedFiles() {
    static std::set<std::string> paths;
    return paths;
}

void TellUnreadable(const std::string& path) {
    dialogs().message("The settings file\r" + PathText(path) +
                          "\rcould not be read. Default settings are used, and nothing is saved "
                          "over that file.",
                      MsgStyle::Warning);
}

} // namespace

FileState ReadSettingsFile(const std::string& path, std::vector<std::string>& lines,
                           Recognised recognised) {
    if (ReadLines(path, lines) && (lines.empty() || !recognised || recognised(lines))) {
        UnreadableFiles().erase(path);
        return FileState::Read;
    }
    lines.clear();
    if (IsMissing(path))
        return FileState::Missing;
    ReportUnreadable(path);
    return FileState::Unreadable;
}

FileState ReadSettingsBytes(const std::string& path, std::string& bytes) {
    if (ReadTextFile(path, bytes)) {
        UnreadableFiles().erase(path);
        return FileState::Read;
    }
    if (IsMissing(path))
        return FileState::Missing;
    ReportUnreadable(path);
    return FileState::Unreadable;
}

void ReportUnreadable(const std::string& path) {
    if (UnreadableFiles().insert(path).second)
        TellUnreadable(path);
}

bool SaveFile(const std::string& path, const std::string& bytes, Report report,
              Recognised recognised) {
    return SaveFile(
        path, [&bytes](const std::vector<std::string>&) { return bytes; }, report, recognised);
}

bool SaveFile(const std::string& path, const Compose& compose, Report report,
              Recognised recognised) {
    std::vector<std::string> old;
    if (UnreadableFiles().count(path) == 0 &&
        ReadSettingsFile(path, old, recognised) == FileState::Unreadable)
        return false;
    return SaveReadFile(path, compose(old), report);
}

bool SaveReadFile(const std::string& path, const std::string& bytes, Report report) {
    if (UnreadableFiles().count(path) > 0) {
        if (report == Report::EachTime)
            TellUnreadable(path);
        return false;
    }
    if (WriteFileAtomically(path, bytes)) {
        UnsavedFiles().erase(path);
        return true;
    }
    if (UnsavedFiles().insert(path).second || report == Report::EachTime)
        ReportSaveFailure(path);
    return false;
}

void TellCannotKeep(const std::string& what, const std::string& value, const char* why,
                    const char* outcome) {
    dialogs().message(what + "\r" + PathText(value) +
                          "\rcannot be kept in the settings file: it holds " + why + ". " + outcome,
                      MsgStyle::Warning);
}

bool FitsOneLine(const std::string& what, const std::string& value, const char* outcome) {
    if (!HoldsLineBreak(value))
        return true;
    TellCannotKeep(what, value, "a line break", outcome);
    return false;
}

void ReportSaveFailure(const std::string& path) {
    dialogs().message("The settings could not be saved in\r" + PathText(path), MsgStyle::Warning);
}

} // namespace arvok::settings_io
