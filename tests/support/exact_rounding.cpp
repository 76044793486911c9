#include "exact_rounding.hpp"

#include <algorithm>
#include <cstdint>

namespace binora::testing {

namespace {

// The low `count` bits set.
Word128 low_bits(int count) {
    return count >= 128 ? ~Word128{0} : (Word128{1} << count) - 1;
}

// Both directions between a Word128 and GMP's integers go by 64-bit halves, least
// significant first.
mpz_class mpz_of(Word128 word) {
    const std::uint64_t halves[2] = {static_cast<std::uint64_t>(word),
                                     static_cast<std::uint64_t>(word >> 64)};
    mpz_class z;
    mpz_import(z.get_mpz_t(), 2, -1, sizeof(std::uint64_t), 0, 0, halves);
    return z;
}

// A nonnegative integer below 2^128.
Word128 word_of_mpz(const mpz_class& z) {
    std::uint64_t halves[2] = {0, 0};
    std::size_t count = 0;
    mpz_export(halves, &count, -1, sizeof(std::uint64_t), 0, 0, z.get_mpz_t());
    return (static_cast<Word128>(halves[1]) << 64) | halves[0];
}

// m * 2^exponent.
mpq_class scaled(const mpz_class& m, long exponent) {
    mpq_class q(m);
    if (exponent >= 0)
        mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(exponent));
    else
        mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(-exponent));
    return q;
}

mpz_class shifted_left(const mpz_class& m, long bits) {
    mpz_class z;
    mpz_mul_2exp(z.get_mpz_t(), m.get_mpz_t(), static_cast<mp_bitcnt_t>(bits));
    return z;
}

// m1 * 2^e1 against m2 * 2^e2 (nonnegative m1, m2): negative, zero or positive.
int compare_scaled(const mpz_class& m1, long e1, const mpz_class& m2, long e2) {
    if (e1 >= e2) return cmp(shifted_left(m1, e1 - e2), m2);
    return cmp(m1, shifted_left(m2, e2 - e1));
}

long bit_length(const mpz_class& m) {
    return m == 0 ? 0 : static_cast<long>(mpz_sizeinbase(m.get_mpz_t(), 2));
}

// floor(log2(num / den)), num and den positive.
long floor_log2(const mpz_class& num, const mpz_class& den) {
    long e = bit_length(num) - bit_length(den);
    if (compare_scaled(num, 0, den, e) < 0) --e;
    return e;
}

// A word's fields, read from the format's widths.
struct Fields {
    bool negative = false;
    unsigned exponent = 0; // biased
    Word128 fraction = 0;
};

Fields fields_of(const FormatTraits& f, Word128 word) {
    word &= low_bits(f.storage_bits);
    return {((word >> (f.storage_bits - 1)) & 1U) != 0,
            static_cast<unsigned>((word >> f.significand_bits) & low_bits(f.exponent_bits)),
            word & low_bits(f.significand_bits)};
}

Word128 word_of_fields(const FormatTraits& f, const Fields& fields) {
    return (fields.negative ? Word128{1} << (f.storage_bits - 1) : 0) |
           (Word128{fields.exponent} << f.significand_bits) | fields.fraction;
}

unsigned all_ones_exponent(const FormatTraits& f) {
    return (1U << f.exponent_bits) - 1;
}

bool has_infinities(const FormatTraits& f) {
    return f.top == TopExponent::infinity_and_nan;
}

enum class Kind { zero, finite, infinity, nan };

struct Decoded {
    Kind kind = Kind::zero;
    bool negative = false;
    mpz_class significand; // |value| = significand * 2^exponent (finite nonzero)
    long exponent = 0;
    mpq_class value; // signed; 0 for both zeros
    Word128 fraction = 0;
};

