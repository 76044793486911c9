#include "arith/number_line.hpp"

#include "arith/exact_value.hpp"
#include "numeric/exact_digits.hpp"
#include "numeric/format_word.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace binora {

namespace {

// Bits of the position's fraction worked out exactly before it is made a double.
constexpr unsigned long POSITION_BITS = 64;

// Whether floor(|v| * 10^k) is |v| * 10^k itself.
bool scales_to_integer(const ExactValue& v, unsigned long k) {
    if (v.root_sign != 0) return false;
    const mpz_class numerator = abs(v.rational.get_num()) * power_of_ten(k);
    return mpz_divisible_p(numerator.get_mpz_t(), v.rational.get_den_mpz_t()) != 0;
}

std::string line_text(const ExactValue& v, int digits) {
    const int sign = sign_of_value(v);
    if (sign == 0) return "0";
    unsigned long k = 0;
    const std::string all = leading_digits(v, digits, k).get_str(10);
    const long exponent = static_cast<long>(all.size()) - 1 - static_cast<long>(k);
    const auto wanted = static_cast<std::size_t>(digits);
    std::string shown = all.substr(0, wanted);
    const bool cut =
        all.find_first_not_of('0', std::min(wanted, all.size())) != std::string::npos ||
        !scales_to_integer(v, k);
    if (!cut) shown.erase(std::max<std::size_t>(1, shown.find_last_not_of('0') + 1));
    std::string text = sign < 0 ? "-" : "";
    text += shown.front();
    if (shown.size() > 1) text.append(".").append(shown, 1);
    if (cut) text += "...";
    char exponent_text[24];
    std::snprintf(exponent_text, sizeof exponent_text, "E%c%02ld", exponent < 0 ? '-' : '+',
                  exponent < 0 ? -exponent : exponent);
    return text + exponent_text;
}

std::string line_text(const mpq_class& q, int digits) {
    ExactValue v;
    v.rational = q;
    return line_text(v, digits);
}

// 2^exponent as a rational.
mpq_class two_to(int exponent) {
    const mpz_class power =
        power_of_two(static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    return exponent < 0 ? mpq_class(1, power) : mpq_class(power);
}

// (x - low) / span.
double position(const ExactValue& x, const mpq_class& low, const mpq_class& span) {
    ExactValue scaled;
    const mpz_class scale = power_of_two(POSITION_BITS);
    scaled.rational = (x.rational - low) / span * scale;
    scaled.root_sign = x.root_sign;
    scaled.radicand = x.radicand / (span * span) * scale * scale;
    const double magnitude =
        std::ldexp(floor_scaled(scaled, 0).get_d(), -static_cast<int>(POSITION_BITS));
    return sign_of_value(scaled) < 0 ? -magnitude : magnitude;
}

double position(const mpq_class& x, const mpq_class& low, const mpq_class& span) {
    ExactValue v;
    v.rational = x;
    return position(v, low, span);
}

GridPoint format_point(const FormatTraits& format, Word128 word, int digits) {
    return {line_text(value_of(format, word), digits), true, word};
}

// The grid point next to the number `word` (a finite word) upward or downward, and its value:
// the format's neighbour, or past the largest finite number the one its spacing gives.
GridPoint neighbour(const FormatTraits& format, Word128 word, bool upward, int digits,
                    mpq_class& value) {
    const std::optional<Word128> next = next_word(format, word, upward);
    if (next && !is_infinity_word(format, *next) && !is_nan_word(format, *next)) {
        value = value_of(format, *next);
        return format_point(format, *next, digits);
    }
    const mpq_class spacing = two_to(significand_of(format, word).exponent2);
    value = value_of(format, word) + (upward ? spacing : mpq_class(-spacing));
    return {line_text(value, digits), false, 0};
}

} // namespace

int line_digits(const FormatTraits& format) {
    // ceil((precision + 1) * log10(2)), log10(2) = 0.30103 to five digits.
    return ((format.precision + 1) * 30103 + 99999) / 100000 + 3;
}

ExactPlace place_exact_result(const ArithmeticCase& c, const ArithmeticResult& result) {
    ExactPlace place;
    if (result.real != RealKind::number) return place;
    const FormatTraits& format = *c.format;
    const int digits = line_digits(format);
    const ExactValue exact = exact_value(c);
    place.exact_text = line_text(exact, digits);

    // The grid point toward zero from the exact result: it truncated into the format, the
    // largest finite number where it overflows.
    ArithmeticCase toward_zero_case = c;
    toward_zero_case.rounding = Rounding::rtz;
    toward_zero_case.saturate = true;
    const ArithmeticResult toward_zero = compute(toward_zero_case);
    const int sign = sign_of_value(exact);

    if ((toward_zero.flags & (FLAG_INEXACT | FLAG_OVERFLOW)) == 0) {
        // A zero keeps the sign the operation gave it.
        const Word128 word = sign == 0 ? result.word : toward_zero.word;
        mpq_class low;
        mpq_class high;
        place.kind = ExactPlaceKind::representable;
        place.low = neighbour(format, word, false, digits, low);
        place.high = neighbour(format, word, true, digits, high);
        place.middle = format_point(format, word, digits);
        place.middle_position = position(value_of(format, word), low, high - low);
        place.exact_position = place.middle_position;
        return place;
    }

    const bool negative = sign < 0;
    mpq_class away;
    GridPoint away_point = neighbour(format, toward_zero.word, !negative, digits, away);
    GridPoint toward_point = format_point(format, toward_zero.word, digits);
    const mpq_class toward = value_of(format, toward_zero.word);
    const mpq_class& low = negative ? away : toward;
    const mpq_class& high = negative ? toward : away;
    place.kind = ExactPlaceKind::between;
    place.low = negative ? std::move(away_point) : std::move(toward_point);
    place.high = negative ? std::move(toward_point) : std::move(away_point);
    place.middle = {line_text(mpq_class((low + high) / 2), digits), false, 0};
    place.middle_position = 0.5;
    place.exact_position = position(exact, low, high - low);
    return place;
}

} // namespace binora
