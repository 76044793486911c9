#include "dialog/qt/cp1252_codec.hpp"

#include "dialog/cp1252.hpp"

#include <QList>

namespace binora {

QString from_cp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes)
        text.append(QChar(static_cast<char16_t>(cp1252_decode(static_cast<unsigned char>(byte)))));
    return text;
}

std::string to_cp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const uint code_point : text.toUcs4())
        bytes.push_back(cp1252_encode(code_point));
    return bytes;
}

} // namespace binora