Decoded decode(const FormatTraits& f, Word128 word) {
    const Fields fields = fields_of(f, word);
    Decoded d;
    d.negative = fields.negative;
    d.fraction = fields.fraction;
    if (fields.exponent == all_ones_exponent(f)) {
        if (has_infinities(f)) {
            d.kind = fields.fraction == 0 ? Kind::infinity : Kind::nan;
            return d;
        }
        if (fields.fraction == low_bits(f.significand_bits)) {
            d.kind = Kind::nan;
            return d;
        }
    }
    d.significand = mpz_of(fields.fraction);
    if (fields.exponent != 0)
        mpz_setbit(d.significand.get_mpz_t(), static_cast<mp_bitcnt_t>(f.significand_bits));
    d.exponent = static_cast<long>(std::max(fields.exponent, 1U)) - f.bias - f.significand_bits;
    if (d.significand == 0) return d;
    d.kind = Kind::finite;
    d.value = scaled(d.significand, d.exponent);
    if (d.negative) mpq_neg(d.value.get_mpq_t(), d.value.get_mpq_t());
    return d;
}

Word128 sign_word(const FormatTraits& f, bool negative) {
    return negative ? Word128{1} << (f.storage_bits - 1) : 0;
}

// The largest finite magnitude's word: the exponent field below all ones with every fraction
// bit; in a format without infinities the all-ones field with every fraction bit but the
// last.
Word128 largest_word(const FormatTraits& f, bool negative) {
    if (has_infinities(f))
        return word_of_fields(f,
                              {negative, all_ones_exponent(f) - 1, low_bits(f.significand_bits)});
    return word_of_fields(f, {negative, all_ones_exponent(f), low_bits(f.significand_bits) - 1});
}

Word128 infinity_or_nan_word(const FormatTraits& f, bool negative) {
    return word_of_fields(
        f, {negative, all_ones_exponent(f), has_infinities(f) ? 0 : low_bits(f.significand_bits)});
}

// What a format gives where the exact result is an infinity: the infinity; without
// infinities its NaN, or the largest finite number when saturating.
Word128 exact_infinity_word(const FormatTraits& f, bool saturate, bool negative) {
    if (!has_infinities(f) && saturate) return largest_word(f, negative);
    return infinity_or_nan_word(f, negative);
}

Word128 default_nan(const FormatTraits& f) {
    if (!has_infinities(f)) return infinity_or_nan_word(f, false);
    return word_of_fields(f, {false, all_ones_exponent(f), Word128{1} << (f.significand_bits - 1)});
}

bool is_signalling(const FormatTraits& f, const Decoded& d) {
    return d.kind == Kind::nan && ((d.fraction >> (f.significand_bits - 1)) & 1U) == 0;
}

// A NaN of `from` as a quiet NaN of `to`: the sign, the payload's leading bits in place under
// the quiet bit.
Word128 quieted(const FormatTraits& to, const FormatTraits& from, const Decoded& nan) {
    if (!has_infinities(to)) return infinity_or_nan_word(to, nan.negative);
    Word128 fraction = nan.fraction;
    if (to.significand_bits >= from.significand_bits)
        fraction <<= to.significand_bits - from.significand_bits;
    else
        fraction >>= from.significand_bits - to.significand_bits;
    fraction |= Word128{1} << (to.significand_bits - 1);
    return word_of_fields(to, {nan.negative, all_ones_exponent(to), fraction});
}

// |x| on the grid of spacing 2^quantum: the multiple kept by the direction, and the bits
// dropped.
struct OnGrid {
    mpz_class multiple;
    GuardRoundSticky grs;
    bool inexact = false;
};

OnGrid round_on_grid(const mpz_class& num, const mpz_class& den, long quantum, Rounding rounding,
                     bool negative) {
    // num / den / 2^quantum as n / d
    const mpz_class shifted =
        quantum >= 0 ? shifted_left(den, quantum) : shifted_left(num, -quantum);
    const mpz_class& n = quantum >= 0 ? num : shifted;
    const mpz_class& d = quantum >= 0 ? shifted : den;
    OnGrid g;
    mpz_class rest;
    mpz_fdiv_qr(g.multiple.get_mpz_t(), rest.get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
    // The dropped part rest / d in [0, 1), bit by bit: the first (its comparison with one
    // half), the second, and whether anything remains.
    rest <<= 1;
    const int half = cmp(rest, d);
    g.grs.guard = half >= 0;
    if (g.grs.guard) rest -= d;
    rest <<= 1;
    g.grs.round = rest >= d;
    if (g.grs.round) rest -= d;
    g.grs.sticky = rest != 0;
    g.inexact = g.grs.guard || g.grs.round || g.grs.sticky;
    bool up = false;
    switch (rounding) {
    case Rounding::rne:
        up = half > 0 || (half == 0 && mpz_odd_p(g.multiple.get_mpz_t()) != 0);
        break;
    case Rounding::rna:
        up = half >= 0;
        break;
    case Rounding::rtz:
        up = false;
        break;
    case Rounding::rup:
        up = g.inexact && !negative;
        break;
    case Rounding::rdn:
        up = g.inexact && negative;
        break;
    }
    if (up) ++g.multiple;
    return g;
}

} // namespace

