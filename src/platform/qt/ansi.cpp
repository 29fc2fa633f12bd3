#include "platform/qt/ansi.h"

#include <QFile>

namespace arvok {

namespace {
// 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined (kept as Latin-1 controls).
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QString FromAnsi(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        auto u = static_cast<unsigned char>(c);
        char16_t ch = (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80]) ? kHigh[u - 0x80] : u;
        out.append(QChar(ch));
    }
    return out;
}

std::string ToAnsi(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar qc : text) {
        char16_t ch = qc.unicode();
        if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
            out += static_cast<char>(ch);
            continue;
        }
        char found = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] ? kHigh[i] == ch : ch == 0x80 + i)
                found = static_cast<char>(0x80 + i);
        out += found;
    }
    return out;
}

bool IsAnsi(const QString& text) {
    return FromAnsi(ToAnsi(text)) == text;
}

QString FromPath(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string ToPath(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

} // namespace arvok
