#pragma once

// Rounding a real number, known by its leading bits and whether any bit beyond them is set,
// into a format in one of the five directions, with the flags IEEE 754's default exception
// handling raises: tininess detected after rounding, underflow only when the result is tiny
// and inexact, overflow to an infinity or the largest finite number as the direction says (to
// the format's NaN where it has no infinity, to the largest finite number when saturating).

#include "arith/operation.hpp"
#include "model/format_traits.hpp"
#include "numeric/format_word.hpp"
#include "numeric/storage_word.hpp"

namespace binora {

// The guard bit (the first bit beyond the last one the format keeps), the round bit (the
// next) and the sticky bit (any bit beyond those), on the format's grid: precision P among
// the normal numbers, the fixed spacing of the subnormal numbers below them.
struct GuardRoundSticky {
    bool guard = false;
    bool round = false;
    bool sticky = false;
};

// A nonzero real number truncated toward zero to `format.precision + 2` bits:
// |x| = bits * 2^(exponent - precision - 1), the top bit of `bits` (bit precision + 1) set,
// so that 2^exponent <= |x| < 2^(exponent + 1); `beyond` when x has further nonzero bits.
struct TruncatedReal {
    bool negative = false;
    Word128 bits = 0;
    long exponent = 0;
    bool beyond = false;
};

struct RoundedReal {
    Word128 word = 0;   // the storage word of the result
    unsigned flags = 0; // ExceptionFlag bits: overflow, underflow, inexact
    GuardRoundSticky grs;
};

// Rounds x into `format`, whose masks are `layout`. When `saturate`, an overflow gives the
// largest finite number of x's sign in every direction (the flags stay).
RoundedReal round_into_format(const FormatTraits& format, const WordLayout& layout,
                              Rounding rounding, bool saturate, const TruncatedReal& x);

} // namespace binora
