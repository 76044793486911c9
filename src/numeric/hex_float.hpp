#pragma once

// The C99 hexadecimal form of a stored number, as printf's "%a" writes a double, for every
// format: a normal number as "0x1.<fraction>p<E>" with the trailing significand field in
// hexadecimal digits (padded with zero bits at its end to whole digits, trailing zeros
// dropped, no point when none is left), a subnormal number as "0x0.<fraction>p<Emin>", a zero
// as "0x0p+0"; a "-" in front of a negative one, the exponent always signed ("p+0", "p-4").
// Infinities are "inf" and "-inf", NaNs "nan" and "-nan". 0.1 in binary64 is
// "0x1.999999999999ap-4".

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <cstddef>
#include <string_view>

namespace binora {

// Room for the longest form: "-0x1." and 28 digits and "p-16382".
constexpr std::size_t HEX_FLOAT_ROOM = 48;

// Writes the form of `word` (its low storage-width bits) into `out` and returns it.
std::string_view write_hex_float(const FormatTraits& format, Word128 word,
                                 char (&out)[HEX_FLOAT_ROOM]);

} // namespace binora
