#include "platform/code_page.h"

namespace arvok {

namespace {

// 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The character of the UTF-8 sequence at "pos" and its length; nothing when the bytes there are
// no whole, shortest sequence.
std::optional<char32_t> Utf8At(const std::string& text, size_t pos, size_t& length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (lead >= 0xF5 || length == 0 || pos + length > text.size())
        return std::nullopt;
    char32_t ch = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        ch = (ch << 6) | (next & 0x3F);
    }
    const char32_t shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (ch < shortest || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return std::nullopt;
    return ch;
}

} // namespace

char32_t CodePageChar(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] ? kHigh[byte - 0x80] : byte;
}

std::optional<char> CodePageByte(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<char>(ch);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] ? kHigh[i] == ch : ch == static_cast<char32_t>(0x80 + i))
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

char32_t NextPathChar(const std::string& path, size_t& pos) {
    const auto byte = static_cast<unsigned char>(path[pos]);
    size_t length = 1;
    std::optional<char32_t> ch = byte < 0x80 ? byte : Utf8At(path, pos, length);
    if (!ch)
        length = 1;
    pos += length;
    return ch.value_or(kRawPathByte + byte);
}

bool IsRawPathByte(char32_t ch) {
    return ch >= kRawPathByte + 0x80 && ch <= kRawPathByte + 0xFF;
}

std::string PathText(const std::string& path) {
    std::string text;
    for (size_t pos = 0; pos < path.size();) {
        const char32_t ch = NextPathChar(path, pos);
        text += IsRawPathByte(ch) ? static_cast<char>(ch - kRawPathByte)
                                  : CodePageByte(ch).value_or('?');
    }
    return text;
}

} // namespace arvok
