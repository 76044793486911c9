#pragma once

// The exact mathematical result of an operation on its stored operands, as exact numbers of
// GMP, and its leading decimal digits: what exact_result.hpp writes out and number_line.hpp
// places among the numbers of the format.

#include "arith/arithmetic.hpp"

#include <gmpxx.h>

#include <cstddef>

namespace binora {

// A real number: rational + root_sign * sqrt(radicand), the radicand a dyadic number that is
// not the square of a rational one (root_sign 0 for a rational number).
struct ExactValue {
    mpq_class rational;
    int root_sign = 0;
    mpq_class radicand;
};

// The exact result of the case, a number (its result says so: RealKind::number).
ExactValue exact_value(const ArithmeticCase& arithmetic_case);

// The number of a finite word of `format`, exactly.
mpq_class value_of(const FormatTraits& format, Word128 word);

// 2^exponent.
mpz_class power_of_two(unsigned long exponent);

// The sign of v: -1, 0 or 1.
int sign_of_value(const ExactValue& v);

// floor(|v| * 10^k), k >= 0.
mpz_class floor_scaled(const ExactValue& v, unsigned long k);

// The number of decimal digits of n > 0.
std::size_t digit_count(const mpz_class& n);

// floor(|v| * 10^k) with at least `wanted` digits, and k >= 0 as small as that allows; v is
// not zero.
mpz_class leading_digits(const ExactValue& v, long wanted, unsigned long& k);

} // namespace binora
