#include "numeric/storage_word.hpp"

#include <array>
#include <bit>
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

void write_bit_string(Word128 word, int bits, char* out) {
    // Eight digits at a time from a table, from the least significant byte up: one shift of
    // the 128-bit word per bit cost several instructions a bit.
    static constexpr auto byte_digits = [] {
        std::array<std::array<char, 8>, 256> table{};
        for (std::size_t byte = 0; byte < table.size(); ++byte)
            for (std::size_t bit = 0; bit < 8; ++bit)
                table[byte][7 - bit] = ((byte >> bit) & 1U) != 0 ? '1' : '0';
        return table;
    }();
    // The word's two halves are shifted as 64-bit numbers, which costs one instruction.
    const auto low = static_cast<std::uint64_t>(word);
    const auto high = static_cast<std::uint64_t>(word >> 64);
    const auto bits_from = [&](int at) { return at < 64 ? low >> at : high >> (at - 64); };
    char* digit = out + bits;
    int at = 0;
    for (; at + 8 <= bits; at += 8) {
        digit -= 8;
        std::memcpy(digit, byte_digits[static_cast<std::size_t>(bits_from(at) & 0xFFU)].data(), 8);
    }
    for (; at < bits; ++at)
        *--digit = static_cast<char>('0' + static_cast<int>(bits_from(at) & 1U));
}

Word128 word_from_bit_string(std::string_view text) {
    // Up to 64 digits at a time in a 64-bit word, then into the 128-bit one. Eight characters
    // that are all "0" or "1" are read at once: their low bits, gathered by one multiplication
    // into the top byte with the first character as the most significant bit.
    constexpr std::uint64_t ONES = 0x0101010101010101U;
    constexpr std::uint64_t GATHER = 0x8040201008040201U;
    Word128 word = 0;
    std::uint64_t chunk = 0;
    int chunk_digits = 0;
    const auto flush_full_chunk = [&] {
        if (chunk_digits == 64) {
            word = (word << 64) | chunk;
            chunk = 0;
            chunk_digits = 0;
        }
    };
    std::size_t at = 0;
    while (at < text.size()) {
        std::uint64_t eight = 0;
        if (at + 8 <= text.size() && chunk_digits <= 56 &&
            (std::memcpy(&eight, text.data() + at, 8), (eight | ONES) == ONES * '1')) {
            chunk = (chunk << 8) | (((eight & ONES) * GATHER) >> 56);
            chunk_digits += 8;
            at += 8;
        } else {
            const char c = text[at++];
            if (c == ' ') continue;
            chunk = (chunk << 1) | (c == '1' ? 1U : 0U);
            ++chunk_digits;
        }
        flush_full_chunk();
    }
    return (word << chunk_digits) | chunk;
}

void write_hex_string(Word128 word, int bits, char* out) {
    static_assert(std::endian::native == std::endian::little, "digits are stored low byte first");
    // Sixteen digits at a time: each nibble spread into a byte of its own, then every byte
    // turned into its digit at once ('0' + n, and 7 more for a letter).
    const auto sixteen_digits = [](std::uint64_t half, char* at) {
        constexpr std::uint64_t each_byte = 0x0101010101010101U;
        for (int group = 0; group < 2; ++group) { // the high eight nibbles first
            std::uint64_t nibbles = (half >> (32 * (1 - group))) & 0xFFFFFFFFU;
            nibbles = ((nibbles & 0xFFFF0000U) >> 16) | ((nibbles & 0x0000FFFFU) << 32);
            nibbles =
                ((nibbles & 0x0000FF000000FF00U) >> 8) | ((nibbles & 0x000000FF000000FFU) << 16);
            nibbles =
                ((nibbles & 0x00F000F000F000F0U) >> 4) | ((nibbles & 0x000F000F000F000FU) << 8);
            const std::uint64_t letters = ((nibbles + 6 * each_byte) >> 4) & each_byte;
            const std::uint64_t digits = nibbles + '0' * each_byte + 7 * letters;
            std::memcpy(at + 8 * group, &digits, 8);
        }
    };
    const auto low = static_cast<std::uint64_t>(word);
    switch (hex_digits(bits)) {
    case 32:
        sixteen_digits(static_cast<std::uint64_t>(word >> 64), out);
        sixteen_digits(low, out + 16);
        return;
    case 16:
        sixteen_digits(low, out);
        return;
    default: { // the last digits of sixteen
        char digits[16];
        sixteen_digits(low, digits);
        const int count = hex_digits(bits);
        for (int i = 0; i < count; ++i)
            out[i] = digits[16 - count + i];
    }
    }
}

} // namespace binora
