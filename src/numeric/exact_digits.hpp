#pragma once

// Decimal texts of exact numbers held as GMP integers: every digit of a number with a given
// count of fraction digits, and a quotient rounded to four significant digits. The layouts of
// exact_decimal.hpp and of the error texts (conversion_error.hpp).

#include <gmpxx.h>

#include <string>

namespace binora {

// 10^exponent.
mpz_class power_of_ten(unsigned long exponent);

// `out` gets number / 10^fraction_digits: a "-" for a negative number, the integer digits (at
// least "0"), and, when the fraction is not zero, a point and its digits without trailing
// zeros.
void write_scaled(std::string& out, const mpz_class& number, unsigned long fraction_digits);

// `out` gets numerator / denominator * 10^shift (denominator > 0) rounded to nearest, ties to
// even, to four significant digits, written "d.dddE+xx" (at least two exponent digits, "-" in
// front of a negative number or exponent): "2.500E-01"; "0.000E+00" for zero.
void write_four_digits(std::string& out, const mpz_class& numerator, const mpz_class& denominator,
                       const mpz_class& shift);

} // namespace binora
