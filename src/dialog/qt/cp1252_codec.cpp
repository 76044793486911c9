#include "dialog/qt/cp1252_codec.hpp"

#include <QList>

#include <array>

namespace binora {

namespace {

// Code points of the bytes 0x80-0x9F. Unassigned bytes map to the C1 control of their value.
constexpr std::array<char16_t, 32> HIGH_CONTROL_RANGE{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr unsigned FIRST_SPECIAL = 0x80;
constexpr unsigned LATIN1_RESUMES = 0xA0;

char16_t decode(unsigned char byte) {
    if (byte >= FIRST_SPECIAL && byte < LATIN1_RESUMES)
        return HIGH_CONTROL_RANGE[byte - FIRST_SPECIAL];
    return byte;
}

char encode(char32_t code_point) {
    if (code_point < FIRST_SPECIAL || (code_point >= LATIN1_RESUMES && code_point <= 0xFF))
        return static_cast<char>(code_point);
    for (unsigned i = 0; i < HIGH_CONTROL_RANGE.size(); ++i)
        if (HIGH_CONTROL_RANGE[i] == code_point) return static_cast<char>(FIRST_SPECIAL + i);
    return '?';
}

} // namespace

QString from_cp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes)
        text.append(QChar(decode(static_cast<unsigned char>(byte))));
    return text;
}

std::string to_cp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const uint code_point : text.toUcs4())
        bytes.push_back(encode(code_point));
    return bytes;
}

} // namespace binora
