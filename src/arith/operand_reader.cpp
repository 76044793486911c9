#include "arith/operand_reader.hpp"

#include "arith/mpfr_word.hpp"
#include "arith/rounding.hpp"
#include "numeric/classic_locale.hpp"
#include "numeric/classify.hpp"
#include "numeric/decimal_reader.hpp"
#include "numeric/format_word.hpp"
#include "numeric/from_c_text.hpp"
#include "numeric/storage_word_text.hpp"

#include <string>

namespace binora {

namespace {

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Whether `text` is a C99 hexadecimal floating constant (with an optional sign).
bool is_hex_float(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (text.substr(at, 2) != "0x" && text.substr(at, 2) != "0X") return false;
    at += 2;
    std::size_t digits = 0;
    for (; at < text.size() && is_hex_digit(text[at]); ++at)
        ++digits;
    if (at < text.size() && text[at] == '.')
        for (++at; at < text.size() && is_hex_digit(text[at]); ++at)
            ++digits;
    if (digits == 0 || at >= text.size() || (text[at] != 'p' && text[at] != 'P')) return false;
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (at >= text.size()) return false;
    for (; at < text.size(); ++at)
        if (!is_digit(text[at])) return false;
    return true;
}

// A hexadecimal constant with its binary exponent brought within ±(4 * length + 40000), which
// changes no rounding: beyond it the value is above 2^16384 or below 2^-16496 (binary128's
// limits) either way. MPFR would misread exponents beyond what a long holds.
std::string with_bounded_binary_exponent(std::string_view text) {
    const std::size_t p = text.find_first_of("pP");
    std::size_t first = p + 1;
    const bool negative = text[first] == '-';
    if (text[first] == '-' || text[first] == '+') ++first;
    const long long bound = 4 * static_cast<long long>(text.size()) + 40000;
    long long exponent = 0;
    for (const char digit : text.substr(first)) {
        exponent = exponent * 10 + (digit - '0');
        if (exponent > bound)
            return std::string(text.substr(0, p + 1))
                .append(negative ? "-" : "")
                .append(std::to_string(bound));
    }
    return std::string(text);
}

// Rounds the number MPFR reads from `c_text` in `base` (10, or 16 for a hexadecimal constant).
OperandRead read_number(const FormatTraits& format, Rounding rounding, bool saturate,
                        const std::string& c_text, int base) {
    MpfrSlot truncated(format.precision + 2);
    int ternary = 0;
    {
        const ClassicLocaleScope classic; // MPFR takes the decimal point from the locale
        ternary = mpfr_strtofr(truncated.get(), c_text.c_str(), nullptr, base, MPFR_RNDZ);
    }
    const bool negative = mpfr_signbit(truncated.get()) != 0;
    if (mpfr_zero_p(truncated.get()) != 0 && ternary == 0)
        return {OperandStatus::ok, negative ? sign_mask(format) : 0, 0};
    TruncatedReal x;
    if (mpfr_zero_p(truncated.get()) != 0) {
        // Below anything MPFR holds: far below half the smallest subnormal number.
        x.negative = negative;
        x.bits = Word128{1} << (format.precision + 1);
        x.exponent = format.emin - 2L * format.precision - 8;
        x.beyond = true;
    } else {
        x = truncated.truncated(format, ternary);
    }
    const RoundedReal rounded = round_into_format(format, layout_of(format), rounding, saturate, x);
    return {OperandStatus::ok, rounded.word, rounded.flags};
}

} // namespace

OperandRead read_operand(const FormatTraits& format, Rounding rounding, bool saturate,
                         std::string_view text) {
    if (is_storage_word_text(text)) {
        if (const auto word = parse_storage_word(text, format))
            return {OperandStatus::ok, *word, 0};
    }
    if (is_hex_float(text))
        return read_number(format, rounding, saturate, with_bounded_binary_exponent(text), 16);
    if (is_storage_word_text(text)) {
        bool hex_digits_only = text.size() > 2;
        for (const char c : text.substr(2))
            hex_digits_only = hex_digits_only && is_hex_digit(c);
        return {hex_digits_only ? OperandStatus::bad_storage_word : OperandStatus::invalid_value, 0,
                0};
    }
    const TypedSpelling spelling = typed_spelling(text);
    if (spelling.is_nan) return {OperandStatus::ok, typed_nan_word(format, spelling.negative), 0};
    if (spelling.is_infinity) {
        if (format.top != TopExponent::infinity_and_nan) return {};
        return {OperandStatus::ok, infinity_word(format, spelling.negative), 0};
    }
    // The number must be the whole text: the value edit's syntax ends a number at a comma or
    // a slash, which an operand may not hold.
    if (text.find_first_of(",/ \t") != std::string_view::npos) return {};
    std::string buffer;
    const DecimalScan scan = scan_decimal(text, buffer);
    if (scan.status != ReadStatus::ok) return {};
    return read_number(format, rounding, saturate, with_bounded_exponent(scan.c_text), 10);
}

} // namespace binora
