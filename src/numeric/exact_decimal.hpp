#pragma once

// The exact decimal value of a binary number, every digit written out and no exponent part:
// an optional "-", the integer digits (at least "0"), and, when the fraction is not zero,
// a point and the fraction digits without trailing zeros. Every finite binary number has
// such an expansion: 0.1 in binary32 is 0.100000001490116119384765625. The longest
// (binary128 subnormals) have about 11,500 significant digits.

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <string>

namespace binora {

// significand * 2^exponent2 into `text` (which keeps its storage), with a "-" in front when
// `negative` (also for zero).
void write_exact_decimal(std::string& text, bool negative, Word128 significand, int exponent2);

// The value stored in `word` by any format of the table; "-0" for negative zero, "Infinity"
// and "-Infinity" for the infinities, "NaN" for a NaN.
void write_exact_decimal(std::string& text, const FormatTraits& format, Word128 word);

} // namespace binora
