#pragma once

// Storage words and values of the window's types as tests, fuzz targets and benchmarks write,
// read and step them, over the numeric core's own functions.

#include "numeric/decimal_reader.hpp"
#include "numeric/exact_decimal.hpp"
#include "numeric/float_traits.hpp"
#include "numeric/format_word.hpp"
#include "numeric/number_format.hpp"
#include "numeric/storage_word.hpp"
#include "numeric/ulp.hpp"

#include <string>
#include <string_view>

namespace binora {

// The low `bits` bits of `word` as "0"/"1" characters, most significant first, with leading
// zeros.
std::string bit_string(Word128 word, int bits);

// Upper-case hexadecimal of the bytes that hold the low `bits` bits.
std::string hex_string(Word128 word, int bits);

// read_decimal of each window format's type.
inline ReadResult<float> read_binary32(std::string_view text) {
    return read_decimal<float>(text);
}
inline ReadResult<double> read_binary64(std::string_view text) {
    return read_decimal<double>(text);
}
inline ReadResult<__float128> read_binary128(std::string_view text) {
    return read_decimal<__float128>(text);
}

// IEEE 754 nextUp and nextDown of x for float, double or __float128 (next_word of its
// storage word).
template <typename Real> Real next_up(Real x) {
    using T = FloatTraits<Real>;
    return T::value(static_cast<typename T::Word>(*next_word(T::format, T::word(x), true)));
}
template <typename Real> Real next_down(Real x) {
    using T = FloatTraits<Real>;
    return T::value(static_cast<typename T::Word>(*next_word(T::format, T::word(x), false)));
}

// ULP of x (ulp_of_word of its storage word); an infinity gives +infinity and a NaN a NaN.
template <typename Real> Real ulp(Real x) {
    using T = FloatTraits<Real>;
    if (!T::is_finite(x)) return T::magnitude(x);
    return ulp_of_word<Real>(T::format, T::word(x));
}

// The exact decimal value as a string (exact_decimal.hpp).
std::string exact_decimal(bool negative, Word128 significand, int exponent2);
template <typename Real> std::string exact_decimal(Real value) {
    using T = FloatTraits<Real>;
    std::string text;
    write_exact_decimal(text, T::format, T::word(value));
    return text;
}

// The text of `value` in `form` as a string (number_format.hpp).
template <typename Real> std::string format_number(Real value, const NumberForm& form) {
    NumberText text;
    return std::string(format_number(value, form, text));
}

} // namespace binora
