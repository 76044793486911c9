#pragma once

// Sums, differences and products of finite numbers by exact integer arithmetic, for the
// formats whose precision plus two bits fits in 64 (every format but binary128): the result
// truncated as rounding.hpp takes it, the same that MPFR truncating toward zero gives, at a
// fraction of its cost and without loading the operands into MPFR numbers.

#include "arith/operation.hpp"
#include "arith/rounding.hpp"
#include "model/format_traits.hpp"
#include "numeric/format_word.hpp"

namespace binora {

// Whether truncated_by_integers computes `operation` in formats of `precision` bits.
constexpr bool integer_arithmetic_applies(Operation operation, int precision) {
    return precision + 2 <= 64 && (operation == Operation::add || operation == Operation::sub ||
                                   operation == Operation::mul);
}

// a + b, a - b or a * b for two finite words of `format` (masks `layout`), not both zeros,
// truncated toward zero to the format's precision plus two bits; false, `x` untouched, for an
// exact zero (a sum that cancels).
bool truncated_by_integers(Operation operation, const FormatTraits& format,
                           const WordLayout& layout, Word128 a, Word128 b, TruncatedReal& x);

} // namespace binora
