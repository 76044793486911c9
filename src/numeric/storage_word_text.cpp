#include "numeric/storage_word_text.hpp"

#include "model/format_traits.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

namespace binora {

namespace {

constexpr std::string_view PREFIX_LOWER = "0x";
constexpr std::string_view PREFIX_UPPER = "0X";

// Eight bytes, the first in the lowest (as loaded from memory on a little-endian machine).
constexpr std::uint64_t EACH_BYTE = 0x0101010101010101U;
constexpr std::uint64_t HIGH_BITS = 0x80 * EACH_BYTE;

// The high bit of each byte of `bytes` (each below 0x80) that is at least `least`.
constexpr std::uint64_t at_least(std::uint64_t bytes, unsigned least) {
    return ((bytes | HIGH_BITS) - least * EACH_BYTE) & HIGH_BITS;
}

// Whether each of the eight bytes is a hexadecimal digit, in either case. Without a branch
// per byte: the digits of a random word would mispredict nearly every one.
constexpr bool all_hex_digits(std::uint64_t bytes) {
    const std::uint64_t lower = bytes | (0x20 * EACH_BYTE);
    const std::uint64_t decimal = at_least(bytes, '0') & ~at_least(bytes, '9' + 1);
    const std::uint64_t letter = at_least(lower, 'a') & ~at_least(lower, 'f' + 1);
    return (bytes & HIGH_BITS) == 0 && (decimal | letter) == HIGH_BITS;
}

// The number the eight digits write, the first the most significant.
constexpr std::uint32_t eight_digits_value(std::uint64_t bytes) {
    // '0'-'9' keep their low four bits; letters add 9 to theirs (bit 6 marks them).
    std::uint64_t v = (bytes & (0x0F * EACH_BYTE)) + 9 * ((bytes >> 6) & EACH_BYTE);
    v = ((v & 0x0F000F000F000F00U) >> 8) | ((v & 0x000F000F000F000FU) << 4);
    v = ((v & 0x00FF000000FF0000U) >> 16) | ((v & 0x000000FF000000FFU) << 8);
    v = ((v & 0x0000FFFF00000000U) >> 32) | ((v & 0x000000000000FFFFU) << 16);
    return static_cast<std::uint32_t>(v);
}

// Up to eight digits as the low end of eight bytes padded with '0' in front.
std::uint64_t padded_digits(std::string_view digits) {
    char bytes[8] = {'0', '0', '0', '0', '0', '0', '0', '0'};
    std::memcpy(bytes + 8 - digits.size(), digits.data(), digits.size());
    std::uint64_t loaded = 0;
    std::memcpy(&loaded, bytes, 8);
    return loaded;
}

// Sixteen digits, the first the most significant, into `value`; false when a byte is no
// hexadecimal digit. Vector operations on all sixteen bytes at once (SSE2 on x86-64).
bool sixteen_digits_value(const char* digits, std::uint64_t& value) {
    using Bytes = unsigned char __attribute__((vector_size(16)));
    using Halves = std::uint64_t __attribute__((vector_size(16)));
    Bytes bytes;
    std::memcpy(&bytes, digits, 16);
    const Bytes lower = bytes | 0x20;
    const auto valid = reinterpret_cast<Halves>(((bytes >= '0') & (bytes <= '9')) |
                                                ((lower >= 'a') & (lower <= 'f')));
    if ((valid[0] & valid[1]) != ~std::uint64_t{0}) return false;
    // '0'-'9' keep their low four bits; letters add 9 to theirs (bit 6 marks them).
    const auto nibbles = reinterpret_cast<Halves>((bytes & 0x0F) + ((bytes >> 6) & 1) * 9);
    const auto eight = [](std::uint64_t v) { // eight nibbles, one a byte, the first lowest
        v = ((v << 4) | (v >> 8)) & 0x00FF00FF00FF00FFU;
        v = ((v << 8) | (v >> 16)) & 0x0000FFFF0000FFFFU;
        return ((v << 16) | (v >> 32)) & 0xFFFFFFFFU;
    };
    value = (eight(nibbles[0]) << 32) | eight(nibbles[1]);
    return true;
}

static_assert(std::endian::native == std::endian::little);
static_assert(all_hex_digits(0x3938373635343330U) && !all_hex_digits(0x3938373635343A30U));
static_assert(eight_digits_value(0x6665646362613938U) == 0x89ABCDEFU);

} // namespace

bool is_storage_word_text(std::string_view text) {
    return text.starts_with(PREFIX_LOWER) || text.starts_with(PREFIX_UPPER);
}

std::optional<Word128> parse_storage_word(std::string_view text, const FormatTraits& format) {
    if (!is_storage_word_text(text)) return std::nullopt;
    const std::string_view digits = text.substr(PREFIX_LOWER.size());
    if (digits.size() != static_cast<std::size_t>(hex_digits(format.storage_bits)))
        return std::nullopt;
    // A width that is not whole bytes leaves the top bits of the first digit unused.
    const auto fits = [&](Word128 word) {
        return format.storage_bits >= 128 || (word >> format.storage_bits) == 0;
    };
    if (digits.size() < 8) { // binary16, bfloat16 and the 8-bit formats
        const std::uint64_t bytes = padded_digits(digits);
        if (!all_hex_digits(bytes)) return std::nullopt;
        const Word128 word = eight_digits_value(bytes);
        return fits(word) ? std::optional<Word128>(word) : std::nullopt;
    }
    if (digits.size() == 8) { // binary32
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, digits.data(), 8);
        if (!all_hex_digits(bytes)) return std::nullopt;
        return eight_digits_value(bytes);
    }
    // Sixteen digits at a time, the first group the most significant.
    Word128 word = 0;
    for (std::size_t at = 0; at < digits.size(); at += 16) {
        std::uint64_t value = 0;
        if (!sixteen_digits_value(digits.data() + at, value)) return std::nullopt;
        word = (word << 64) | value;
    }
    return word;
}

std::string storage_word_error(std::string_view text, const FormatTraits& format) {
    std::string message = std::string(text) + ": a " + format.name +
                          " storage word is 0x and exactly " +
                          std::to_string(hex_digits(format.storage_bits)) + " hexadecimal digits";
    if (format.storage_bits % 8 != 0) {
        const Word128 largest = (Word128{1} << format.storage_bits) - 1;
        std::string digits(static_cast<std::size_t>(hex_digits(format.storage_bits)), '0');
        write_hex_string(largest, format.storage_bits, digits.data());
        message += ", at most " + digits;
    }
    return message;
}

} // namespace binora
