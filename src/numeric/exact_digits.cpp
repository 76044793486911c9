#include "numeric/exact_digits.hpp"

#include <cstddef>

namespace binora {

mpz_class power_of_ten(unsigned long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

void write_scaled(std::string& out, const mpz_class& number, unsigned long fraction_digits) {
    out.clear();
    if (number < 0) out += '-';
    std::string digits = mpz_class(abs(number)).get_str(10);
    if (digits.size() <= fraction_digits)
        digits.insert(0, fraction_digits + 1 - digits.size(), '0');
    const std::size_t point = digits.size() - fraction_digits;
    out.append(digits, 0, point);
    std::size_t end = digits.size();
    while (end > point && digits[end - 1] == '0')
        --end;
    if (end > point) {
        out += '.';
        out.append(digits, point, end - point);
    }
}

void write_four_digits(std::string& out, const mpz_class& numerator, const mpz_class& denominator,
                       const mpz_class& shift) {
    out.clear();
    if (numerator == 0) {
        out = "0.000E+00";
        return;
    }
    if (numerator < 0) out += '-';
    const mpz_class magnitude = abs(numerator);
    // magnitude / denominator = r * 10^p with 1000 <= r < 10000 after rounding.
    long p = static_cast<long>(mpz_sizeinbase(magnitude.get_mpz_t(), 10)) -
             static_cast<long>(mpz_sizeinbase(denominator.get_mpz_t(), 10)) - 3;
    mpz_class r;
    for (;;) {
        mpz_class dividend = magnitude;
        mpz_class divisor = denominator;
        if (p >= 0)
            divisor *= power_of_ten(static_cast<unsigned long>(p));
        else
            dividend *= power_of_ten(static_cast<unsigned long>(-p));
        mpz_class remainder;
        mpz_fdiv_qr(r.get_mpz_t(), remainder.get_mpz_t(), dividend.get_mpz_t(),
                    divisor.get_mpz_t());
        if (r >= 10000) {
            ++p;
            continue;
        }
        if (r < 1000) {
            --p;
            continue;
        }
        const int half = cmp(mpz_class(2 * remainder), divisor);
        if (half > 0 || (half == 0 && mpz_odd_p(r.get_mpz_t()) != 0)) ++r;
        if (r == 10000) {
            r = 1000;
            ++p;
        }
        break;
    }
    const std::string digits = r.get_str(10);
    out += digits[0];
    out += '.';
    out.append(digits, 1, 3);
    const mpz_class exponent = p + 3 + shift;
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    std::string exponent_digits = mpz_class(abs(exponent)).get_str(10);
    if (exponent_digits.size() < 2) exponent_digits.insert(0, 1, '0');
    out += exponent_digits;
}

} // namespace binora
