#include "arith/exact_result.hpp"

#include "numeric/exact_digits.hpp"
#include "numeric/format_word.hpp"

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace binora {

namespace {

// Significant digits written of an expansion that does not end.
constexpr long SHOWN_DIGITS = 40;

mpz_class integer_of(Word128 bits) {
    mpz_class integer;
    const std::array<std::uint64_t, 2> halves = {static_cast<std::uint64_t>(bits),
                                                 static_cast<std::uint64_t>(bits >> 64)};
    mpz_import(integer.get_mpz_t(), 2, -1, sizeof(std::uint64_t), 0, 0, halves.data());
    return integer;
}

mpz_class power_of_two(unsigned long exponent) {
    mpz_class power = 1;
    power <<= exponent;
    return power;
}

// The number of a finite word, exactly.
mpq_class value_of(const FormatTraits& format, Word128 word) {
    const WordSignificand number = significand_of(format, word);
    const mpz_class significand = integer_of(number.significand);
    mpq_class value;
    if (number.exponent2 >= 0) {
        value = significand << static_cast<unsigned long>(number.exponent2);
    } else {
        value = mpq_class(significand, power_of_two(static_cast<unsigned long>(-number.exponent2)));
        value.canonicalize();
    }
    return sign_of(format, word) ? mpq_class(-value) : value;
}

// The integer nearest q, ties to even.
mpz_class nearest_integer(const mpq_class& q) {
    mpz_class floor;
    mpz_fdiv_q(floor.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    const int half = cmp(mpq_class(2 * (q - floor)), 1);
    if (half > 0 || (half == 0 && mpz_odd_p(floor.get_mpz_t()) != 0)) ++floor;
    return floor;
}

// A real number: rational + root_sign * sqrt(radicand), the radicand a dyadic number that is
// not the square of a rational one (root_sign 0 for a rational number).
struct ExactValue {
    mpq_class rational;
    int root_sign = 0;
    mpq_class radicand;
};

// The number of times 2 (or 5) divides `n`, and n without them.
unsigned long strip_factor(mpz_class& n, unsigned long factor) {
    return mpz_remove(n.get_mpz_t(), n.get_mpz_t(), mpz_class(factor).get_mpz_t());
}

// The exponent of a power of two.
unsigned long log2_of(const mpz_class& power) {
    return mpz_sizeinbase(power.get_mpz_t(), 2) - 1;
}

int sign_of_value(const ExactValue& v) {
    const int t = sgn(v.rational);
    if (v.root_sign == 0) return t;
    // t + s * sqrt(X): the root wins unless t has the other sign and t^2 > X.
    if (t == 0 || t == v.root_sign) return v.root_sign;
    return cmp(mpq_class(v.rational * v.rational), v.radicand) > 0 ? t : v.root_sign;
}

// floor(|v| * 10^k), k >= 0.
mpz_class floor_scaled(const ExactValue& v, unsigned long k) {
    const mpz_class ten_k = power_of_ten(k);
    mpz_class result;
    if (v.root_sign == 0) {
        const mpz_class numerator = abs(v.rational.get_num()) * ten_k;
        mpz_fdiv_q(result.get_mpz_t(), numerator.get_mpz_t(), v.rational.get_den_mpz_t());
        return result;
    }
    // Both parts times 10^k * 2^h become integers A and sqrt(Y); with z = floor(sqrt(Y)),
    // A + s * sqrt(Y) lies strictly between the integers `low` and low + 1, and as those are
    // whole multiples of nothing finer, |v| * 10^k = |A + s * sqrt(Y)| / 2^h floors to
    // floor(low / 2^h), or for a negative value to floor((-low - 1) / 2^h).
    const auto k_long = static_cast<long>(k);
    const auto alpha = static_cast<long>(log2_of(v.rational.get_den()));
    const auto beta = static_cast<long>(log2_of(v.radicand.get_den()));
    const long h = std::max({0L, alpha - k_long, (beta - 2 * k_long + 1) / 2});
    const mpz_class a =
        (v.rational.get_num() * ten_k << static_cast<unsigned long>(h)) / v.rational.get_den();
    const mpz_class y =
        (v.radicand.get_num() * ten_k * ten_k << static_cast<unsigned long>(2 * h)) /
        v.radicand.get_den();
    mpz_class z;
    mpz_sqrt(z.get_mpz_t(), y.get_mpz_t());
    const mpz_class low = v.root_sign > 0 ? mpz_class(a + z) : mpz_class(a - z - 1);
    result = low >= 0 ? mpz_class(low) : mpz_class(-low - 1);
    result >>= static_cast<unsigned long>(h);
    return result;
}

std::size_t digit_count(const mpz_class& n) {
    return n.get_str(10).size();
}

// floor(|v| * 10^k) with at least `wanted` digits, and k >= 0 as small as that allows.
mpz_class leading_digits(const ExactValue& v, long wanted, unsigned long& k) {
    k = 0;
    mpz_class digits = floor_scaled(v, 0);
    unsigned long step = static_cast<unsigned long>(wanted);
    while (digits == 0) { // |v| < 1: find its first significant digit
        k += step;
        step *= 2;
        digits = floor_scaled(v, k);
    }
    const auto count = static_cast<long>(digit_count(digits));
    if (k == 0 && count >= wanted) return digits;
    // One more digit is one more power of ten, exactly, once the first is found.
    const long wanted_k = static_cast<long>(k) + wanted - count;
    k = static_cast<unsigned long>(std::max(0L, wanted_k));
    return floor_scaled(v, k);
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

// The exact result of the case, a number (its result says so).
ExactValue exact_value(const ArithmeticCase& c) {
    const FormatTraits& source = c.operand_format();
    const Word128 a_word = c.operands[0];
    const Word128 b_word = c.operands[1];
    ExactValue v;
    // The only numbers from an infinite operand: x / inf (a zero) and rem(x, inf) (x).
    if (is_infinity_word(source, b_word) && operand_count(c.operation) > 1) {
        if (c.operation == Operation::rem) v.rational = value_of(source, a_word);
        return v;
    }
    const mpq_class a = value_of(source, a_word);
    const auto b = [&] { return value_of(source, b_word); };
    switch (c.operation) {
    case Operation::add:
        v.rational = a + b();
        break;
    case Operation::sub:
        v.rational = a - b();
        break;
    case Operation::mul:
        v.rational = a * b();
        break;
    case Operation::div:
        v.rational = a / b();
        break;
    case Operation::fma:
        v.rational = a * b() + value_of(source, c.operands[2]);
        break;
    case Operation::rem: {
        const mpq_class divisor = b();
        v.rational = a - mpq_class(nearest_integer(mpq_class(a / divisor))) * divisor;
        break;
    }
    case Operation::convert:
        v.rational = a;
        break;
    case Operation::sqrt:
        if (mpz_perfect_square_p(a.get_num_mpz_t()) != 0 &&
            mpz_perfect_square_p(a.get_den_mpz_t()) != 0) {
            mpz_class numerator;
            mpz_class denominator;
            mpz_sqrt(numerator.get_mpz_t(), a.get_num_mpz_t());
            mpz_sqrt(denominator.get_mpz_t(), a.get_den_mpz_t());
            v.rational = mpq_class(numerator, denominator);
        } else {
            v.root_sign = 1;
            v.radicand = a;
        }
        break;
    }
    return v;
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
