#include "numeric/narrow_format.hpp"

#include <cmath>
#include <limits>

namespace binora {

namespace {

struct Fields {
    Word128 sign;        // the sign bit, in place
    Word128 magnitude;   // every other bit
    unsigned exponent;   // the exponent field
    Word128 significand; // the trailing significand field
};

Word128 sign_bit(const FormatTraits& format) {
    return Word128{1} << (format.storage_bits - 1);
}

unsigned exponent_ones(const FormatTraits& format) {
    return (1U << format.exponent_bits) - 1;
}

Word128 significand_ones(const FormatTraits& format) {
    return (Word128{1} << format.significand_bits) - 1;
}

Fields fields_of(const FormatTraits& format, Word128 word) {
    const Word128 storage =
        format.storage_bits == 128 ? ~Word128{0} : (Word128{1} << format.storage_bits) - 1;
    word &= storage;
    Fields f;
    f.sign = word & sign_bit(format);
    f.magnitude = word & ~sign_bit(format) & storage;
    f.exponent = static_cast<unsigned>(f.magnitude >> format.significand_bits);
    f.significand = word & significand_ones(format);
    return f;
}

bool is_nan(const FormatTraits& format, const Fields& f) {
    if (f.exponent != exponent_ones(format)) return false;
    return format.top == TopExponent::infinity_and_nan ? f.significand != 0
                                                       : f.significand == significand_ones(format);
}

bool is_infinity(const FormatTraits& format, const Fields& f) {
    return format.top == TopExponent::infinity_and_nan && f.exponent == exponent_ones(format) &&
           f.significand == 0;
}

// The magnitude word of the largest finite number.
Word128 largest_finite_magnitude(const FormatTraits& format) {
    const Word128 top = Word128{exponent_ones(format)} << format.significand_bits;
    return format.top == TopExponent::infinity_and_nan ? top - 1
                                                       : top + significand_ones(format) - 1;
}

} // namespace

double narrow_value(const FormatTraits& format, Word128 word) {
    const Fields f = fields_of(format, word);
    const double sign = f.sign != 0 ? -1.0 : 1.0;
    if (is_nan(format, f)) return std::copysign(std::numeric_limits<double>::quiet_NaN(), sign);
    if (is_infinity(format, f)) return sign * std::numeric_limits<double>::infinity();
    const auto significand = static_cast<double>(f.significand);
    if (f.exponent == 0)
        return sign * std::ldexp(significand, format.emin - format.significand_bits);
    const double normal = std::ldexp(significand, -format.significand_bits) + 1;
    return sign * std::ldexp(normal, static_cast<int>(f.exponent) - format.bias);
}

Word128 narrow_word(const FormatTraits& format, double value) {
    const Word128 sign = std::signbit(value) ? sign_bit(format) : 0;
    const Word128 top = Word128{exponent_ones(format)} << format.significand_bits;
    if (std::isnan(value)) return sign | top | significand_ones(format);
    if (std::isinf(value)) return sign | top;
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

std::optional<Word128> narrow_next(const FormatTraits& format, Word128 word, bool upward) {
    const Fields f = fields_of(format, word);
    const Word128 storage_word = f.sign | f.magnitude;
    if (is_nan(format, f)) return storage_word;
    if (f.magnitude == 0) return upward ? Word128{1} : (sign_bit(format) | 1);
    const bool away_from_zero = upward == (f.sign == 0);
    if (!away_from_zero) return storage_word - 1;
    if (is_infinity(format, f)) return storage_word;
    if (f.magnitude == largest_finite_magnitude(format) &&
        format.top == TopExponent::finite_but_nan)
        return std::nullopt;
    return storage_word + 1;
}

double narrow_ulp(const FormatTraits& format, Word128 word) {
    const Fields f = fields_of(format, word);
    if (is_nan(format, f)) return std::numeric_limits<double>::quiet_NaN();
    if (is_infinity(format, f)) return std::numeric_limits<double>::infinity();
    const int exponent = f.exponent == 0 ? format.emin : static_cast<int>(f.exponent) - format.bias;
    return std::ldexp(1.0, exponent + 1 - format.precision);
}

} // namespace binora
