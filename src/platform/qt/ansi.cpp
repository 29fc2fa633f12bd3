#include "platform/qt/ansi.h"

#include "platform/code_page.h"

namespace arvok {

QString FromAnsi(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        out.append(QChar(static_cast<char16_t>(CodePageChar(static_cast<unsigned char>(c)))));
    return out;
}

std::string ToAnsi(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar qc : text)
        out += CodePageByte(qc.unicode()).value_or('?');
    return out;
}

bool IsAnsi(const QString& text) {
    return FromAnsi(ToAnsi(text)) == text;
}

QString FromPath(const std::string& bytes) {
    QString out;
    for (size_t pos = 0; pos < bytes.size();) {
        const char32_t ch = NextPathChar(bytes, pos);
        if (QChar::requiresSurrogates(ch)) {
            out.append(QChar(QChar::highSurrogate(ch)));
            out.append(QChar(QChar::lowSurrogate(ch)));
        } else {
            out.append(QChar(static_cast<char16_t>(ch)));
        }
    }
    return out;
}

std::string ToPath(const QString& text) {
    std::string out;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool paired = i > 0 && text[i - 1].isHighSurrogate();
        if (paired || !IsRawPathByte(text[i].unicode()))
            continue;
        out += text.mid(from, i - from).toStdString();
        out += static_cast<char>(text[i].unicode() - kRawPathByte);
        from = i + 1;
    }
    return out + text.mid(from).toStdString();
}

} // namespace arvok
