#include "numeric/storage_word_text.hpp"

#include "model/format_traits.hpp"

namespace binora {

namespace {

constexpr std::string_view PREFIX_LOWER = "0x";
constexpr std::string_view PREFIX_UPPER = "0X";

int hex_digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

bool is_storage_word_text(std::string_view text) {
    return text.starts_with(PREFIX_LOWER) || text.starts_with(PREFIX_UPPER);
}

std::optional<Word128> parse_storage_word(std::string_view text, const FormatTraits& format) {
    if (!is_storage_word_text(text)) return std::nullopt;
    const std::string_view digits = text.substr(PREFIX_LOWER.size());
    if (digits.size() != static_cast<std::size_t>(hex_digits(format.storage_bits)))
        return std::nullopt;
    Word128 word = 0;
    for (char c : digits) {
        const int value = hex_digit_value(c);
        if (value < 0) return std::nullopt;
        word = (word << 4) | static_cast<Word128>(value);
    }
    // A width that is not whole bytes leaves the top bits of the first digit unused.
    if (format.storage_bits < 128 && (word >> format.storage_bits) != 0) return std::nullopt;
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
