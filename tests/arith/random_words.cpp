#include "random_words.hpp"

#include "exact_rounding.hpp"

#include <algorithm>

namespace binora::testing {

namespace {

Word128 low_bits(int count) {
    return count >= 128 ? ~Word128{0} : (Word128{1} << count) - 1;
}

unsigned exponent_ones(const FormatTraits& f) {
    return (1U << f.exponent_bits) - 1;
}

// The largest exponent field of a finite number.
unsigned top_finite_field(const FormatTraits& f) {
    return f.top == TopExponent::infinity_and_nan ? exponent_ones(f) - 1 : exponent_ones(f);
}

Word128 sign_bit(const FormatTraits& f) {
    return Word128{1} << (f.storage_bits - 1);
}

} // namespace

std::array<const FormatTraits*, 7> every_format() {
    return {&FORMATS[0],        &FORMATS[1],        &FORMATS[2],       &NARROW_FORMATS[0],
            &NARROW_FORMATS[1], &NARROW_FORMATS[2], &NARROW_FORMATS[3]};
}

unsigned RandomWords::below(unsigned n) {
    return static_cast<unsigned>(random_() % n);
}

Word128 RandomWords::bits(int count) {
    const Word128 all = (static_cast<Word128>(random_()) << 64) | random_();
    return all & low_bits(count);
}

// A trailing significand: random bits, none, all, a few, a run of ones from the top, or
// random high bits over zeros.
Word128 RandomWords::fraction(const FormatTraits& f) {
    const int t = f.significand_bits;
    switch (below(8)) {
    case 0:
        return 0;
    case 1:
        return low_bits(t);
    case 2: {
        Word128 few = 0;
        for (unsigned i = below(3) + 1; i > 0; --i)
            few |= Word128{1} << below(static_cast<unsigned>(t));
        return few;
    }
    case 3:
        return low_bits(t) & ~low_bits(static_cast<int>(below(static_cast<unsigned>(t + 1))));
    case 4:
        return bits(t) & ~low_bits(static_cast<int>(below(static_cast<unsigned>(t + 1))));
    case 5:
        return low_bits(t) - below(4);
    default:
        return bits(t);
    }
}

Word128 RandomWords::finite(const FormatTraits& f, bool negative, long exponent, Word128 fraction) {
    const long field = std::clamp(exponent + f.bias, 0L, static_cast<long>(top_finite_field(f)));
    Word128 word = (Word128{static_cast<unsigned>(field)} << f.significand_bits) |
                   (fraction & low_bits(f.significand_bits));
    if (f.top != TopExponent::infinity_and_nan && field == exponent_ones(f) &&
        (word & low_bits(f.significand_bits)) == low_bits(f.significand_bits))
        --word; // E4M3's NaN: the largest finite number instead
    return (negative ? sign_bit(f) : 0) | word;
}

// The exponent of a word's number (the subnormal numbers count as emin; specials as beyond
// emax).
long RandomWords::exponent_of(const FormatTraits& f, Word128 word) {
    const auto field = static_cast<long>((word >> f.significand_bits) & Word128{exponent_ones(f)});
    return std::max(field, 1L) - f.bias;
}

// Zeros, infinities and NaNs.
Word128 RandomWords::special(const FormatTraits& f) {
    const Word128 sign = chance(50) ? sign_bit(f) : 0;
    const Word128 top = Word128{exponent_ones(f)} << f.significand_bits;
    const Word128 quiet = Word128{1} << (f.significand_bits - 1);
    if (f.top != TopExponent::infinity_and_nan)
        return sign | (below(3) == 0 ? top | low_bits(f.significand_bits) : 0);
    switch (below(4)) {
    case 0:
        return sign;
    case 1:
        return sign | top;
    case 2:
        return sign | top | quiet | bits(f.significand_bits - 1);
    default: {
        const Word128 payload = bits(f.significand_bits - 1);
        return sign | top | (payload == 0 ? 1 : payload); // signalling
    }
    }
}

// An exponent: anywhere, or about either end of the range, of the subnormal numbers, or 0.
long RandomWords::some_exponent(const FormatTraits& f) {
    const long emin = 1 - f.bias;
    const long emax = static_cast<long>(top_finite_field(f)) - f.bias;
    switch (below(5)) {
    case 0:
        return emax - static_cast<long>(below(3));
    case 1:
        return emin + 1 - static_cast<long>(below(static_cast<unsigned>(f.precision + 3)));
    case 2:
        return static_cast<long>(below(5)) - 2;
    default:
        return emin - f.precision +
               static_cast<long>(below(static_cast<unsigned>(emax - emin + f.precision + 1)));
    }
}

Word128 RandomWords::any(const FormatTraits& f) {
    if (chance(8)) return special(f);
    return finite(f, chance(50), some_exponent(f), fraction(f));
}

// A finite word a few units in the last place from `word`, in either direction, or `word`.
Word128 RandomWords::near(const FormatTraits& f, Word128 word) {
    const Word128 step = below(4);
    const Word128 magnitude = word & ~sign_bit(f);
    const Word128 moved = chance(50) ? magnitude + step : magnitude - std::min(magnitude, step);
    const Word128 result = (word & sign_bit(f)) | moved;
    return exact_value_of(f, result) ? result : word;
}

std::array<Word128, 3> RandomWords::operands(Operation operation, const FormatTraits& f,
                                             const FormatTraits& target) {
    std::array<Word128, 3> w = {any(f), any(f), any(f)};
    if (chance(25)) return w; // unrelated
    const long ea = exponent_of(f, w[0]);
    const long p = f.precision;
    const bool negative = chance(50);
    switch (operation) {
    case Operation::add:
    case Operation::sub: {
        // b about a's magnitude (cancelling when the signs make it a difference), or about
        // the precision below it (ties and sticky bits of the sum).
        const long gap =
            chance(50) ? static_cast<long>(below(3)) : p - 2 + static_cast<long>(below(5));
        const Word128 fa = w[0] & low_bits(f.significand_bits);
        w[1] = finite(f, negative, ea - gap, chance(50) ? fa + below(3) - 1 : fraction(f));
        if (chance(50)) std::swap(w[0], w[1]);
        break;
    }
    case Operation::mul:
    case Operation::fma:
        w[1] = finite(f, negative, some_exponent(f) - ea + static_cast<long>(below(3)) - 1,
                      fraction(f));
        if (operation == Operation::fma && chance(70)) {
            const auto a = exact_value_of(f, w[0]);
            const auto b = exact_value_of(f, w[1]);
            if (a && b) {
                // About minus the product: its rounding, a few units away.
                const auto minus = round_exact(f, Rounding::rne, true, -(*a * *b), !negative);
                w[2] = near(f, minus.word);
            }
        }
        break;
    case Operation::div:
        w[1] = finite(f, negative, ea - some_exponent(f) + static_cast<long>(below(3)) - 1,
                      fraction(f));
        break;
    case Operation::sqrt:
        w[0] &= ~sign_bit(f);
        if (chance(60)) {
            // A square, or the square of a number with a few bits rounded: exact roots and
            // roots next to a midpoint.
            const Word128 root = finite(f, false, some_exponent(f) / 2, fraction(f));
            const auto value = exact_value_of(f, root);
            if (value) w[0] = near(f, round_exact(f, Rounding::rne, true, *value * *value).word);
        }
        break;
    case Operation::rem:
        w[1] = finite(f, negative,
                      ea - static_cast<long>(below(static_cast<unsigned>(chance(70) ? 4 : p + 8))),
                      fraction(f));
        break;
    case Operation::convert: {
        // About the ends of the target's range, or anywhere in it; the bits beyond the
        // target's precision at, next to or away from a midpoint.
        const long exponent = some_exponent(target);
        Word128 bits_below = fraction(f);
        const int dropped = f.significand_bits - target.significand_bits;
        if (dropped > 0 && chance(50)) {
            const Word128 half = Word128{1} << (dropped - 1);
            bits_below = (bits_below & ~low_bits(dropped)) | (half + below(3) - 1);
        }
        w[0] = finite(f, negative, exponent, bits_below);
        break;
    }
    }
    return w;
}

} // namespace binora::testing
