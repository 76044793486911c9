#include "numeric/classify.hpp"

#include <initializer_list>

namespace binora {

namespace {

// True when characters 1..count of `bits` all equal `digit`; a missing character fails.
bool all_digits(std::int32_t count, std::string_view bits, char digit) {
    for (std::int32_t i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (at >= bits.size() || bits[at] != digit) return false;
    }
    return true;
}

bool is_one_of(std::string_view head, std::initializer_list<std::string_view> forms) {
    for (const auto form : forms)
        if (head == form) return true;
    return false;
}

} // namespace

bool ALLBITS_ZERO(std::int32_t n, std::string_view bits) {
    return all_digits(n, bits, '0');
}

bool ALLBITS_ONE(std::int32_t n, std::string_view bits) {
    return all_digits(n, bits, '1');
}

bool ALLZERO_EXCEPT_LAST(std::int32_t n, std::string_view bits) {
    return all_digits(n - 1, bits, '0');
}

bool ALLONE_EXCEPT_LAST(std::int32_t n, std::string_view bits) {
    return all_digits(n - 1, bits, '1');
}

ClassFlags class_of_fields(std::int32_t exponent_width, std::int32_t significand_width,
                           std::string_view exponent_bits, std::string_view significand_bits) {
    const bool exponent_zeros = ALLBITS_ZERO(exponent_width, exponent_bits);
    const bool exponent_ones = ALLBITS_ONE(exponent_width, exponent_bits);
    const bool significand_zeros = ALLBITS_ZERO(significand_width, significand_bits);
    ClassFlags flags;
    flags.is_zero = exponent_zeros && significand_zeros;
    flags.is_subnormal = exponent_zeros && !significand_zeros;
    flags.is_infinity = exponent_ones && significand_zeros;
    flags.is_nan = exponent_ones && !significand_zeros;
    flags.is_finite = !exponent_ones;
    flags.is_exp_max = ALLONE_EXCEPT_LAST(exponent_width, exponent_bits);
    flags.is_exp_min = ALLZERO_EXCEPT_LAST(exponent_width, exponent_bits);
    return flags;
}

ClassFlags class_of_word(const FormatTraits& format, Word128 word) {
    const Word128 all_ones = (Word128{1} << format.exponent_bits) - 1;
    const Word128 exponent = (word >> format.significand_bits) & all_ones;
    const Word128 significand_ones = (Word128{1} << format.significand_bits) - 1;
    const Word128 significand = word & significand_ones;
    const bool exponent_zeros = exponent == 0;
    const bool exponent_ones = exponent == all_ones;
    ClassFlags flags;
    flags.is_zero = exponent_zeros && significand == 0;
    flags.is_subnormal = exponent_zeros && significand != 0;
    if (format.top == TopExponent::infinity_and_nan) {
        flags.is_infinity = exponent_ones && significand == 0;
        flags.is_nan = exponent_ones && significand != 0;
        // All exponent bits but the last are 1: the largest finite exponent, or none.
        flags.is_exp_max = (exponent >> 1) == (all_ones >> 1);
    } else {
        flags.is_nan = exponent_ones && significand == significand_ones;
        flags.is_exp_max = exponent_ones; // the largest exponent is a finite one
    }
    flags.is_finite = !flags.is_infinity && !flags.is_nan;
    flags.is_exp_min = (exponent >> 1) == 0; // all exponent bits but the last are 0
    return flags;
}

TypedSpelling typed_spelling(std::string_view text) {
    char padded[3] = {' ', ' ', ' '};
    for (std::size_t i = 0; i < 3 && i < text.size(); ++i)
        padded[i] = text[i];
    const std::string_view head(padded, 3);
    TypedSpelling spelling;
    spelling.negative = head[0] == '-';
    spelling.is_nan = is_one_of(head, {"NaN", "Nan", "nan", "naN", "+Na", "+na", "-Na", "-na"});
    spelling.is_infinity =
        !spelling.is_nan && is_one_of(head, {"Inf", "inf", "+In", "+in", "-In", "-in"});
    return spelling;
}

} // namespace binora
