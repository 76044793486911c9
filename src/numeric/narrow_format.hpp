#pragma once

// The values of a narrow format (model/format_traits.hpp: NARROW_FORMATS) held in a double,
// which is exact for every one of them: what a word stands for, the word of a value, and the
// largest finite number. Their fields, class and neighbours are format_word.hpp's, as for every
// format; reading a decimal text is from_c_text.hpp's narrow_from_c_text. Pure functions.

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

namespace binora {

// The value stored in `word` (its low storage-width bits): a signed zero, a subnormal or
// normal number, an infinity or a NaN.
double narrow_value(const FormatTraits& format, Word128 word);

// The word of `value`, a number of the format, an infinity (of a format that has one) or a
// NaN (the format's NaN with all significand bits set, and the sign of `value`).
Word128 narrow_word(const FormatTraits& format, double value);

// The largest finite number of the format: 65504 for binary16, 448 for E4M3.
double largest_finite(const FormatTraits& format);

} // namespace binora
