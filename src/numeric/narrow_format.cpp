#include "numeric/narrow_format.hpp"

#include "numeric/format_word.hpp"

#include <cmath>
#include <limits>

namespace binora {

double narrow_value(const FormatTraits& format, Word128 word) {
    const double sign = sign_of(format, word) ? -1.0 : 1.0;
    if (is_nan_word(format, word))
        return std::copysign(std::numeric_limits<double>::quiet_NaN(), sign);
    if (is_infinity_word(format, word)) return sign * std::numeric_limits<double>::infinity();
    const WordSignificand number = significand_of(format, word);
    return sign * std::ldexp(static_cast<double>(number.significand), number.exponent2);
}

Word128 narrow_word(const FormatTraits& format, double value) {
    const bool negative = std::signbit(value);
    if (std::isnan(value)) return typed_nan_word(format, negative);
    if (std::isinf(value)) return infinity_word(format, negative);
    const Word128 sign = negative ? sign_mask(format) : 0;
    const double magnitude = std::fabs(value);
    if (magnitude == 0) return sign;
    int e = 0;
    std::frexp(magnitude, &e); // magnitude = m * 2^e, 0.5 <= m < 1: E = e - 1
    if (e - 1 < format.emin) { // subnormal: a multiple of the smallest subnormal number
        const double units = std::ldexp(magnitude, format.significand_bits - format.emin);
        return sign | static_cast<Word128>(units);
    }
    const double fraction = std::ldexp(magnitude, 1 - e) - 1; // in [0, 1)
    const auto significand = static_cast<Word128>(std::ldexp(fraction, format.significand_bits));
    const auto exponent = static_cast<Word128>(e - 1 + format.bias);
    return sign | (exponent << format.significand_bits) | significand;
}

double largest_finite(const FormatTraits& format) {
    return narrow_value(format, largest_finite_magnitude(format));
}

} // namespace binora
