#include "arith/exact_result.hpp"

#include "arith/exact_value.hpp"
#include "numeric/exact_digits.hpp"
#include "numeric/format_word.hpp"

#include <gmpxx.h>

#include <algorithm>

namespace binora {

namespace {

// Significant digits written of an expansion that does not end.
constexpr long SHOWN_DIGITS = 40;

// The number of times 2 (or 5) divides `n`, and n without them.
unsigned long strip_factor(mpz_class& n, unsigned long factor) {
    return mpz_remove(n.get_mpz_t(), n.get_mpz_t(), mpz_class(factor).get_mpz_t());
}

bool terminates(const mpq_class& q) {
    mpz_class denominator = q.get_den();
    strip_factor(denominator, 2);
    strip_factor(denominator, 5);
    return denominator == 1;
}

// The layout of ExactTexts::real for a finite number.
void write_digits(std::string& out, const ExactValue& v) {
    out.clear();
    if (v.root_sign == 0 && terminates(v.rational)) {
        mpz_class denominator = v.rational.get_den();
        const unsigned long twos = strip_factor(denominator, 2);
        const unsigned long fives = strip_factor(denominator, 5);
        const unsigned long k = std::max(twos, fives);
        write_scaled(out, v.rational.get_num() * power_of_ten(k) / v.rational.get_den(), k);
        return;
    }
    unsigned long k = 0;
    mpz_class shown = leading_digits(v, SHOWN_DIGITS, k);
    if (k == 0) { // an integer part of 40 digits or more: one fraction digit too
        k = 1;
        shown = floor_scaled(v, k);
    }
    std::string digits = shown.get_str(10);
    if (digits.size() <= k) digits.insert(0, k + 1 - digits.size(), '0');
    if (sign_of_value(v) < 0) out += '-';
    out.append(digits, 0, digits.size() - k);
    out += '.';
    out.append(digits, digits.size() - k, k);
    out += "...";
}

// v / 2^exponent rounded to four significant digits, "d.dddE+xx".
void write_in_ulps(std::string& out, const ExactValue& v, long exponent) {
    const auto shift = static_cast<unsigned long>(exponent < 0 ? -exponent : exponent);
    if (v.root_sign == 0) {
        mpz_class numerator = v.rational.get_num();
        mpz_class denominator = v.rational.get_den();
        if (exponent >= 0)
            denominator <<= shift;
        else
            numerator <<= shift;
        write_four_digits(out, numerator, denominator, 0);
        return;
    }
    // An irrational number is never a tie: its fifth significant digit decides.
    ExactValue scaled = v;
    const mpz_class power = power_of_two(shift);
    if (exponent >= 0) {
        scaled.rational /= power;
        scaled.radicand /= power * power;
    } else {
        scaled.rational *= power;
        scaled.radicand *= power * power;
    }
    unsigned long k = 0;
    const mpz_class five = leading_digits(scaled, 5, k);
    const auto extra = digit_count(five) - 5; // an integer part of more than five digits
    mpz_class four = five / power_of_ten(extra + 1);
    const mpz_class next_digit = (five / power_of_ten(extra)) % 10;
    if (next_digit >= 5) ++four;
    if (sign_of_value(scaled) < 0) four = -four;
    write_four_digits(out, four, 1, mpz_class(static_cast<long>(extra + 1) - static_cast<long>(k)));
}

} // namespace

void write_exact_texts(const ArithmeticCase& c, const ArithmeticResult& result, unsigned parts,
                       ExactTexts& out) {
    out.real.clear();
    out.error.clear();
    out.error_ulps.clear();
    if (result.real != RealKind::number) {
        if ((parts & EXACT_REAL) == 0) return;
        if (result.real == RealKind::nan)
            out.real = "NaN";
        else
            out.real = result.real_negative ? "-Infinity" : "Infinity";
        return;
    }
    const ExactValue real = exact_value(c);
    if ((parts & EXACT_REAL) != 0) write_digits(out.real, real);
    const FormatTraits& format = *c.format;
    if ((parts & EXACT_ERROR) == 0 || is_nan_word(format, result.word) ||
        is_infinity_word(format, result.word))
        return;
    ExactValue error = real;
    error.rational = value_of(format, result.word) - real.rational;
    error.root_sign = -real.root_sign;
    write_digits(out.error, error);
    write_in_ulps(out.error_ulps, error, significand_of(format, result.word).exponent2);
}

} // namespace binora
