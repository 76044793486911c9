#include "numeric/decimal_reader.hpp"

#include "numeric/float_traits.hpp"
#include "numeric/from_c_text.hpp"

#include <cmath>

#include <string>

namespace binora {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool ends_number(char c) {
    return is_blank(c) || c == ',' || c == '/';
}

} // namespace

// Checks the syntax and finds the number in the form from_chars, strtod and their relatives
// accept. Validating first matters: those functions also take hexadecimal, "inf", "nan" and
// leading blanks, none of which is a number here.
DecimalScan scan_decimal(std::string_view text, std::string& buffer) {
    std::size_t at = 0;
    while (at < text.size() && is_blank(text[at]))
        ++at;
    if (at < text.size() && (text[at] == ',' || text[at] == '/'))
        return {ReadStatus::no_number, {}};
    std::size_t end = at;
    while (end < text.size() && !ends_number(text[end]))
        ++end;
    const bool plus = at < end && text[at] == '+';
    if (plus) ++at; // the value is the same without it
    std::string_view number = text.substr(at, end - at);

    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t first = i;
        while (i < number.size() && is_digit(number[i]))
            ++i;
        return i - first;
    };
    if (!plus && i < number.size() && number[i] == '-') ++i;
    std::size_t mantissa_digits = digits();
    if (i < number.size() && number[i] == '.') {
        ++i;
        mantissa_digits += digits();
    }
    if (mantissa_digits == 0) return {};
    if (i < number.size()) {
        const char letter = number[i];
        if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return {};
        if (letter == 'D' || letter == 'd') {
            buffer = number;
            buffer[i] = 'e';
            number = buffer;
        }
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
        if (digits() == 0 || i != number.size()) return {};
    }
    return {ReadStatus::ok, number};
}

template <typename Real> ReadResult<Real> read_decimal(std::string_view text) {
    std::string buffer;
    const DecimalScan scan = scan_decimal(text, buffer);
    if (scan.status != ReadStatus::ok) return {scan.status, 0};
    const Real value = FloatTraits<Real>::from_c_text(scan.c_text);
    // The syntax admits no infinity, so an infinite result can only be a rounded overflow;
    // underflow needs no check (the result is then the right subnormal or zero).
    if (FloatTraits<Real>::is_infinite(value)) return {ReadStatus::overflow, 0};
    return {ReadStatus::ok, value};
}

template ReadResult<float> read_decimal<float>(std::string_view);
template ReadResult<double> read_decimal<double>(std::string_view);
template ReadResult<__float128> read_decimal<__float128>(std::string_view);

ReadResult<double> read_narrow(const FormatTraits& format, std::string_view text) {
    std::string buffer;
    const DecimalScan scan = scan_decimal(text, buffer);
    if (scan.status != ReadStatus::ok) return {scan.status, 0};
    const double value = narrow_from_c_text(format, scan.c_text);
    if (std::isinf(value)) return {ReadStatus::overflow, 0};
    return {ReadStatus::ok, value};
}

} // namespace binora
