#include "numeric/storage_word.hpp"

#include <array>
#include <cstring>

namespace binora {

namespace {

// Copies the object representation, which keeps every bit (a cast would convert the value).
template <typename To, typename From> To copy_bits(const From& from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof(To));
    return to;
}

} // namespace

std::uint32_t word_of(float value) {
    return copy_bits<std::uint32_t>(value);
}
std::uint64_t word_of(double value) {
    return copy_bits<std::uint64_t>(value);
}
Word128 word_of(__float128 value) {
    return copy_bits<Word128>(value);
}

float binary32_from_word(std::uint32_t word) {
    return copy_bits<float>(word);
}
double binary64_from_word(std::uint64_t word) {
    return copy_bits<double>(word);
}
__float128 binary128_from_word(Word128 word) {
    return copy_bits<__float128>(word);
}

std::string bit_string(Word128 word, int bits) {
    // Eight digits at a time from a table, from the least significant byte up: one shift of
    // the 128-bit word per bit cost several instructions a bit.
    static constexpr auto byte_digits = [] {
        std::array<std::array<char, 8>, 256> table{};
        for (std::size_t byte = 0; byte < table.size(); ++byte)
            for (std::size_t bit = 0; bit < 8; ++bit)
                table[byte][7 - bit] = ((byte >> bit) & 1U) != 0 ? '1' : '0';
        return table;
    }();
    std::string text(static_cast<std::size_t>(bits), '0');
    char* digit = text.data() + text.size();
    int at = 0;
    for (; at + 8 <= bits; at += 8) {
        digit -= 8;
        std::memcpy(digit, byte_digits[static_cast<std::size_t>((word >> at) & 0xFFU)].data(), 8);
    }
    for (; at < bits; ++at)
        *--digit = static_cast<char>('0' + static_cast<int>((word >> at) & 1U));
    return text;
}

Word128 word_from_bit_string(std::string_view text) {
    // 64 digits at a time in a 64-bit word, then into the 128-bit one.
    Word128 word = 0;
    std::uint64_t chunk = 0;
    int chunk_digits = 0;
    for (const char c : text) {
        if (c == ' ') continue;
        chunk = (chunk << 1) | (c == '1' ? 1U : 0U);
        if (++chunk_digits == 64) {
            word = (word << 64) | chunk;
            chunk = 0;
            chunk_digits = 0;
        }
    }
    return (word << chunk_digits) | chunk;
}

std::string hex_string(Word128 word, int bits) {
    static constexpr char digits[] = "0123456789ABCDEF";
    const int count = bits / 4;
    std::string text(static_cast<std::size_t>(count), '0');
    for (int i = 0; i < count; ++i) {
        const auto nibble = static_cast<unsigned>((word >> (4 * (count - 1 - i))) & 0xFU);
        text[static_cast<std::size_t>(i)] = digits[nibble];
    }
    return text;
}

} // namespace binora
