#include "numeric/storage_word.hpp"

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
    // In 64-bit halves: a shift of the 128-bit word costs several instructions per bit.
    const std::uint64_t halves[2] = {static_cast<std::uint64_t>(word),
                                     static_cast<std::uint64_t>(word >> 64)};
    std::string text(static_cast<std::size_t>(bits), '0');
    for (int i = 0; i < bits; ++i) {
        const int bit = bits - 1 - i;
        const std::uint64_t half = halves[bit / 64];
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + ((half >> (bit % 64)) & 1U));
    }
    return text;
}

Word128 word_from_bit_string(std::string_view text) {
    Word128 word = 0;
    for (const char c : text) {
        if (c == ' ') continue;
        word = (word << 1) | (c == '1' ? 1U : 0U);
    }
    return word;
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
