#pragma once

// The values of a narrow format (model/format_traits.hpp: NARROW_FORMATS), worked on through
// the storage word and held in a double, which is exact for every one of them: what a word
// stands for, the word of a value, the neighbours, ULP and reading a decimal text. The same
// rules hold as for the window's formats (ulp.hpp, next_up_down.hpp, from_c_text.hpp), with
// the all-ones exponent field read as the format says (an infinity and NaNs, or finite
// numbers and one NaN). Reading a decimal text is from_c_text.hpp's narrow_from_c_text.
// Pure functions.

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <optional>

namespace binora {

// The value stored in `word` (its low storage-width bits): a signed zero, a subnormal or
// normal number, an infinity or a NaN.
double narrow_value(const FormatTraits& format, Word128 word);

// The word of `value`, a number of the format, an infinity (of a format that has one) or a
// NaN (the format's NaN with all significand bits set, and the sign of `value`).
Word128 narrow_word(const FormatTraits& format, double value);

// The largest finite number of the format: 65504 for binary16, 448 for E4M3.
double largest_finite(const FormatTraits& format);

// The next number after the word's toward plus infinity (`upward`) or minus infinity, as a
// word: one step of the word's magnitude, both zeros stepping to the smallest subnormal
// number of the direction's sign; an infinity stays where it is in its own direction, and a
// NaN is returned unchanged. None when there is no such number: beyond the largest finite
// number of a format without infinities.
std::optional<Word128> narrow_next(const FormatTraits& format, Word128 word, bool upward);

// ULP of the word's number: 2^(E + 1 - P) with its representation exponent E, the smallest
// subnormal number 2^(Emin + 1 - P) for zeros and subnormals; +infinity for an infinity, NaN
// for a NaN.
double narrow_ulp(const FormatTraits& format, Word128 word);

} // namespace binora
