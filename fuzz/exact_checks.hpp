#pragma once

// Expectations computed apart from the read-out core: the exact value of a bit pattern as a
// rational number, and whether a decimal text in exponent form is that value correctly
// rounded in the layout the window's forms give (GMP's rationals, no code of the core).

#include <gmpxx.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace binora::fuzz {

// A decimal exponent form: `digits` digits after the point, the exponent letter, at least
// `exponent_digits` exponent digits, a "+" before a value that is not negative when
// `plus_sign`.
struct ExponentForm {
    int digits;
    char letter;
    int exponent_digits;
    bool plus_sign;
};

// The exponent forms of the window's formats as the window writes them: X in canonical form
// ("(SP,1pE)", "(SP,1pD)") and the significand row ("(1pE14.7)", ...), by storage width.
inline ExponentForm value_form_of_width(int storage_bits) {
    if (storage_bits == 32) return {7, 'E', 2, true};
    if (storage_bits == 64) return {16, 'D', 2, true};
    return {33, 'D', 3, true};
}
inline ExponentForm significand_form_of_width(int storage_bits) {
    if (storage_bits == 32) return {7, 'E', 2, false};
    if (storage_bits == 64) return {15, 'E', 2, false};
    return {33, 'E', 2, false};
}

// The digits of a bit string ("0", "1" and blanks, the blanks left out) as an integer.
inline mpz_class integer_of_bits(std::string_view bits) {
    mpz_class value = 0;
    for (char c : bits) {
        if (c == ' ') continue;
        value = 2 * value + (c == '1' ? 1 : 0);
    }
    return value;
}

inline mpq_class power_of(int base, long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), static_cast<unsigned long>(base),
                  static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    return exponent < 0 ? mpq_class(1, power) : mpq_class(power);
}

// Whether `text` is `exact` written in `form`: one digit before the point (not 0 unless the
// value is 0), the point and form.digits digits, the letter, the exponent's sign and its
// digits (at least form.exponent_digits, no more than it needs), a "-" exactly when
// `negative` (a negative zero included), and the digits within half a unit of the last one
// of the exact value.
inline bool is_rounded_form(std::string_view text, const mpq_class& exact, bool negative,
                            const ExponentForm& form) {
    std::size_t at = 0;
    const char sign = text.empty() ? ' ' : text[0];
    if (sign == '-' || (sign == '+' && form.plus_sign)) ++at;
    if ((sign == '-') != negative || (!negative && form.plus_sign && sign != '+')) return false;
    const auto digits = static_cast<std::size_t>(form.digits);
    const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() < at + 2 + digits + 3) return false;
    std::string mantissa(1, text[at]);
    if (!is_digit(text[at]) || text[at + 1] != '.') return false;
    for (std::size_t i = 0; i < digits; ++i) {
        if (!is_digit(text[at + 2 + i])) return false;
        mantissa += text[at + 2 + i];
    }
    at += 2 + digits;
    if (text[at] != form.letter || (text[at + 1] != '+' && text[at + 1] != '-')) return false;
    const bool exponent_negative = text[at + 1] == '-';
    const std::string_view exponent_text = text.substr(at + 2);
    if (exponent_text.size() < static_cast<std::size_t>(form.exponent_digits)) return false;
    if (exponent_text.size() > static_cast<std::size_t>(form.exponent_digits) &&
        exponent_text[0] == '0')
        return false;
    long exponent = 0;
    for (char c : exponent_text) {
        if (!is_digit(c) || exponent > 100000) return false;
        exponent = 10 * exponent + (c - '0');
    }
    if (exponent_negative) exponent = -exponent;
    const mpz_class shown_digits(mantissa);
    if (mantissa[0] == '0' && shown_digits != 0) return false;
    const mpq_class unit = power_of(10, exponent - form.digits);
    const mpq_class shown = mpq_class(shown_digits) * unit;
    const mpq_class magnitude = abs(exact);
    return 2 * abs(shown - magnitude) <= unit;
}

// The exact value of a finite storage word written as a bit string (sign, exponent and
// trailing significand fields, `exponent_bits` and the rest), with the exponent bias.
inline mpq_class exact_value(const std::string& bits, int exponent_bits, int bias) {
    const auto e = static_cast<std::size_t>(exponent_bits);
    const mpz_class biased = integer_of_bits(bits.substr(1, e));
    const std::string fraction_bits = bits.substr(1 + e);
    mpz_class significand = integer_of_bits(fraction_bits);
    if (biased != 0) significand += mpz_class(1) << fraction_bits.size();
    const long exponent =
        (biased == 0 ? 1 : biased.get_si()) - bias - static_cast<long>(fraction_bits.size());
    const mpq_class value = mpq_class(significand) * power_of(2, exponent);
    return bits[0] == '1' ? mpq_class(-value) : value;
}

} // namespace binora::fuzz
