#include "bit_patterns.hpp"

#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <bit>
#include <cstdint>
#include <vector>

namespace binora::testing {

namespace {

__extension__ typedef unsigned __int128 Word;

std::string hex_digits(Word word, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, word >>= 4)
        text[static_cast<std::size_t>(i)] = "0123456789ABCDEF"[static_cast<unsigned>(word & 15U)];
    return text;
}

} // namespace

std::vector<Field> fields_of(int kind) {
    if (kind == 4) return {{IDC_S32, 1}, {IDC_E32, 8}, {IDC_F32, 23}};
    if (kind == 8) return {{IDC_S64, 1}, {IDC_E64, 11}, {IDC_F64, 52}};
    return {{IDC_S128, 1}, {IDC_E128, 15}, {IDC_F128_48, 48}, {IDC_F128_64, 64}};
}

std::string bits_of_hex(std::string_view hex) {
    std::string bits;
    for (char c : hex) {
        const int digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        for (int b = 3; b >= 0; --b)
            bits += ((digit >> b) & 1) != 0 ? '1' : '0';
    }
    return bits;
}

void put_pattern(DIALOG_RECORD& dialog, int kind, std::string_view hex) {
    const std::string bits = bits_of_hex(hex);
    std::size_t at = 0;
    for (const Field& field : fields_of(kind)) {
        DIALOG_SET_TEXT(dialog, field.edit, bits.substr(at, field.bits));
        at += field.bits;
    }
}

std::string hex_of_x(int kind) {
    if (kind == 4) return hex_digits(std::bit_cast<std::uint32_t>(COMUN.X4), 8);
    if (kind == 8) return hex_digits(std::bit_cast<std::uint64_t>(COMUN.X8), 16);
    return hex_digits(std::bit_cast<Word>(COMUN.X16), 32);
}

} // namespace binora::testing
