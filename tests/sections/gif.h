// Small pictures for the snapshot, slide-show and animation tests.
#pragma once

#include <string>

namespace arvok::test {

// The bytes of a one-pixel GIF of the given colour.
inline std::string OnePixelGif(unsigned char r, unsigned char g, unsigned char b) {
    std::string bytes = "GIF89a";
    bytes += std::string("\x01\x00\x01\x00\x80\x00\x00", 7);
    bytes += {static_cast<char>(r), static_cast<char>(g), static_cast<char>(b), 0, 0, 0};
    bytes += std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    bytes += std::string("\x02\x02\x44\x01\x00\x3B", 6);
    return bytes;
}

} // namespace arvok::test
