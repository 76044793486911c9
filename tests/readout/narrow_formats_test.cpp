// Reading decimal texts into the narrow formats against an independent derivation: the
// test lists every number of a format from its fields as an exact rational, and the expected
// word of a text is the nearest of them, ties to the even word, beyond the largest finite
// number an overflow. Texts at and around every midpoint of the 8-bit formats, and near the
// midpoints of every binade of binary16 and bfloat16; then every word of each format through
// its canonical value text and back.

#include "model/format_traits.hpp"
#include "model/language.hpp"
#include "readout/typed_value.hpp"
#include "readout/value_read_out.hpp"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace binora {
namespace {

const FormatTraits& BINARY16 = NARROW_FORMATS[0];
const FormatTraits& BFLOAT16 = NARROW_FORMATS[1];
const FormatTraits& E5M2 = NARROW_FORMATS[2];
const FormatTraits& E4M3 = NARROW_FORMATS[3];

// A positive number of the format, with its word.
struct Number {
    mpq_class value;
    std::uint32_t word;
};

mpq_class power_of_two(int exponent) {
    mpq_class power = 1;
    if (exponent >= 0)
        mpz_mul_2exp(power.get_num_mpz_t(), power.get_num_mpz_t(), static_cast<unsigned>(exponent));
    else
        mpz_mul_2exp(power.get_den_mpz_t(), power.get_den_mpz_t(),
                     static_cast<unsigned>(-exponent));
    return power;
}

// The positive finite numbers in increasing order, from the field layout alone: exponent e,
// significand field m of `s` bits: (m / 2^s) * 2^(1 - bias) for e = 0, (1 + m / 2^s) *
// 2^(e - bias) otherwise. Words with the all-ones exponent are left out, except, for E4M3,
// all but the all-ones significand.
std::vector<Number> positive_numbers(const FormatTraits& f, bool top_exponent_is_finite) {
    std::vector<Number> numbers;
    const std::uint32_t exponents = 1U << f.exponent_bits;
    const std::uint32_t significands = 1U << f.significand_bits;
    for (std::uint32_t e = 0; e < exponents; ++e) {
        for (std::uint32_t m = 0; m < significands; ++m) {
            if (e == exponents - 1 && (!top_exponent_is_finite || m == significands - 1)) continue;
            if (e == 0 && m == 0) continue;
            mpq_class fraction(m, significands);
            fraction.canonicalize();
            mpq_class value = fraction * power_of_two(1 - f.bias);
            if (e != 0) value = (1 + fraction) * power_of_two(static_cast<int>(e) - f.bias);
            numbers.push_back({value, (e << f.significand_bits) | m});
        }
    }
    return numbers;
}

// The exact decimal text of a rational whose denominator is a power of two.
std::string decimal_text(const mpq_class& value) {
    mpz_class numerator = value.get_num();
    const mpz_class denominator = value.get_den();
    const unsigned long twos = mpz_sizeinbase(denominator.get_mpz_t(), 2) - 1;
    mpz_class five;
    mpz_ui_pow_ui(five.get_mpz_t(), 5, twos);
    numerator *= five; // value = numerator / 10^twos
    const bool negative = numerator < 0;
    std::string digits = mpz_class(abs(numerator)).get_str();
    if (digits.size() <= twos) digits.insert(0, twos + 1 - digits.size(), '0');
    std::string text = negative ? "-" : "";
    text += digits.substr(0, digits.size() - twos);
    if (twos > 0) text += "." + digits.substr(digits.size() - twos);
    return text;
}

// `value` moved by one unit in its fortieth decimal place beyond its last one: a text just
// above (`up`) or below a midpoint, never as far as a number of the format.
std::string nudged_text(const mpq_class& value, bool up) {
    const std::string exact = decimal_text(value);
    std::string text = exact.find('.') == std::string::npos ? exact + "." : exact;
    const std::size_t fraction_digits = text.size() - text.find('.') - 1;
    mpq_class nudge(1);
    mpz_ui_pow_ui(nudge.get_den_mpz_t(), 10, fraction_digits + 40);
    const mpq_class nudged = up ? mpq_class(value + nudge) : mpq_class(value - nudge);
    // nudged = k / 10^(fraction_digits + 40) exactly; write k with the point in its place.
    const mpq_class scaled = nudged * mpq_class(mpz_class(nudge.get_den()));
    const mpz_class k = scaled.get_num();
    std::string digits = k.get_str();
    const std::size_t places = fraction_digits + 40;
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    return digits.substr(0, digits.size() - places) + "." + digits.substr(digits.size() - places);
}

struct Expectation {
    std::string text;
    bool valid;
    std::uint32_t word;
};

// The texts at, just below and just above the midpoint between numbers[i] and the next one
// (for the last, the first magnitude beyond the format: 2^(Emax + 1), or 480 for E4M3, both
// an overflow), and the words they must read as; the same negated.
void add_midpoint(const FormatTraits& f, const std::vector<Number>& numbers, std::size_t i,
                  std::vector<Expectation>& out) {
    const Number& low = numbers[i];
    const bool last = i + 1 == numbers.size();
    mpq_class high;
    if (!last)
        high = numbers[i + 1].value;
    else if (f.top == TopExponent::finite_but_nan) // one step beyond the largest number
        high = numbers[i].value + (numbers[i].value - numbers[i - 1].value);
    else
        high = power_of_two(f.emax + 1);
    const std::uint32_t high_word = last ? 0 : numbers[i + 1].word;
    const mpq_class midpoint = (low.value + high) / 2;
    // Ties go to the even word; beyond the last number, the even one is the overflow for
    // IEEE formats (2^(Emax + 1) has an all-zero significand) and for E4M3 (480 would be
    // 1.111 * 2^8, odd), the largest number, 1.110 * 2^8.
    const bool low_even = (low.word & 1U) == 0;
    const std::uint32_t sign = 1U << (f.storage_bits - 1);
    const auto both_signs = [&](const std::string& text, bool valid, std::uint32_t word) {
        out.push_back({text, valid, word});
        out.push_back({"-" + text, valid, word | sign});
    };
    both_signs(decimal_text(midpoint), !last || low_even, low_even ? low.word : high_word);
    both_signs(nudged_text(midpoint, false), true, low.word);
    both_signs(nudged_text(midpoint, true), !last, high_word);
}

// The text as typed into the value edit, which reads nothing shorter than three characters:
// a short number gets leading blanks.
TypedWord read(const FormatTraits& f, const std::string& text) {
    return read_typed_value(f, text.size() < 3 ? std::string(3 - text.size(), ' ') + text : text);
}

void check(const FormatTraits& f, const std::vector<Expectation>& expectations) {
    for (const Expectation& e : expectations) {
        const TypedWord typed = read(f, e.text);
        if (!e.valid) {
            EXPECT_EQ(typed.status, TypedStatus::invalid) << f.name << " " << e.text;
            continue;
        }
        EXPECT_EQ(typed.status, TypedStatus::ok) << f.name << " " << e.text;
        EXPECT_EQ(static_cast<std::uint32_t>(typed.word), e.word) << f.name << " " << e.text;
    }
}

TEST(NarrowFormats, PublishedValues) {
    const struct {
        const FormatTraits& format;
        const char* text;
        bool valid;
        std::uint32_t word;
    } rows[] = {
        {BINARY16, "65504", true, 0x7BFF},
        {BINARY16, "5.9604644775390625e-8", true, 0x0001}, // 2^-24
        {BINARY16, "1", true, 0x3C00},
        {BINARY16, "-2", true, 0xC000},
        {BFLOAT16, "0.3333333333333333333333", true, 0x3EAB},
        {BFLOAT16, "1", true, 0x3F80},
        {E4M3, "448", true, 0x7E},
        {E4M3, "464", true, 0x7E},
        {E4M3, "480", false, 0},
        {E4M3, "Inf", false, 0}, // no infinities
        {E4M3, "nan", true, 0x7F},
        {E4M3, "-nan", true, 0xFF},
        {E5M2, "57344", true, 0x7B},
        {E5M2, "inf", true, 0x7C},
        {E5M2, "-0", true, 0x80},
    };
    for (const auto& row : rows) {
        const TypedWord typed = read(row.format, row.text);
        EXPECT_EQ(typed.status, row.valid ? TypedStatus::ok : TypedStatus::invalid)
            << row.format.name << " " << row.text;
        if (row.valid) {
            EXPECT_EQ(static_cast<std::uint32_t>(typed.word), row.word)
                << row.format.name << " " << row.text;
        }
    }
}

TEST(NarrowFormats, EveryMidpointOfTheEightBitFormats) {
    for (const FormatTraits* f : {&E5M2, &E4M3}) {
        const auto numbers = positive_numbers(*f, f->top == TopExponent::finite_but_nan);
        std::vector<Expectation> expectations;
        // Between zero and the smallest subnormal number: ties to zero, the even word.
        const mpq_class half_smallest = numbers.front().value / 2;
        expectations.push_back({decimal_text(half_smallest), true, 0});
        expectations.push_back({nudged_text(half_smallest, true), true, numbers.front().word});
        for (std::size_t i = 0; i < numbers.size(); ++i)
            add_midpoint(*f, numbers, i, expectations);
        check(*f, expectations);
    }
}

TEST(NarrowFormats, MidpointsOfEveryBinadeOfBinary16AndBfloat16) {
    for (const FormatTraits* f : {&BINARY16, &BFLOAT16}) {
        const auto numbers = positive_numbers(*f, false);
        std::vector<Expectation> expectations;
        const std::size_t per_binade = std::size_t{1} << f->significand_bits;
        for (std::size_t first = 0; first < numbers.size(); first += per_binade) {
            // The first, a middle and the last midpoint of the binade (the last leads into
            // the next binade, or beyond the format).
            for (const std::size_t at : {first, first + per_binade / 2 - 1, first + per_binade - 1})
                if (at < numbers.size()) add_midpoint(*f, numbers, at, expectations);
        }
        check(*f, expectations);
    }
}

TEST(NarrowFormats, EveryWordReadsBackThroughItsCanonicalValue) {
    for (const FormatTraits& f : NARROW_FORMATS) {
        ValueReadOut read_out;
        std::size_t mismatches = 0;
        for (std::uint32_t word = 0; word < (1U << f.storage_bits); ++word) {
            read_out_value(f, word, Language::english, read_out, PART_CLASS | PART_VALUE);
            if (read_out.class_text == "Not-a-Number") continue;
            const TypedWord typed = read_typed_value(f, read_out.value);
            if (typed.status != TypedStatus::ok || typed.word != word) {
                if (++mismatches <= 10)
                    ADD_FAILURE() << f.name << " " << word << " " << read_out.value;
            }
        }
        EXPECT_EQ(mismatches, 0U) << f.name;
    }
}

} // namespace
} // namespace binora
