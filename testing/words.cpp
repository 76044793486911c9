#include "testing/words.hpp"

namespace binora {

std::string bit_string(Word128 word, int bits) {
    std::string text(static_cast<std::size_t>(bits), '0');
    write_bit_string(word, bits, text.data());
    return text;
}

std::string hex_string(Word128 word, int bits) {
    std::string text(static_cast<std::size_t>(hex_digits(bits)), '0');
    write_hex_string(word, bits, text.data());
    return text;
}

std::string exact_decimal(bool negative, Word128 significand, int exponent2) {
    std::string text;
    write_exact_decimal(text, negative, significand, exponent2);
    return text;
}

} // namespace binora
