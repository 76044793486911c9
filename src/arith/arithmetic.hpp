#pragma once

// The arithmetic core: one IEEE 754 operation on stored operands, in any format of the table
// and any rounding direction, with IEEE 754-2019's default exception handling. Pure: no
// dialog, no shared state. binora-cli and the arithmetic window show what it computes through
// the read-out core.
//
// Semantics, beyond correct rounding (rounding.hpp: tininess after rounding, underflow only
// when tiny and inexact, overflow as the direction says):
// - A NaN operand gives a quiet NaN with the first NaN operand's (a, b, c) sign and payload;
//   a signalling NaN operand (top significand bit clear) raises invalid. convert keeps the
//   payload's leading bits (dropping or adding bits at its low end). fma(0, inf, quiet NaN)
//   gives that NaN without invalid.
// - An invalid operation (inf - inf, 0 * inf, 0 / 0, inf / inf, sqrt of a number below zero,
//   rem(x, 0), rem(inf, y), fma(0, inf, c)) gives the positive default NaN, raising invalid.
// - A nonzero finite number divided by zero gives an infinity, raising divbyzero.
// - An exact zero sum (or difference, or fma) is +0, -0 in direction rdn, but x + x keeps the
//   sign of a zero x; sqrt(-0) is -0; a zero remainder has x's sign.
// - Where another format gives an infinity, a format without infinities (E4M3) gives its NaN
//   of the infinity's sign: on overflow (flags overflow, inexact), for x / 0 (divbyzero), and
//   converting an infinity (no flag). With `saturate` each of those is the largest finite
//   number instead; an exact infinity of a format that has infinities stays one.

#include "arith/operation.hpp"
#include "arith/rounding.hpp"
#include "model/format_traits.hpp"
#include "numeric/format_word.hpp"
#include "numeric/storage_word.hpp"

#include <array>

namespace binora {

struct ArithmeticCase {
    Operation operation = Operation::add;
    const FormatTraits* format = &FORMATS[1]; // of the result
    const FormatTraits* source = nullptr;     // of the operands when converting; else `format`
    Rounding rounding = Rounding::rne;
    bool saturate = false; // an overflow gives the largest finite number (see above)
    // a, b, c: storage words of the operands' format (as many as the operation takes).
    std::array<Word128, 3> operands{};

    const FormatTraits& operand_format() const { return source != nullptr ? *source : *format; }
};

// What the exact mathematical result of the operation on the stored operands is.
enum class RealKind {
    number,   // a real number (finite), which the result word rounds
    infinity, // an exact infinity (an infinite operand, x / 0)
    nan,      // none: a NaN operand or an invalid operation
};

struct ArithmeticResult {
    Word128 word = 0;   // the result's storage word
    unsigned flags = 0; // ExceptionFlag bits raised
    RealKind real = RealKind::nan;
    bool real_negative = false; // the sign of an infinite exact result
    GuardRoundSticky grs;       // of a number, at the result format's precision
};

ArithmeticResult compute(const ArithmeticCase& arithmetic_case);

// The masks of an operation's formats (format_word.hpp), worked out once for many operations.
struct ArithmeticLayouts {
    WordLayout result;
    WordLayout operands;
};
ArithmeticLayouts layouts_of(const ArithmeticCase& arithmetic_case);

// compute(arithmetic_case), with its formats' masks `layouts` worked out beforehand.
ArithmeticResult compute(const ArithmeticCase& arithmetic_case, const ArithmeticLayouts& layouts);

} // namespace binora
