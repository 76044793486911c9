#include "arith/rounding.hpp"

#include "numeric/format_word.hpp"

#include <algorithm>

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

} // namespace

Word128 overflow_word(const FormatTraits& format, Rounding rounding, bool saturate, bool negative) {
    const Word128 sign = negative ? sign_mask(format) : 0;
    const Word128 largest = sign | largest_finite_magnitude(format);
    if (saturate) return largest;
    const bool toward_zero = rounding == Rounding::rtz || (rounding == Rounding::rup && negative) ||
                             (rounding == Rounding::rdn && !negative);
    if (toward_zero) return largest;
    return format.top == TopExponent::infinity_and_nan ? infinity_word(format, negative)
                                                       : default_nan_word(format, negative);
}

RoundedReal round_into_format(const FormatTraits& format, Rounding rounding, bool saturate,
                              const TruncatedReal& x) {
    const long precision = format.precision;
    const Word128 sign = x.negative ? sign_mask(format) : 0;
    RoundedReal result;

    // Rounded to the precision with an unbounded exponent range: decides tininess (after
    // rounding) and overflow.
    const GuardRoundSticky wide = dropped_bits(x, 2);
    const bool wide_away = rounds_away(rounding, x.negative, bit_at(x.bits, 2), wide);
    const bool carries = wide_away && (x.bits >> 2) == (Word128{1} << precision) - 1;
    const long wide_exponent = x.exponent + (carries ? 1 : 0);

    // The format's grid: the last bit kept has the weight 2^last, never below the subnormal
    // spacing.
    const long last = std::max(x.exponent, static_cast<long>(format.emin)) - precision + 1;
    const long drop = last - (x.exponent - precision - 1);
    result.grs = dropped_bits(x, drop);
    const bool inexact = result.grs.guard || result.grs.round || result.grs.sticky;
    if (inexact) result.flags |= FLAG_INEXACT;

    if (wide_exponent > format.emax) {
        result.flags |= FLAG_OVERFLOW | FLAG_INEXACT;
        result.word = overflow_word(format, rounding, saturate, x.negative);
        return result;
    }
    const Word128 kept = drop >= 128 ? 0 : x.bits >> drop;
    const bool away = rounds_away(rounding, x.negative, (kept & 1U) != 0, result.grs);
    // Normal numbers carry the exponent field above the trailing significand; a carry out of
    // the significand moves into the exponent field, as out of the subnormal numbers.
    Word128 magnitude = kept;
    if (x.exponent >= format.emin) {
        const auto biased = static_cast<Word128>(x.exponent + format.bias);
        magnitude = (biased << format.significand_bits) | (kept & fraction_ones(format));
    }
    magnitude += away ? 1 : 0;
    if (magnitude > largest_finite_magnitude(format)) {
        result.flags |= FLAG_OVERFLOW | FLAG_INEXACT;
        result.word = overflow_word(format, rounding, saturate, x.negative);
        return result;
    }
    if (wide_exponent < format.emin && inexact) result.flags |= FLAG_UNDERFLOW;
    result.word = sign | magnitude;
    return result;
}

} // namespace binora
