#pragma once

// The exact mathematical result of an operation on its stored operands, written out, and how
// far the rounded result lies from it. Exact integer arithmetic (GMP): the digits written are
// the true ones, however far the expansion goes.

#include "arith/arithmetic.hpp"

#include <string>

namespace binora {

// The texts to write.
enum ExactPart : unsigned {
    EXACT_REAL = 1U << 0,  // real
    EXACT_ERROR = 1U << 1, // error and error_ulps
};

struct ExactTexts {
    // The exact result: "NaN" when there is none, "Infinity" or "-Infinity", "0" for zero;
    // otherwise, in the layout of exact_decimal.hpp, every digit when its decimal expansion
    // ends, else its digits up to the 40th significant one (and at least one after the point)
    // followed by "...": 1/3 is "0.3333333333333333333333333333333333333333...".
    std::string real;
    // The stored result minus the exact one, in the same layout ("0" when they are equal);
    // empty when either is not a finite number.
    std::string error;
    // That difference divided by ULP of the stored result, rounded to nearest with ties to
    // even to four significant digits, written "d.dddE+xx" ("0.000E+00" for none); empty when
    // `error` is.
    std::string error_ulps;
};

// Fills the texts of `parts` for `arithmetic_case`, whose computation gave `result`; the
// others are emptied.
void write_exact_texts(const ArithmeticCase& arithmetic_case, const ArithmeticResult& result,
                       unsigned parts, ExactTexts& out);

} // namespace binora