std::optional<mpq_class> exact_value_of(const FormatTraits& format, Word128 word) {
    const Decoded d = decode(format, word);
    if (d.kind == Kind::infinity || d.kind == Kind::nan) return std::nullopt;
    return d.value;
}

ExactRounding round_exact(const FormatTraits& f, Rounding rounding, bool saturate,
                          const mpq_class& value, bool negative_zero) {
    ExactRounding r;
    if (value == 0) {
        r.word = sign_word(f, negative_zero);
        return r;
    }
    const bool negative = value < 0;
    const mpz_class num = abs(value.get_num());
    const mpz_class& den = value.get_den();
    const long precision = f.precision;
    const long emin = 1 - f.bias;
    const long e = floor_log2(num, den);

    // The format's grid at x: `precision` bits in x's binade, but never finer than the
    // spacing of the subnormal numbers.
    const long quantum = std::max(e, emin) - precision + 1;
    OnGrid g = round_on_grid(num, den, quantum, rounding, negative);
    r.grs = g.grs;
    if (g.inexact) r.flags |= FLAG_INEXACT;

    // Overflow: rounded with no upper limit on the exponent (the grid above is the same),
    // beyond the largest finite number.
    const Decoded largest = decode(f, largest_word(f, false));
    if (compare_scaled(g.multiple, quantum, largest.significand, largest.exponent) > 0) {
        r.flags |= FLAG_OVERFLOW | FLAG_INEXACT;
        const bool toward_zero = rounding == Rounding::rtz ||
                                 (rounding == Rounding::rup && negative) ||
                                 (rounding == Rounding::rdn && !negative);
        r.word =
            saturate || toward_zero ? largest_word(f, negative) : infinity_or_nan_word(f, negative);
        return r;
    }

    // Tininess after rounding: x rounded to `precision` bits with no lower limit on the
    // exponent lies below the smallest normal number.
    if (e < emin && g.inexact) {
        const OnGrid wide = round_on_grid(num, den, e - precision + 1, rounding, negative);
        if (compare_scaled(wide.multiple, e - precision + 1, 1, emin) < 0)
            r.flags |= FLAG_UNDERFLOW;
    }

    // The word of multiple * 2^quantum: a carry to 2^precision moves into the next binade.
    mpz_class& m = g.multiple;
    long q = quantum;
    if (bit_length(m) > precision) {
        m >>= 1;
        ++q;
    }
    Fields fields{negative, 0, 0};
    if (bit_length(m) == precision) {
        fields.exponent = static_cast<unsigned>(q + precision - 1 + f.bias);
        mpz_clrbit(m.get_mpz_t(), static_cast<mp_bitcnt_t>(precision - 1));
    } // else subnormal, or zero: q is the spacing of the subnormal numbers
    fields.fraction = word_of_mpz(m);
    r.word = word_of_fields(f, fields);
    return r;
}

