#include "numeric/number_format.hpp"

#include "numeric/classic_locale.hpp"

#include <quadmath.h>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace binora {

namespace {

// Writes "d.ddd...e+x" of a finite, non-negative value, rounded to nearest with `digits`
// digits after the point, at `first` (room for `digits` + 32 characters) and returns its end.
// std::to_chars is exact at any precision and does not look at the locale.
char* c_exponent_text(double magnitude, int digits, char* first, char* last) {
    return std::to_chars(first, last, magnitude, std::chars_format::scientific, digits).ptr;
}

char* c_exponent_text(__float128 magnitude, int digits, char* first, char* last) {
    const ClassicLocaleScope classic;
    const int length = quadmath_snprintf(first, static_cast<std::size_t>(last - first), "%.*Qe",
                                         digits, magnitude);
    return first + length;
}

// Right-justifies the `length` characters at the start of `text` in `width` characters.
std::string_view right_justified(NumberText& text, std::size_t length, int width) {
    const auto w = std::min(static_cast<std::size_t>(width), sizeof text.chars);
    char* const first = text.chars;
    if (length < w) {
        std::copy_backward(first, first + length, first + w);
        std::fill(first, first + (w - length), ' ');
        length = w;
    }
    return {first, length};
}

std::string_view justified_word(NumberText& text, const char* sign, std::string_view word,
                                int width) {
    char* at = text.chars;
    for (; *sign != '\0'; ++sign)
        *at++ = *sign;
    at = std::copy(word.begin(), word.end(), at);
    return right_justified(text, static_cast<std::size_t>(at - text.chars), width);
}

// The form of a finite value: the C text rewritten with the form's exponent letter and digit
// count, right-justified, built in place in `text`.
template <typename CReal>
std::string_view finite_text(CReal magnitude, bool negative, const NumberForm& form,
                             NumberText& text) {
    char* const first = text.chars;
    char* at = first;
    if (negative || form.plus_sign) *at++ = negative ? '-' : '+';
    char* const end = c_exponent_text(magnitude, form.digits, at, first + sizeof text.chars);
    // The exponent, "e", its sign and at least two digits, ends the C text: its digits are
    // rewritten without leading zeros, then zero-padded to the form's count.
    char* letter = end - 1;
    while (*letter != 'e')
        --letter;
    if (form.exponent_digits == 2) {
        // The C text's own exponent digits, at least two and no more than it needs, are the
        // form's: only the letter changes.
        *letter = form.exponent_letter;
        return right_justified(text, static_cast<std::size_t>(end - first), form.width);
    }
    const char* digits = letter + 2;
    while (digits + 1 < end && *digits == '0')
        ++digits;
    at = letter;
    *at++ = form.exponent_letter;
    *at++ = letter[1]; // the exponent's sign
    char exponent_text[16];
    const auto exponent_length = static_cast<int>(end - digits);
    std::copy(digits, static_cast<const char*>(end), exponent_text);
    for (int pad = exponent_length; pad < form.exponent_digits; ++pad)
        *at++ = '0';
    at = std::copy(exponent_text, exponent_text + exponent_length, at);
    return right_justified(text, static_cast<std::size_t>(at - first), form.width);
}

template <typename Real, typename CReal>
std::string_view format_any(Real value, bool is_nan, bool is_infinite, bool negative,
                            const NumberForm& form, NumberText& text) {
    if (is_nan) return justified_word(text, "", "NaN", form.width);
    if (is_infinite)
        return justified_word(text, negative ? "-" : (form.plus_sign ? "+" : ""), "Infinity",
                              form.width);
    const Real magnitude = negative ? -value : value;
    return finite_text(static_cast<CReal>(magnitude), negative, form, text);
}

} // namespace

std::string_view format_number(float value, const NumberForm& form, NumberText& text) {
    // Widening to double is exact, so the digits are those of the binary32 value.
    return format_any<float, double>(value, std::isnan(value), std::isinf(value),
                                     std::signbit(value), form, text);
}

std::string_view format_number(double value, const NumberForm& form, NumberText& text) {
    return format_any<double, double>(value, std::isnan(value), std::isinf(value),
                                      std::signbit(value), form, text);
}

std::string_view format_number(__float128 value, const NumberForm& form, NumberText& text) {
    return format_any<__float128, __float128>(value, isnanq(value) != 0, isinfq(value) != 0,
                                              signbitq(value) != 0, form, text);
}

} // namespace binora
