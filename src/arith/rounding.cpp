#include "arith/rounding.hpp"

#include "numeric/format_word.hpp"

namespace binora {

namespace {

// Bit `at` of `bits`; 0 beyond either end.
bool bit_at(Word128 bits, long at) {
    return at >= 0 && at < 128 && ((bits >> at) & 1U) != 0;
}

// Whether any of the bits below bit `at` is set.
bool any_below(Word128 bits, long at) {
    if (at <= 0) return false;
    if (at >= 128) return bits != 0;
    return (bits & ((Word128{1} << at) - 1)) != 0;
}

// Whether the magnitude kept moves up one unit in its last place.
bool rounds_away(Rounding rounding, bool negative, bool odd, const GuardRoundSticky& grs) {
    const bool beyond = grs.guard || grs.round || grs.sticky;
    switch (rounding) {
    case Rounding::rne:
        return grs.guard && (grs.round || grs.sticky || odd);
    case Rounding::rna:
        return grs.guard;
    case Rounding::rtz:
        return false;
    case Rounding::rup:
        return beyond && !negative;
    case Rounding::rdn:
        return beyond && negative;
    }
    return false;
}

// The guard, round and sticky bits of x with the last `drop` of its bits dropped.
GuardRoundSticky dropped_bits(const TruncatedReal& x, long drop) {
    return {bit_at(x.bits, drop - 1), bit_at(x.bits, drop - 2),
            any_below(x.bits, drop - 2) || x.beyond};
}

// The word of an overflow of the sign in the direction: an infinity, or the largest finite
// number where the direction rounds toward zero; a format without infinities gives its NaN in
// their place, and `saturate` the largest finite number in every direction.
Word128 overflow_word(const WordLayout& layout, Rounding rounding, bool saturate, bool negative) {
    const Word128 largest = (negative ? layout.sign : 0) | largest_finite_magnitude(layout);
    if (saturate) return largest;
    const bool toward_zero = rounding == Rounding::rtz || (rounding == Rounding::rup && negative) ||
                             (rounding == Rounding::rdn && !negative);
    if (toward_zero) return largest;
    return layout.infinities ? infinity_word(layout, negative) : default_nan_word(layout, negative);
}

} // namespace

RoundedReal round_into_format(const FormatTraits& format, const WordLayout& layout,
                              Rounding rounding, bool saturate, const TruncatedReal& x) {
    RoundedReal result;
    const auto overflow = [&] {
        result.flags |= FLAG_OVERFLOW | FLAG_INEXACT;
        result.word = overflow_word(layout, rounding, saturate, x.negative);
        return result;
    };
    Word128 kept = 0;
    Word128 magnitude = 0;
    bool tiny = false;
    if (x.exponent >= format.emin) {
        // A normal number, or beyond them: the precision's bits kept, the two below dropped.
        const auto low = static_cast<unsigned>(x.bits);
        result.grs = {(low & 2U) != 0, (low & 1U) != 0, x.beyond};
        if (x.exponent > format.emax) return overflow();
        kept = x.bits >> 2;
        const auto biased = static_cast<Word128>(x.exponent + format.bias);
        magnitude = (biased << format.significand_bits) | (kept & layout.fraction);
    } else {
        // Below the normal numbers the grid keeps the subnormal spacing, 2^(Emin - P + 1):
        // fewer of x's bits are kept.
        const long drop = format.emin - x.exponent + 2;
        result.grs = dropped_bits(x, drop);
        magnitude = kept = drop >= 128 ? 0 : x.bits >> drop;
        // Tiny unless rounding to the precision with an unbounded exponent range carries it
        // up to the smallest normal number.
        const GuardRoundSticky wide = dropped_bits(x, 2);
        const bool wide_away = rounds_away(rounding, x.negative, bit_at(x.bits, 2), wide);
        const bool carries = wide_away && (x.bits >> 2) == (Word128{1} << format.precision) - 1;
        tiny = x.exponent + (carries ? 1 : 0) < format.emin;
    }
    const bool inexact = result.grs.guard || result.grs.round || result.grs.sticky;
    if (inexact) result.flags |= FLAG_INEXACT;
    // A carry out of the significand moves into the exponent field, out of the subnormal
    // numbers as out of a binade, and out of the largest finite number beyond it.
    if (rounds_away(rounding, x.negative, (kept & 1U) != 0, result.grs)) ++magnitude;
    if (magnitude > largest_finite_magnitude(layout)) return overflow();
    if (tiny && inexact) result.flags |= FLAG_UNDERFLOW;
    result.word = (x.negative ? layout.sign : 0) | magnitude;
    return result;
}

} // namespace binora
