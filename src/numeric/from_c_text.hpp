#pragma once

// Decimal numbers in the C library's syntax, already checked, rounded once to nearest with
// ties to even into binary32, binary64 or binary128.
//
// Syntax: an optional "-", digits with an optional point (at least one digit), an optional
// exponent part: the letter "e" or "E" and an optionally signed integer. Any length of text
// is read in time about proportional to its length. A magnitude that rounds above the largest
// finite number gives an infinity of its sign; one that rounds below the smallest subnormal
// number gives a zero of its sign.

#include "model/format_traits.hpp"

#include <string>
#include <string_view>

namespace binora {

// std::from_chars, which rounds correctly and does not look at the locale; the rare texts it
// reports as out of range (an overflow or an underflow to zero) are settled by strtof and
// strtod.
float binary32_from_c_text(std::string_view c_text);
double binary64_from_c_text(std::string_view c_text);

// MPFR, correctly rounded by construction: the text is rounded once to 113 bits in
// binary128's exponent range, and a result below the smallest normal number is rounded
// again to the subnormal precision with MPFR's record of the first rounding, so that the two
// roundings make one.
__float128 binary128_from_c_text(std::string_view c_text);

// MPFR in the same way, at the precision and in the exponent range of a narrow format
// (model/format_traits.hpp: NARROW_FORMATS), whose every value a double holds exactly. A
// result whose magnitude exceeds the format's largest finite number (also one that the
// format's precision could hold beyond it, as 480 in E4M3) gives an infinity of its sign.
double narrow_from_c_text(const FormatTraits& format, std::string_view c_text);

// `c_text` with its exponent brought within ±(length + 5000), which changes no rounding into
// any format: the value lies within 10^±length of 10^exponent, so beyond that bound it is
// above 10^4933 (an overflow) or below 10^-4966 (under half the smallest subnormal number of
// binary128, and nonzero unless every digit is 0) either way. MPFR itself misreads some
// exponents far beyond what a long holds, giving an infinity for a number that should be a
// zero.
std::string with_bounded_exponent(std::string_view c_text);

} // namespace binora
