#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace arvok::fuzz {

namespace {

std::string MakeInstallation() {
    std::error_code ec;
    fs::path base =
        fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string root = (base / "arvok-fuzz-XXXXXX").string();
    if (!mkdtemp(root.data()))
        Fail("mkdtemp", root);
    fs::create_directories(root + "/Data");
    fs::create_directories(root + "/Cfg");
    return root;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            out += code;
        }
    }
    return out;
}

} // namespace

const std::string& Root() {
    // Never destroyed, so that the removal at exit still has the name.
    static const std::string* root = nullptr;
    if (!root) {
        root = new std::string(MakeInstallation());
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(*root, ec);
        });
    }
    return *root;
}

SettingsFiles& Settings() {
    static SettingsFiles files(Root());
    return files;
}

GameSettingsFiles& GameSettings() {
    static GameSettingsFiles files(Settings());
    return files;
}

DataFiles& Data() {
    static DataFiles files(Root());
    return files;
}

void Put(const std::string& rel, std::string_view bytes) {
    std::string path = Root() + "/" + rel;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0)
        Fail("the fuzz input could not be written", path);
}

void Remove(const std::string& rel) {
    std::error_code ec;
    fs::remove(Root() + "/" + rel, ec);
}

std::string Get(const std::string& rel) {
    std::string bytes;
    ReadFileBytes(Root() + "/" + rel, bytes);
    return bytes;
}

Emu PickEmu(FuzzedDataProvider& input) {
    return kAllEmus[input.ConsumeIntegralInRange<size_t>(0, kAllEmus.size() - 1)];
}

std::string OneLine(FuzzedDataProvider& input, size_t most) {
    std::string text = input.ConsumeRandomLengthString(most);
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\0')
            c = ' ';
    return text;
}

std::string WithControlByte(FuzzedDataProvider& input, std::string text) {
    const char byte = input.PickValueInArray({'\r', '\n', '\0', '\t', '\x01', '\x1A', '\x7F'});
    text.insert(input.ConsumeIntegralInRange<size_t>(0, text.size()), 1, byte);
    return text;
}

bool FitsOneLine(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool IsTextFile(std::string_view bytes) {
    std::string_view text = bytes.substr(bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0);
    return text.substr(0, 2) != "\xFF\xFE" && text.substr(0, 2) != "\xFE\xFF" &&
           bytes.find('\0') == std::string_view::npos;
}

std::string MaybeNotText(uint32_t choice, std::string_view bytes) {
    if (choice % 4 != 0)
        return std::string(bytes);
    if (choice / 4 % 3 == 2) {
        std::string spoilt(bytes);
        spoilt.insert(choice / 16 % (bytes.size() + 1), 1, '\0');
        return spoilt;
    }
    const bool little = choice / 4 % 3 == 0;
    std::string utf16 = little ? "\xFF\xFE" : "\xFE\xFF";
    for (char c : bytes) {
        utf16 += little ? c : '\0';
        utf16 += little ? '\0' : c;
    }
    return utf16;
}

std::vector<std::string> TextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            line += bytes[i];
            continue;
        }
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

std::string WithLineEnds(uint32_t choice, const std::vector<std::string>& lines) {
    const char* const ends[] = {"\r\n", "\n", "\r"};
    std::string bytes = choice % 8 == 7 ? "\xEF\xBB\xBF" : "";
    const uint32_t kind = choice / 8 % 4;
    for (size_t i = 0; i < lines.size(); ++i)
        bytes += lines[i] + ends[kind < 3 ? kind : (choice >> (5 + i % 26)) % 3];
    return bytes;
}

std::string_view Piece(std::string_view line, int number) {
    for (; number > 1; --number) {
        size_t semi = line.find(';');
        if (semi == std::string_view::npos)
            return {};
        line.remove_prefix(semi + 1);
    }
    return line.substr(0, line.find(';'));
}

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "\nfuzz check failed: %s\n  %s\n", what, Escaped(detail).c_str());
    std::abort();
}

} // namespace arvok::fuzz
