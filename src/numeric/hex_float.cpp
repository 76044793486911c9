#include "numeric/hex_float.hpp"

#include "numeric/format_word.hpp"

#include <algorithm>
#include <charconv>

namespace binora {

std::string_view write_hex_float(const FormatTraits& format, Word128 word,
                                 char (&out)[HEX_FLOAT_ROOM]) {
    char* at = out;
    if (sign_of(format, word)) *at++ = '-';
    const auto text = [&](std::string_view tail) {
        at = std::copy(tail.begin(), tail.end(), at);
        return std::string_view(out, static_cast<std::size_t>(at - out));
    };
    if (is_nan_word(format, word)) return text("nan");
    if (is_infinity_word(format, word)) return text("inf");
    const unsigned biased = exponent_field(format, word);
    Word128 fraction = fraction_field(format, word);
    if (biased == 0 && fraction == 0) return text("0x0p+0");
    at = std::copy_n(biased == 0 ? "0x0" : "0x1", 3, at);
    // The fraction in whole hexadecimal digits, zero bits added at its end.
    const int digits = (format.significand_bits + 3) / 4;
    fraction <<= 4 * digits - format.significand_bits;
    int shown = digits;
    while (shown > 0 && (fraction & 0xFU) == 0) {
        fraction >>= 4;
        --shown;
    }
    if (shown > 0) {
        *at++ = '.';
        for (int i = shown - 1; i >= 0; --i)
            *at++ = "0123456789abcdef"[static_cast<unsigned>(fraction >> (4 * i)) & 0xFU];
    }
    const int exponent = biased == 0 ? format.emin : static_cast<int>(biased) - format.bias;
    *at++ = 'p';
    if (exponent >= 0) *at++ = '+';
    at = std::to_chars(at, out + HEX_FLOAT_ROOM, exponent).ptr;
    return std::string_view(out, static_cast<std::size_t>(at - out));
}

} // namespace binora