namespace {

ArithmeticResult rounded(const ArithmeticCase& c, const mpq_class& value) {
    const ExactRounding r = round_exact(*c.format, c.rounding, c.saturate, value);
    return {r.word, r.flags, RealKind::number, false, r.grs};
}

ArithmeticResult zero_result(const FormatTraits& f, bool negative) {
    return {sign_word(f, negative), 0, RealKind::number, false, {}};
}

ArithmeticResult infinity_result(const ArithmeticCase& c, bool negative, unsigned flags = 0) {
    return {exact_infinity_word(*c.format, c.saturate, negative),
            flags,
            RealKind::infinity,
            negative,
            {}};
}

ArithmeticResult invalid_result(const FormatTraits& f) {
    return {default_nan(f), FLAG_INVALID, RealKind::nan, false, {}};
}

// An exact zero sum of addends with these signs: their sign when both are zeros of one sign,
// else +0, but -0 rounding toward -infinity.
bool zero_sum_negative(bool both_zero, bool first, bool second, Rounding rounding) {
    if (both_zero && first == second) return first;
    return rounding == Rounding::rdn;
}

// The square root of a positive finite number m * 2^e for a format of `precision` bits. With
// s = m * 4^j of at least 2 * precision + 9 bits, r = floor(sqrt(s)) has at least
// precision + 4 bits, and the root lies in [r, r + 1) * 2^(e / 2 - j). When s is no square the
// root lies strictly inside that interval, as does r + 1/2; every rounding boundary of the
// format there (the grid, its midpoints and quarter points, the smallest normal number) is a
// multiple of 2^(e / 2 - j), so none separates the two: they round alike, with the same guard,
// round and sticky bits and flags.
mpq_class square_root(mpz_class m, long e, long precision) {
    if (e % 2 != 0) {
        m <<= 1;
        --e;
    }
    const long bits = static_cast<long>(mpz_sizeinbase(m.get_mpz_t(), 2));
    const long j = std::max(0L, (2 * precision + 9 - bits + 1) / 2);
    const mpz_class s = m << static_cast<mp_bitcnt_t>(2 * j);
    mpz_class root;
    mpz_class rest;
    mpz_sqrtrem(root.get_mpz_t(), rest.get_mpz_t(), s.get_mpz_t());
    if (rest == 0) return scaled(root, e / 2 - j);
    return scaled(2 * root + 1, e / 2 - j - 1);
}

// The integer nearest to q, ties to even.
mpz_class nearest_integer(const mpq_class& q) {
    mpz_class n;
    mpz_class rest;
    mpz_fdiv_qr(n.get_mpz_t(), rest.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    const int half = cmp(2 * rest, q.get_den());
    if (half > 0 || (half == 0 && mpz_odd_p(n.get_mpz_t()) != 0)) ++n;
    return n;
}

ArithmeticResult add(const ArithmeticCase& c, const Decoded& a, const Decoded& b) {
    if (a.kind == Kind::infinity && b.kind == Kind::infinity && a.negative != b.negative)
        return invalid_result(*c.format);
    if (a.kind == Kind::infinity) return infinity_result(c, a.negative);
    if (b.kind == Kind::infinity) return infinity_result(c, b.negative);
    const mpq_class sum = a.value + b.value;
    if (sum == 0)
        return zero_result(*c.format,
                           zero_sum_negative(a.kind == Kind::zero && b.kind == Kind::zero,
                                             a.negative, b.negative, c.rounding));
    return rounded(c, sum);
}

ArithmeticResult multiply(const ArithmeticCase& c, const Decoded& a, const Decoded& b) {
    const bool negative = a.negative != b.negative;
    if ((a.kind == Kind::zero && b.kind == Kind::infinity) ||
        (a.kind == Kind::infinity && b.kind == Kind::zero))
        return invalid_result(*c.format);
    if (a.kind == Kind::infinity || b.kind == Kind::infinity) return infinity_result(c, negative);
    if (a.kind == Kind::zero || b.kind == Kind::zero) return zero_result(*c.format, negative);
    return rounded(c, a.value * b.value);
}

ArithmeticResult divide(const ArithmeticCase& c, const Decoded& a, const Decoded& b) {
    const bool negative = a.negative != b.negative;
    if ((a.kind == Kind::zero && b.kind == Kind::zero) ||
        (a.kind == Kind::infinity && b.kind == Kind::infinity))
        return invalid_result(*c.format);
    if (a.kind == Kind::infinity) return infinity_result(c, negative);
    if (b.kind == Kind::infinity || a.kind == Kind::zero) return zero_result(*c.format, negative);
    if (b.kind == Kind::zero) return infinity_result(c, negative, FLAG_DIVBYZERO);
    return rounded(c, a.value / b.value);
}

ArithmeticResult fused_multiply_add(const ArithmeticCase& c, const Decoded& a, const Decoded& b,
                                    const Decoded& addend) {
    const bool product_negative = a.negative != b.negative;
    const bool product_infinite = a.kind == Kind::infinity || b.kind == Kind::infinity;
    if ((a.kind == Kind::zero && b.kind == Kind::infinity) ||
        (a.kind == Kind::infinity && b.kind == Kind::zero))
        return invalid_result(*c.format);
    if (product_infinite && addend.kind == Kind::infinity && addend.negative != product_negative)
        return invalid_result(*c.format);
    if (product_infinite) return infinity_result(c, product_negative);
    if (addend.kind == Kind::infinity) return infinity_result(c, addend.negative);
    const mpq_class product = a.value * b.value;
    const mpq_class sum = product + addend.value;
    if (sum == 0)
        return zero_result(*c.format,
                           zero_sum_negative(product == 0 && addend.kind == Kind::zero,
                                             product_negative, addend.negative, c.rounding));
    return rounded(c, sum);
}

ArithmeticResult square_root_of(const ArithmeticCase& c, const Decoded& a) {
    if (a.kind == Kind::zero) return zero_result(*c.format, a.negative);
    if (a.negative) return invalid_result(*c.format);
    if (a.kind == Kind::infinity) return infinity_result(c, false);
    return rounded(c, square_root(a.significand, a.exponent, c.format->precision));
}

ArithmeticResult remainder(const ArithmeticCase& c, const Decoded& a, const Decoded& b) {
    if (a.kind == Kind::infinity || b.kind == Kind::zero) return invalid_result(*c.format);
    if (a.kind == Kind::zero) return zero_result(*c.format, a.negative);
    if (b.kind == Kind::infinity) return rounded(c, a.value); // x itself, exactly
    const mpq_class r = a.value - nearest_integer(a.value / b.value) * b.value;
    if (r == 0) return zero_result(*c.format, a.negative);
    return rounded(c, r);
}

ArithmeticResult converted(const ArithmeticCase& c, const Decoded& a) {
    if (a.kind == Kind::infinity) return infinity_result(c, a.negative);
    if (a.kind == Kind::zero) return zero_result(*c.format, a.negative);
    return rounded(c, a.value);
}

} // namespace

ArithmeticResult exact_compute(const ArithmeticCase& c) {
    const FormatTraits& from = c.operand_format();
    const int count = operand_count(c.operation);
    Decoded x[3];
    for (int i = 0; i < count; ++i)
        x[i] = decode(from, c.operands[static_cast<std::size_t>(i)]);

    // NaN operands: the first one, quiet; invalid when any of them signals.
    const Decoded* first_nan = nullptr;
    unsigned flags = 0;
    for (int i = 0; i < count; ++i) {
        if (x[i].kind != Kind::nan) continue;
        if (first_nan == nullptr) first_nan = &x[i];
        if (is_signalling(from, x[i])) flags = FLAG_INVALID;
    }
    if (first_nan != nullptr)
        return {quieted(*c.format, from, *first_nan), flags, RealKind::nan, false, {}};

    switch (c.operation) {
    case Operation::add:
        return add(c, x[0], x[1]);
    case Operation::sub: {
        Decoded negated = x[1];
        negated.negative = !negated.negative;
        negated.value = -negated.value;
        return add(c, x[0], negated);
    }
    case Operation::mul:
        return multiply(c, x[0], x[1]);
    case Operation::div:
        return divide(c, x[0], x[1]);
    case Operation::fma:
        return fused_multiply_add(c, x[0], x[1], x[2]);
    case Operation::sqrt:
        return square_root_of(c, x[0]);
    case Operation::rem:
        return remainder(c, x[0], x[1]);
    case Operation::convert:
        return converted(c, x[0]);
    }
    return {};
}

} // namespace binora::testing
