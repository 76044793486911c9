#include "numeric/decimal_reader.hpp"

#include "numeric/classic_locale.hpp"
#include "numeric/exact_decimal.hpp"
#include "numeric/float_traits.hpp"

#include <quadmath.h>

#include <string>
#include <type_traits>
#include <utility>

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

struct Scan {
    ReadStatus status = ReadStatus::invalid;
    std::string c_text; // the number in the C library's syntax (exponent letter "e")
};

// Checks the syntax and copies the number into the form strtod and its relatives accept.
// Validating first matters: those functions also take hexadecimal, "inf", "nan" and
// leading blanks, none of which is a number here.
Scan scan_number(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && is_blank(text[at]))
        ++at;
    if (at < text.size() && (text[at] == ',' || text[at] == '/'))
        return {ReadStatus::no_number, {}};
    std::size_t end = at;
    while (end < text.size() && !ends_number(text[end]))
        ++end;
    const std::string_view number = text.substr(at, end - at);

    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t first = i;
        while (i < number.size() && is_digit(number[i]))
            ++i;
        return i - first;
    };
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    std::size_t mantissa_digits = digits();
    if (i < number.size() && number[i] == '.') {
        ++i;
        mantissa_digits += digits();
    }
    if (mantissa_digits == 0) return {};
    std::string c_text(number);
    if (i < number.size()) {
        const char letter = number[i];
        if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return {};
        c_text[i] = 'e';
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
        if (digits() == 0 || i != number.size()) return {};
    }
    return {ReadStatus::ok, std::move(c_text)};
}

// The significant digits of `c_text` (a scanned number) without leading and trailing zeros,
// and the power of ten that scales them to its value; exponents are clamped far outside
// any range that matters, so that a huge exponent cannot overflow.
struct Significand {
    std::string digits;
    long long power = 0;
};

Significand significand_of(std::string_view c_text) {
    constexpr long long clamp = 100000000000000000LL;
    Significand s;
    long long fraction_digits = 0;
    bool in_fraction = false;
    std::size_t i = 0;
    for (; i < c_text.size() && c_text[i] != 'e'; ++i) {
        const char c = c_text[i];
        if (c == '.') {
            in_fraction = true;
        } else if (is_digit(c)) {
            if (in_fraction) ++fraction_digits;
            if (c != '0' || !s.digits.empty()) s.digits += c;
        }
    }
    long long exponent = 0;
    if (i < c_text.size()) {
        const bool negative = c_text[i + 1] == '-';
        for (++i; i < c_text.size(); ++i)
            if (is_digit(c_text[i]) && exponent < clamp)
                exponent = exponent * 10 + (c_text[i] - '0');
        if (negative) exponent = -exponent;
    }
    const std::size_t kept = s.digits.find_last_not_of('0') + 1;
    s.power = exponent - fraction_digits + static_cast<long long>(s.digits.size() - kept);
    s.digits.resize(kept);
    return s;
}

// Whether the number is exactly 2^-16495, half of the smallest binary128 subnormal.
// strtoflt128 rounds that one tie up to the smallest subnormal; ties to even give zero.
bool is_half_of_smallest_binary128(std::string_view c_text) {
    static const Significand half = significand_of(exact_decimal(false, 1, -16495));
    const Significand s = significand_of(c_text);
    return s.power == half.power && s.digits == half.digits;
}

// The number of a scanned text in the precision of the kind.
template <typename Real> Real convert(const char* text) {
    const Real value = FloatTraits<Real>::from_c_text(text);
    if constexpr (std::is_same_v<Real, __float128>) {
        if (fabsq(value) == FLT128_DENORM_MIN && is_half_of_smallest_binary128(text))
            return copysignq(0, value);
    }
    return value;
}

} // namespace

template <typename Real> ReadResult<Real> read_decimal(std::string_view text) {
    const Scan scan = scan_number(text);
    if (scan.status != ReadStatus::ok) return {scan.status, 0};
    const ClassicLocaleScope classic;
    const Real value = convert<Real>(scan.c_text.c_str());
    // The syntax admits no infinity, so an infinite result can only be a rounded overflow;
    // underflow needs no check (the result is then the right subnormal or zero).
    if (FloatTraits<Real>::is_infinite(value)) return {ReadStatus::overflow, 0};
    return {ReadStatus::ok, value};
}

template ReadResult<float> read_decimal<float>(std::string_view);
template ReadResult<double> read_decimal<double>(std::string_view);
template ReadResult<__float128> read_decimal<__float128>(std::string_view);

ReadResult<float> read_binary32(std::string_view text) {
    return read_decimal<float>(text);
}
ReadResult<double> read_binary64(std::string_view text) {
    return read_decimal<double>(text);
}
ReadResult<__float128> read_binary128(std::string_view text) {
    return read_decimal<__float128>(text);
}

} // namespace binora
