#pragma once

// An oracle for the arithmetic core, written apart from it so that the two can be held
// against each other. Operands are decoded from their storage words into exact rationals
// (GMP) from the format's widths and bias alone; the operation is computed exactly (the
// square root by an integer square root of a scaled value, the remainder with the integer
// nearest the exact quotient); the exact result is rounded into the format by a rounding of
// this file's own, with IEEE 754-2019's default exception handling: tininess after rounding,
// underflow only when tiny and inexact, overflow to an infinity or the largest finite number
// as the direction says. The special cases follow the contract at the top of
// arith/arithmetic.hpp, written out again here case by case. Only the vocabulary types of the
// core are used (operations, directions, flags, the case and result structs); none of its
// code.

#include "arith/arithmetic.hpp"
#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <gmpxx.h>

#include <optional>

namespace binora::testing {

// The exact value of a finite word of `format` (zero included; a negative zero is 0), or
// nothing for an infinity or a NaN.
std::optional<mpq_class> exact_value_of(const FormatTraits& format, Word128 word);

// `value` rounded into `format` in the direction, with the flags (overflow, underflow,
// inexact) and the guard, round and sticky bits at the format's precision. A zero value gives
// the zero of `negative_zero`'s sign, exactly.
struct ExactRounding {
    Word128 word = 0;
    unsigned flags = 0;
    GuardRoundSticky grs;
};
ExactRounding round_exact(const FormatTraits& format, Rounding rounding, bool saturate,
                          const mpq_class& value, bool negative_zero = false);

// The result compute() must give for the case.
ArithmeticResult exact_compute(const ArithmeticCase& arithmetic_case);

} // namespace binora::testing
