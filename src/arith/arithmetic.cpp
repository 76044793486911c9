#include "arith/arithmetic.hpp"

#include "arith/integer_arithmetic.hpp"
#include "arith/mpfr_word.hpp"
#include "numeric/format_word.hpp"

namespace binora {

namespace {

// What an operand is, apart from its NaNs (settled first).
struct Operand {
    bool negative = false;
    bool zero = false;
    bool infinite = false;
};

Operand operand_of(const WordLayout& layout, Word128 word) {
    return {sign_of(layout, word), magnitude_of(layout, word) == 0, is_infinity_word(layout, word)};
}

ArithmeticResult exact(Word128 word) {
    return {word, 0, RealKind::number, false, {}};
}

ArithmeticResult invalid(const FormatTraits& format) {
    return {default_nan_word(format, false), FLAG_INVALID, RealKind::nan, false, {}};
}

ArithmeticResult zero(const FormatTraits& format, bool negative) {
    return exact(negative ? sign_mask(format) : 0);
}

// An exact infinity, or what stands for it in a format without infinities.
ArithmeticResult infinity(const FormatTraits& format, bool saturate, bool negative) {
    Word128 word = infinity_word(format, negative);
    if (format.top != TopExponent::infinity_and_nan)
        word = saturate ? (negative ? sign_mask(format) : 0) | largest_finite_magnitude(format)
                        : default_nan_word(format, negative);
    return {word, 0, RealKind::infinity, negative, {}};
}

// The NaN `word` of `from` as a quiet NaN of `to`: sign kept, the payload's leading bits kept
// in place below the quiet bit.
Word128 quiet_nan(const FormatTraits& to, const FormatTraits& from, Word128 word) {
    const bool negative = sign_of(from, word);
    if (to.top != TopExponent::infinity_and_nan) return default_nan_word(to, negative);
    Word128 fraction = fraction_field(from, word);
    if (to.significand_bits >= from.significand_bits)
        fraction <<= to.significand_bits - from.significand_bits;
    else
        fraction >>= from.significand_bits - to.significand_bits;
    return infinity_word(to, negative) | fraction | quiet_bit(to);
}

// The sign of an exact zero sum of addends with these signs: their sign when they agree
// (both zeros), else + but - when rounding toward -infinity.
bool zero_sum_negative(bool first, bool second, bool both_zero, Rounding rounding) {
    if (both_zero && first == second) return first;
    return rounding == Rounding::rdn;
}

// The case settled without rounding (NaNs, infinities, zeros, invalid operations), if it is.
bool settle_special(const ArithmeticCase& c, const WordLayout& source_layout,
                    ArithmeticResult& result) {
    const FormatTraits& format = *c.format;
    const int count = operand_count(c.operation);

    // NaN operands: the first one, quieted; invalid for any signalling one.
    unsigned nan_flags = 0;
    int first_nan = -1;
    for (int i = 0; i < count; ++i) {
        const Word128 word = c.operands[static_cast<std::size_t>(i)];
        if (!is_nan_word(source_layout, word)) continue;
        if (first_nan < 0) first_nan = i;
        if (is_signalling_nan_word(source_layout, word)) nan_flags = FLAG_INVALID;
    }
    if (first_nan >= 0) {
        result = {
            quiet_nan(format, c.operand_format(), c.operands[static_cast<std::size_t>(first_nan)]),
            nan_flags,
            RealKind::nan,
            false,
            {}};
        return true;
    }

    Operand x[3];
    for (int i = 0; i < count; ++i)
        x[i] = operand_of(source_layout, c.operands[static_cast<std::size_t>(i)]);
    const Operand& a = x[0];
    const Operand& b = x[1];
    switch (c.operation) {
    case Operation::add:
    case Operation::sub: {
        const bool b_negative = b.negative != (c.operation == Operation::sub);
        if (a.infinite && b.infinite && a.negative != b_negative)
            result = invalid(format);
        else if (a.infinite)
            result = infinity(format, c.saturate, a.negative);
        else if (b.infinite)
            result = infinity(format, c.saturate, b_negative);
        else if (a.zero && b.zero)
            result = zero(format, zero_sum_negative(a.negative, b_negative, true, c.rounding));
        else
            return false;
        return true;
    }
    case Operation::mul: {
        const bool negative = a.negative != b.negative;
        if ((a.zero && b.infinite) || (a.infinite && b.zero))
            result = invalid(format);
        else if (a.infinite || b.infinite)
            result = infinity(format, c.saturate, negative);
        else if (a.zero || b.zero)
            result = zero(format, negative);
        else
            return false;
        return true;
    }
    case Operation::div: {
        const bool negative = a.negative != b.negative;
        if ((a.zero && b.zero) || (a.infinite && b.infinite))
            result = invalid(format);
        else if (a.infinite)
            result = infinity(format, c.saturate, negative);
        else if (b.infinite || a.zero)
            result = zero(format, negative);
        else if (b.zero) {
            result = infinity(format, c.saturate, negative);
            result.flags = FLAG_DIVBYZERO;
        } else
            return false;
        return true;
    }
    case Operation::fma: {
        const Operand& addend = x[2];
        const bool product_negative = a.negative != b.negative;
        const bool product_infinite = a.infinite || b.infinite;
        if ((a.zero && b.infinite) || (a.infinite && b.zero))
            result = invalid(format);
        else if (product_infinite && addend.infinite && product_negative != addend.negative)
            result = invalid(format);
        else if (product_infinite)
            result = infinity(format, c.saturate, product_negative);
        else if (addend.infinite)
            result = infinity(format, c.saturate, addend.negative);
        else if ((a.zero || b.zero) && addend.zero)
            result = zero(format,
                          zero_sum_negative(product_negative, addend.negative, true, c.rounding));
        else
            return false;
        return true;
    }
    case Operation::sqrt:
        if (a.zero)
            result = zero(format, a.negative);
        else if (a.negative)
            result = invalid(format);
        else if (a.infinite)
            result = infinity(format, c.saturate, false);
        else
            return false;
        return true;
    case Operation::rem:
        if (a.infinite || b.zero)
            result = invalid(format);
        else if (b.infinite || a.zero)
            result = exact(c.operands[0]);
        else
            return false;
        return true;
    case Operation::convert:
        if (a.infinite)
            result = infinity(format, c.saturate, a.negative);
        else if (a.zero)
            result = zero(format, a.negative);
        else
            return false;
        return true;
    }
    return false;
}

// The operation on finite operands by MPFR, truncated to two bits beyond the format's
// precision, whose ternary value it returns.
int truncated_operation(const ArithmeticCase& c, MpfrSlot (&operands)[3], MpfrSlot& result) {
    mpfr_ptr r = result.get();
    mpfr_srcptr a = operands[0].get();
    mpfr_srcptr b = operands[1].get();
    switch (c.operation) {
    case Operation::add:
        return mpfr_add(r, a, b, MPFR_RNDZ);
    case Operation::sub:
        return mpfr_sub(r, a, b, MPFR_RNDZ);
    case Operation::mul:
        return mpfr_mul(r, a, b, MPFR_RNDZ);
    case Operation::div:
        return mpfr_div(r, a, b, MPFR_RNDZ);
    case Operation::fma:
        return mpfr_fma(r, a, b, operands[2].get(), MPFR_RNDZ);
    case Operation::sqrt:
        return mpfr_sqrt(r, a, MPFR_RNDZ);
    case Operation::rem:
        return mpfr_remainder(r, a, b, MPFR_RNDZ);
    case Operation::convert:
        return mpfr_set(r, a, MPFR_RNDZ);
    }
    return 0;
}

// The exact result x, a number, rounded into the result's format.
ArithmeticResult rounded_number(const ArithmeticCase& c, const ArithmeticLayouts& layouts,
                                const TruncatedReal& x) {
    const RoundedReal rounded =
        round_into_format(*c.format, layouts.result, c.rounding, c.saturate, x);
    return {rounded.word, rounded.flags, RealKind::number, false, rounded.grs};
}

} // namespace

ArithmeticLayouts layouts_of(const ArithmeticCase& c) {
    return {layout_of(*c.format), layout_of(c.operand_format())};
}

ArithmeticResult compute(const ArithmeticCase& c) {
    return compute(c, layouts_of(c));
}

ArithmeticResult compute(const ArithmeticCase& c, const ArithmeticLayouts& layouts) {
    const FormatTraits& format = *c.format;
    const FormatTraits& source = c.operand_format();
    const int count = operand_count(c.operation);
    const WordLayout& source_layout = layouts.operands;

    // Most operands are finite numbers other than zero, which need nothing settled first (but
    // the square root of a negative one).
    bool ordinary = true;
    for (int i = 0; i < count; ++i) {
        const Word128 word = c.operands[static_cast<std::size_t>(i)];
        ordinary = ordinary && is_finite_nonzero_word(source_layout, word);
    }
    if (c.operation == Operation::sqrt && sign_of(source_layout, c.operands[0])) ordinary = false;
    if (!ordinary) {
        ArithmeticResult result;
        if (settle_special(c, source_layout, result)) return result;
    }

    // Sums, differences and products (whose operands are of the result's format) by integers.
    if (integer_arithmetic_applies(c.operation, format.precision) && &source == &format) {
        TruncatedReal x_truncated;
        if (!truncated_by_integers(c.operation, format, source_layout, c.operands[0], c.operands[1],
                                   x_truncated))
            return zero(format, zero_sum_negative(false, false, false, c.rounding));
        return rounded_number(c, layouts, x_truncated);
    }

    // Every precision alike where the operation allows: MPFR's fastest paths want that.
    const long width = format.precision + 2;
    const long operand_width = std::max(width, static_cast<long>(source.precision));
    MpfrSlot operands[3] = {MpfrSlot(operand_width, true), MpfrSlot(operand_width, true),
                            MpfrSlot(operand_width, true)};
    for (int i = 0; i < count; ++i)
        operands[i].set_word(source, source_layout, c.operands[static_cast<std::size_t>(i)]);
    MpfrSlot truncated(width);
    const int ternary = truncated_operation(c, operands, truncated);
    if (mpfr_zero_p(truncated.get()) != 0) { // an exact zero: a sum that cancels, a remainder
        const bool negative = c.operation == Operation::rem
                                  ? sign_of(source_layout, c.operands[0])
                                  : zero_sum_negative(false, false, false, c.rounding);
        return zero(format, negative);
    }
    return rounded_number(c, layouts, truncated.truncated(format, ternary));
}

} // namespace binora
