#include "arith/exact_value.hpp"

#include "numeric/exact_digits.hpp"
#include "numeric/format_word.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace binora {

namespace {

mpz_class integer_of(Word128 bits) {
    mpz_class integer;
    const std::array<std::uint64_t, 2> halves = {static_cast<std::uint64_t>(bits),
                                                 static_cast<std::uint64_t>(bits >> 64)};
    mpz_import(integer.get_mpz_t(), 2, -1, sizeof(std::uint64_t), 0, 0, halves.data());
    return integer;
}

// The integer nearest q, ties to even.
mpz_class nearest_integer(const mpq_class& q) {
    mpz_class floor;
    mpz_fdiv_q(floor.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    const int half = cmp(mpq_class(2 * (q - floor)), 1);
    if (half > 0 || (half == 0 && mpz_odd_p(floor.get_mpz_t()) != 0)) ++floor;
    return floor;
}

// The exponent of a power of two.
unsigned long log2_of(const mpz_class& power) {
    return mpz_sizeinbase(power.get_mpz_t(), 2) - 1;
}

} // namespace

mpz_class power_of_two(unsigned long exponent) {
    mpz_class power = 1;
    power <<= exponent;
    return power;
}

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

int sign_of_value(const ExactValue& v) {
    const int t = sgn(v.rational);
    if (v.root_sign == 0) return t;
    // t + s * sqrt(X): the root wins unless t has the other sign and t^2 > X.
    if (t == 0 || t == v.root_sign) return v.root_sign;
    return cmp(mpq_class(v.rational * v.rational), v.radicand) > 0 ? t : v.root_sign;
}

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

} // namespace binora
