#include "numeric/conversion_error.hpp"

#include "numeric/exact_digits.hpp"

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace binora {

namespace {

// Fraction digits beyond which a difference is written with an exponent.
constexpr long MOST_FRACTION_DIGITS = 20000;

// The typed number as sign * digits * 10^exponent.
struct TypedDecimal {
    bool negative = false;
    mpz_class digits;   // every digit of the text, before and after the point
    mpz_class exponent; // the text's exponent minus the number of digits after the point
};

TypedDecimal typed_decimal(std::string_view c_text) {
    TypedDecimal typed;
    std::size_t at = 0;
    if (at < c_text.size() && c_text[at] == '-') {
        typed.negative = true;
        ++at;
    }
    std::string digits;
    long fraction_digits = 0;
    bool after_point = false;
    for (; at < c_text.size() && c_text[at] != 'e' && c_text[at] != 'E'; ++at) {
        if (c_text[at] == '.') {
            after_point = true;
            continue;
        }
        digits += c_text[at];
        if (after_point) ++fraction_digits;
    }
    typed.digits.set_str(digits, 10);
    if (at < c_text.size()) {
        ++at; // the letter
        const bool negative_exponent = at < c_text.size() && c_text[at] == '-';
        if (at < c_text.size() && (c_text[at] == '-' || c_text[at] == '+')) ++at;
        typed.exponent.set_str(std::string(c_text.substr(at)), 10);
        if (negative_exponent) typed.exponent = -typed.exponent;
    }
    typed.exponent -= fraction_digits;
    return typed;
}

// number / 10^fraction_digits / 2^ulp_exponent as an integer to be scaled by 10^shift.
void write_in_ulps(std::string& out, mpz_class number, const mpz_class& fraction_digits,
                   int ulp_exponent) {
    // Four digits of number * 2^-u / 10^f: with u > 0 the division by 2^u is made exact by
    // multiplying by 5^u and dividing by 10^u.
    mpz_class shift = -fraction_digits;
    if (ulp_exponent <= 0) {
        number <<= static_cast<unsigned long>(-ulp_exponent);
    } else {
        mpz_class five;
        mpz_ui_pow_ui(five.get_mpz_t(), 5, static_cast<unsigned long>(ulp_exponent));
        number *= five;
        shift -= ulp_exponent;
    }
    write_four_digits(out, number, 1, shift);
}

} // namespace

void write_conversion_error(const ConversionOperands& operands, std::string& error,
                            std::string& error_ulps) {
    TypedDecimal typed = typed_decimal(operands.c_text);
    mpz_class typed_digits = typed.negative ? mpz_class(-typed.digits) : typed.digits;
    if (operands.significand == 0) {
        // The stored number is a zero: the difference is the typed number itself, whose
        // exponent may be far outside any machine integer.
        if (typed_digits == 0 || typed.exponent >= 0) {
            mpz_class whole = typed_digits;
            if (typed_digits != 0) whole *= power_of_ten(typed.exponent.get_ui());
            write_scaled(error, whole, 0);
            write_in_ulps(error_ulps, whole, 0, operands.ulp_exponent);
            return;
        }
        const mpz_class fraction_digits = -typed.exponent;
        if (fraction_digits <= MOST_FRACTION_DIGITS) {
            write_scaled(error, typed_digits, fraction_digits.get_ui());
        } else {
            // The significant digits, the point after the first, and the exponent.
            const std::string digits = typed.digits.get_str(10);
            std::size_t end = digits.size();
            while (end > 1 && digits[end - 1] == '0')
                --end;
            error.clear();
            if (typed.negative) error += '-';
            error += digits[0];
            if (end > 1) error.append(".").append(digits, 1, end - 1);
            const mpz_class exponent = typed.exponent + static_cast<long>(digits.size()) - 1;
            error += 'E';
            error += exponent.get_str(10);
        }
        write_in_ulps(error_ulps, typed_digits, fraction_digits, operands.ulp_exponent);
        return;
    }
    // A stored number that is not zero lies within the format's range, so the typed number's
    // exponent is within a few thousand of its digits: every number here is of moderate size.
    const long exponent = typed.exponent.get_si();
    const long fraction_digits = std::max({0L, -exponent, -static_cast<long>(operands.exponent2)});
    // Both numbers times 10^fraction_digits, integers.
    mpz_class typed_scaled =
        typed_digits * power_of_ten(static_cast<unsigned long>(exponent + fraction_digits));
    mpz_class stored = 0;
    mpz_import(stored.get_mpz_t(), 2, -1, sizeof(std::uint64_t), 0, 0,
               std::array<std::uint64_t, 2>{static_cast<std::uint64_t>(operands.significand),
                                            static_cast<std::uint64_t>(operands.significand >> 64)}
                   .data());
    // stored * 2^e * 10^f = stored * 5^f * 2^(e + f), e + f >= 0.
    mpz_class five;
    mpz_ui_pow_ui(five.get_mpz_t(), 5, static_cast<unsigned long>(fraction_digits));
    stored *= five;
    stored <<= static_cast<unsigned long>(operands.exponent2 + fraction_digits);
    if (operands.negative) stored = -stored;
    const mpz_class difference = typed_scaled - stored;
    write_scaled(error, difference, static_cast<unsigned long>(fraction_digits));
    write_in_ulps(error_ulps, difference, fraction_digits, operands.ulp_exponent);
}

} // namespace binora
