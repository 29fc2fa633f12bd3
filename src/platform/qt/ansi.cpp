#include "platform/qt/ansi.h"

#include <QFile>

#include "platform/code_page.h"

namespace arvok {

QString FromAnsi(const std::string& bytes) {
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
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string ToPath(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

} // namespace arvok
