#include <QLineEdit>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include "platform/path.h"
#include "platform/qt/ansi.h"

namespace arvok {
namespace {

// Every byte as Qt's own Windows-1252 decoder reads it (the five bytes the code page leaves
// undefined stand for the controls of their number), and every character of the Basic
// Multilingual Plane encoded as the byte that decodes to it, else as "?".
TEST(CodePage, EveryByteAndEveryCharacterAreWindows1252) {
    QStringDecoder decoder("windows-1252");
    ASSERT_TRUE(decoder.isValid());
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    const QString table = decoder.decode(QByteArray::fromStdString(bytes));
    ASSERT_EQ(table.size(), 256);
    EXPECT_EQ(FromAnsi(bytes), table);
    std::vector<std::string> wrong;
    for (char32_t ch = 0; ch < 0x10000; ++ch) {
        const qsizetype byte = table.indexOf(QChar(static_cast<char16_t>(ch)));
        const std::string encoded = ToAnsi(QString(QChar(static_cast<char16_t>(ch))));
        if (encoded != (byte < 0 ? "?" : std::string(1, static_cast<char>(byte))))
            wrong.push_back(QString::number(ch, 16).toStdString() + " as " + encoded);
    }
    EXPECT_EQ(wrong, std::vector<std::string>{});
}

// Names match without regard to case as Qt's upper case of their characters does, accented
// letters included; letters differing in case only are ordered by the letters after them.
TEST(CodePage, EveryLetterMatchesItsCapital) {
    std::vector<std::string> wrong;
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            const std::string x(1, static_cast<char>(a)), y(1, static_cast<char>(b));
            const bool same = FromAnsi(x).toUpper() == FromAnsi(y).toUpper();
            const bool tied = a != b && CompareNoCase(x, y) == 0;
            if (EqualsNoCase(x, y) != same || tied ||
                (same && CompareNoCase(x + "b", y + "a") <= 0))
                wrong.push_back(x + " " + y);
        }
    }
    EXPECT_EQ(wrong, std::vector<std::string>{});
    EXPECT_FALSE(EqualsNoCase("pac", "pacman"));
}

// A path is the file system's bytes: put into a text box and read back it is the same bytes,
// whether UTF-8 (a character outside the Basic Multilingual Plane too) or not.
TEST(PathText, ComesBackFromATextBoxAsTheSameBytes) {
    QLineEdit box;
    for (const std::string path : {"/roms/\xF0\x9F\x92\xBE disk", "/snap \xFC/\xC3",
                                   "/emu/m\xC3\xA4me", "/\xF0\x9F\x8E\xAE\xED\xA0\x80"}) {
        box.setText(FromPath(path));
        EXPECT_EQ(ToPath(box.text()), path);
    }
    EXPECT_EQ(FromPath("/roms/\xF0\x9F\x92\xBE"), QString::fromUtf8("/roms/\xF0\x9F\x92\xBE"));
}

} // namespace
} // namespace arvok
