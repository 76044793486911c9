#include "dialog/cp1252.hpp"

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

// Length of the UTF-8 sequence that `lead` starts, 0 for a byte that cannot start one.
int sequence_length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

} // namespace

char32_t cp1252_decode(unsigned char byte) {
    if (byte >= FIRST_SPECIAL && byte < LATIN1_RESUMES)
        return HIGH_CONTROL_RANGE[byte - FIRST_SPECIAL];
    return byte;
}

char cp1252_encode(char32_t code_point) {
    if (code_point < FIRST_SPECIAL || (code_point >= LATIN1_RESUMES && code_point <= 0xFF))
        return static_cast<char>(code_point);
    for (unsigned i = 0; i < HIGH_CONTROL_RANGE.size(); ++i)
        if (HIGH_CONTROL_RANGE[i] == code_point) return static_cast<char>(FIRST_SPECIAL + i);
    return '?';
}

std::string cp1252_from_utf8(std::string_view utf8) {
    std::string text;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = sequence_length(lead);
        bool whole = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
        char32_t code_point = length == 1 ? lead : lead & (0x7FU >> length);
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            whole = (next & 0xC0) == 0x80;
            code_point = (code_point << 6) | (next & 0x3FU);
        }
        if (!whole) {
            text.push_back('?');
            ++i;
            continue;
        }
        text.push_back(cp1252_encode(code_point));
        i += static_cast<std::size_t>(length);
    }
    return text;
}

} // namespace binora
