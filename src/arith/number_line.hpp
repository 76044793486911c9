#pragma once

// Where the exact result of an operation lies among the numbers of the result's format: the
// two numbers of the format's grid around it, the midpoint between them and its position
// there, for drawing it on a number line. Pure, exact (GMP).
//
// The grid is the format's numbers and, past the largest finite number, the number its
// spacing would give next (2^(emax + 1) for the IEEE formats, 480 for E4M3), so that a result
// that overflows still lies between two points: the largest finite number and that one.

#include "arith/arithmetic.hpp"

#include <string>

namespace binora {

enum class ExactPlaceKind {
    none,          // no exact number: a NaN or an infinity
    representable, // the exact result is a number of the format: nothing to round
    between,       // it lies strictly between two neighbouring points of the grid
};

// A number of the grid.
struct GridPoint {
    // The number in the line's form: its leading significant digits, written
    // "d.ddd...E+xx" with "..." where digits are left out ("3.00000000000000016653...E-01"),
    // "0" for zero; as many digits as tell the format's neighbours and their midpoint apart
    // (line_digits).
    std::string text;
    bool in_format = false; // a finite number of the format, `word`
    Word128 word = 0;
};

struct ExactPlace {
    ExactPlaceKind kind = ExactPlaceKind::none;
    // between: the grid points below and above the exact result, and their midpoint (not a
    // number of the format). representable: the number's neighbours below and above it, and
    // the number itself in `middle`.
    GridPoint low;
    GridPoint middle;
    GridPoint high;
    // Positions along the line from `low` (0) to `high` (1), to scale: `middle` at 0.5 when
    // between; the exact result at (exact - low) / (high - low), beyond 1 when it overflows
    // past `high` too. Worked out exactly to 64 bits after the point, then made a double.
    double middle_position = 0.5;
    double exact_position = 0.0;
    // The exact result in the line's form.
    std::string exact_text;
};

// The significant digits of the line's texts in `format`: enough to tell apart two
// neighbours and their midpoint, and three more.
int line_digits(const FormatTraits& format);

// The place of the exact result of `arithmetic_case`, whose computation gave `result`.
ExactPlace place_exact_result(const ArithmeticCase& arithmetic_case,
                              const ArithmeticResult& result);

} // namespace binora
