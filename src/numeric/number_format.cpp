#include "numeric/number_format.hpp"

#include "numeric/classic_locale.hpp"

#include <quadmath.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace binora {

namespace {

struct KindForms {
    int kind;
    NumberForm significand;
    NumberForm without_width;
};

constexpr KindForms kind_forms[] = {
    {4, {14, 7, 'E', 2, false}, {15, 7, 'E', 2, false}},
    {8, {22, 15, 'E', 2, false}, {25, 16, 'D', 2, false}},
    {16, {41, 33, 'E', 2, false}, {42, 33, 'D', 3, false}},
};

const KindForms& forms_of(int kind) {
    for (const auto& forms : kind_forms)
        if (forms.kind == kind) return forms;
    std::abort(); // a caller broke its contract: kinds are 4, 8 or 16
}

// "d.ddd...e+x" of a finite, non-negative value, from the C library.
std::string c_exponent_text(double magnitude, int digits) {
    std::string text(static_cast<std::size_t>(digits) + 32, '\0');
    const int length = std::snprintf(text.data(), text.size(), "%.*e", digits, magnitude);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string c_exponent_text(__float128 magnitude, int digits) {
    std::string text(static_cast<std::size_t>(digits) + 32, '\0');
    const int length = quadmath_snprintf(text.data(), text.size(), "%.*Qe", digits, magnitude);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string right_justified(std::string text, int width) {
    const auto w = static_cast<std::size_t>(width);
    if (text.size() < w) text.insert(0, w - text.size(), ' ');
    return text;
}

std::string sign_text(bool negative, const NumberForm& form) {
    if (negative) return "-";
    return form.plus_sign ? "+" : "";
}

// Rewrites the C library's "d.ddde+x" into the form's exponent letter and digit count.
std::string finite_text(bool negative, const std::string& c_text, const NumberForm& form) {
    const std::size_t e = c_text.find('e');
    const long exponent = std::strtol(c_text.c_str() + e + 1, nullptr, 10);
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    const auto minimum = static_cast<std::size_t>(form.exponent_digits);
    if (digits.size() < minimum) digits.insert(0, minimum - digits.size(), '0');
    return sign_text(negative, form) + c_text.substr(0, e) + form.exponent_letter +
           (exponent < 0 ? '-' : '+') + digits;
}

template <typename Real, typename CReal>
std::string format_any(Real value, bool is_nan, bool is_infinite, bool negative,
                       const NumberForm& form) {
    if (is_nan) return right_justified("NaN", form.width);
    if (is_infinite) return right_justified(sign_text(negative, form) + "Infinity", form.width);
    const ClassicLocaleScope classic;
    const Real magnitude = negative ? -value : value;
    const std::string c_text = c_exponent_text(static_cast<CReal>(magnitude), form.digits);
    return right_justified(finite_text(negative, c_text, form), form.width);
}

} // namespace

NumberForm significand_form(int kind) {
    return forms_of(kind).significand;
}

NumberForm kind_form(int kind, bool plus_sign) {
    NumberForm form = forms_of(kind).without_width;
    form.plus_sign = plus_sign;
    return form;
}

std::string format_number(float value, const NumberForm& form) {
    // Widening to double is exact, so the digits are those of the binary32 value.
    return format_any<float, double>(value, std::isnan(value), std::isinf(value),
                                     std::signbit(value), form);
}

std::string format_number(double value, const NumberForm& form) {
    return format_any<double, double>(value, std::isnan(value), std::isinf(value),
                                      std::signbit(value), form);
}

std::string format_number(__float128 value, const NumberForm& form) {
    return format_any<__float128, __float128>(value, isnanq(value) != 0, isinfq(value) != 0,
                                              signbitq(value) != 0, form);
}

} // namespace binora
