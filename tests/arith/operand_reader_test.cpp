// Operands read from text against independent readings: decimal texts and hexadecimal
// floating constants whose exact value the test knows as a rational (it wrote them, and reads
// them back digit by digit), rounded by the oracle of exact_rounding.hpp in every format,
// direction and saturation; the same decimal texts against the C library's strtof and strtod
// under fesetround, which round in the current mode and raise the flags; and the spellings of
// infinities, NaNs and storage words, written out by hand.

#include "arith/operand_reader.hpp"
#include "arith_checks.hpp"
#include "exact_rounding.hpp"
#include "machine_modes.hpp"
#include "random_words.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace binora {
namespace {

using testing::every_format;
using testing::exact_value_of;
using testing::flags_of;
using testing::MACHINE_MODES;
using testing::MachineMode;
using testing::RandomWords;
using testing::round_exact;

// A decimal text with the exact value it stands for.
struct Text {
    std::string text;
    mpq_class value;
    bool negative = false; // written with "-" (the sign of a zero)
};

mpq_class power_of(int base, long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), static_cast<unsigned long>(base),
                  static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    return exponent < 0 ? mpq_class(1, power) : mpq_class(power);
}

// The value of a text this test writes: [-]digits[.digits][letter[-]digits] in base 10 (any
// of the exponent letters e, E, d, D, a power of 10), or [-]0x hex[.hex]p[-]digits (a power
// of 2), digit by digit.
mpq_class value_of(const std::string& text) {
    std::size_t at = text[0] == '-' ? 1 : 0;
    const bool hex = text.compare(at, 2, "0x") == 0;
    if (hex) at += 2;
    const int base = hex ? 16 : 10;
    mpz_class digits = 0;
    long places = 0;
    bool after_point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.') {
            after_point = true;
            continue;
        }
        const int digit = c >= '0' && c <= '9'            ? c - '0'
                          : (hex && c >= 'a' && c <= 'f') ? c - 'a' + 10
                                                          : -1;
        if (digit < 0) break;
        digits = digits * base + digit;
        if (after_point) ++places;
    }
    long exponent = 0;
    if (at < text.size()) exponent = std::strtol(text.c_str() + at + 1, nullptr, 10);
    mpq_class value = hex ? mpq_class(digits) * power_of(2, exponent - 4 * places)
                          : mpq_class(digits) * power_of(10, exponent - places);
    return text[0] == '-' ? mpq_class(-value) : value;
}

// The decimal digits of a nonnegative m * 2^e, every one (a power of two has a finite
// decimal expansion).
std::string decimal_of(const mpz_class& m, long e) {
    if (e >= 0) return mpz_class(m << static_cast<mp_bitcnt_t>(e)).get_str();
    mpz_class five;
    mpz_ui_pow_ui(five.get_mpz_t(), 5, static_cast<unsigned long>(-e));
    std::string digits = mpz_class(m * five).get_str();
    const auto places = static_cast<std::size_t>(-e);
    if (digits.size() <= places) digits.insert(0, places - digits.size() + 1, '0');
    digits.insert(digits.size() - places, ".");
    return digits;
}

class TextSource {
  public:
    explicit TextSource(std::uint64_t seed) : words_(seed) {}

    // A decimal text: random digits at a magnitude about the format's range, or a midpoint
    // between two neighbouring numbers of the format written out exactly, or just above or
    // below it. `c_syntax`: only the exponent letter e (strtod's syntax).
    Text decimal(const FormatTraits& format, bool c_syntax) {
        std::string text = words_.below(2) == 0 ? "-" : "";
        if (words_.below(2) == 0) {
            text += midpoint(format);
        } else {
            const unsigned count = 1 + words_.below(25);
            std::string digits;
            for (unsigned i = 0; i < count; ++i)
                digits += static_cast<char>('0' + words_.below(10));
            const unsigned point = words_.below(count + 1);
            if (point < count) digits.insert(point, ".");
            // A power of ten about 2^exponent, sometimes beyond the format's range.
            const long span = (1L << (format.exponent_bits - 1)) + format.precision + 8;
            const long binary =
                static_cast<long>(words_.below(static_cast<unsigned>(2 * span))) - span;
            const long exponent = binary * 3 / 10 - static_cast<long>(point);
            text += digits;
            const char* letters = c_syntax ? "eeee" : "eEdD";
            text += letters[words_.below(4)];
            text += std::to_string(exponent);
        }
        return {text, value_of(text), text[0] == '-'};
    }

    // A C99 hexadecimal floating constant with up to 34 digits, about the format's range.
    Text hexadecimal(const FormatTraits& format) {
        std::string text = words_.below(2) == 0 ? "-0x" : "0x";
        const unsigned count = 1 + words_.below(34);
        for (unsigned i = 0; i < count; ++i)
            text += "0123456789abcdef"[words_.below(words_.below(3) == 0 ? 2 : 16)];
        const unsigned point = words_.below(count + 1);
        if (point < count) text.insert(text.size() - count + point, ".");
        const long span = (1L << (format.exponent_bits - 1)) + format.precision + 8;
        text += "p" + std::to_string(
                          static_cast<long>(words_.below(static_cast<unsigned>(2 * span))) - span);
        return {text, value_of(text), text[0] == '-'};
    }

  private:
    // Halfway between a finite word's number and the next one away from zero, exactly, or a
    // little above or below.
    std::string midpoint(const FormatTraits& format) {
        for (;;) {
            const Word128 word =
                words_.any(format) & ((Word128{1} << (format.storage_bits - 1)) - 1);
            const auto low = exact_value_of(format, word);
            const auto high = exact_value_of(format, word + 1);
            if (!low || !high) continue;
            const mpq_class middle = (*low + *high) / 2;
            // middle = m * 2^e: its denominator is a power of two.
            const long e = -static_cast<long>(mpz_sizeinbase(middle.get_den_mpz_t(), 2) - 1);
            std::string text = decimal_of(middle.get_num(), e);
            if (text.find('.') == std::string::npos) text += ".";
            switch (words_.below(3)) {
            case 0:
                return text + "00000000000000000000000001";
            case 1:
                if (text.find_first_of("123456789") != std::string::npos && text.back() != '.' &&
                    text.back() != '0') {
                    --text.back(); // the last digit of an exact midpoint is 5
                    return text + "99999999999999999999999999";
                }
                return text;
            default:
                return text;
            }
        }
    }

    RandomWords words_;
};

TEST(OperandReader, DecimalAndHexadecimalTextsAgainstExactRounding) {
    TextSource source(99);
    int cases = 0;
    int mismatches = 0;
    for (const FormatTraits* format : every_format()) {
        const int count = (format->storage_bits == 128 ? 80 : 240) / testing::CASE_DIVISOR;
        for (int i = 0; i < 2 * count; ++i) {
            const Text t = i < count ? source.decimal(*format, false) : source.hexadecimal(*format);
            for (const Rounding rounding : ALL_ROUNDINGS) {
                for (const bool saturate : {false, true}) {
                    const OperandRead read = read_operand(*format, rounding, saturate, t.text);
                    const testing::ExactRounding expected =
                        round_exact(*format, rounding, saturate, t.value, t.negative);
                    ++cases;
                    if (read.status == OperandStatus::ok && read.word == expected.word &&
                        read.flags == expected.flags)
                        continue;
                    if (++mismatches <= 10)
                        ADD_FAILURE()
                            << format->name << " " << rounding_name(rounding)
                            << (saturate ? " saturate " : " ") << t.text << "\n  expected "
                            << hex_string(expected.word, format->storage_bits) << " "
                            << flags_text(expected.flags) << "\n  read     "
                            << hex_string(read.word, format->storage_bits) << " "
                            << flags_text(read.flags);
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << cases << " cases";
}

// glibc's strtof and strtod round in the current mode and raise the flags.
TEST(OperandReader, DecimalTextsAgainstStrtofAndStrtodInEachMode) {
    TextSource source(7);
    int cases = 0;
    int mismatches = 0;
    for (const FormatTraits& format : {FORMATS[0], FORMATS[1]}) {
        for (int i = 0; i < 1200 / testing::CASE_DIVISOR; ++i) {
            const std::string text = source.decimal(format, true).text;
            for (const MachineMode& mode : MACHINE_MODES) {
                std::fesetround(mode.fenv);
                std::feclearexcept(FE_ALL_EXCEPT);
                const Word128 word =
                    format.storage_bits == 32
                        ? Word128{std::bit_cast<std::uint32_t>(std::strtof(text.c_str(), nullptr))}
                        : Word128{std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr))};
                const unsigned flags = flags_of(std::fetestexcept(FE_ALL_EXCEPT));
                std::fesetround(FE_TONEAREST);
                const OperandRead read = read_operand(format, mode.rounding, false, text);
                ++cases;
                if (read.status == OperandStatus::ok && read.word == word && read.flags == flags)
                    continue;
                if (++mismatches <= 10)
                    ADD_FAILURE() << format.name << " " << rounding_name(mode.rounding) << " "
                                  << text << "\n  C library "
                                  << hex_string(word, format.storage_bits) << " "
                                  << flags_text(flags) << "\n  read      "
                                  << hex_string(read.word, format.storage_bits) << " "
                                  << flags_text(read.flags);
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << cases << " cases";
}

TEST(OperandReader, SpellingsAndStorageWords) {
    const FormatTraits& b32 = FORMATS[0];
    const FormatTraits& b64 = FORMATS[1];
    const FormatTraits& b16 = NARROW_FORMATS[0];
    const FormatTraits& e5m2 = NARROW_FORMATS[2];
    const FormatTraits& e4m3 = NARROW_FORMATS[3];
    struct Row {
        const FormatTraits* format;
        Rounding rounding;
        bool saturate;
        const char* text;
        OperandStatus status;
        const char* word; // hexadecimal, when read
        const char* flags;
    };
    using enum OperandStatus;
    using enum Rounding;
    // clang-format off
    const Row rows[] = {
        {&b32, rne, false, "inf", ok, "7F800000", "none"},
        {&b32, rne, false, "-Infinity", ok, "FF800000", "none"},
        {&b32, rne, false, "+inf", ok, "7F800000", "none"},
        {&b64, rne, false, "nan", ok, "7FFFFFFFFFFFFFFF", "none"},
        {&b16, rne, false, "-NaN", ok, "FFFF", "none"},
        {&e5m2, rne, false, "NaN", ok, "7F", "none"},
        {&e4m3, rne, false, "nan", ok, "7F", "none"},
        {&e4m3, rne, true, "inf", invalid_value, "", ""},
        {&b32, rne, false, "0x3F800000", ok, "3F800000", "none"},
        {&b32, rne, false, "0x7f800001", ok, "7F800001", "none"},
        {&b16, rne, false, "0x3C00", ok, "3C00", "none"},
        {&b32, rne, false, "0x3F80000", bad_storage_word, "", ""},
        {&b16, rne, false, "0x03C00", bad_storage_word, "", ""},
        {&b32, rne, false, "0x3F80000G", invalid_value, "", ""},
        {&b32, rne, false, "-0", ok, "80000000", "none"},
        {&b32, rdn, false, "0", ok, "00000000", "none"},
        {&b32, rne, false, "1,5", invalid_value, "", ""},
        {&b32, rne, false, "1/2", invalid_value, "", ""},
        {&b32, rne, false, "", invalid_value, "", ""},
        {&b32, rne, false, "1e", invalid_value, "", ""},
        {&b64, rne, false, "1D300", ok, "7E37E43C8800759C", "inexact"},
        {&b64, rne, false, ".5", ok, "3FE0000000000000", "none"},
        {&b64, rne, false, "0x1.8p-3", ok, "3FC8000000000000", "none"},
        {&b64, rne, false, "-0x1p-1074", ok, "8000000000000001", "none"},
        {&b64, rne, false, "0x1p-1075", ok, "0000000000000000", "underflow,inexact"},
        {&b64, rup, false, "0x1p-1075", ok, "0000000000000001", "underflow,inexact"},
        {&b64, rne, false, "0X1P+1023", ok, "7FE0000000000000", "none"},
        {&b64, rne, false, "0x1p1024", ok, "7FF0000000000000", "overflow,inexact"},
        {&b64, rne, true, "0x1p1024", ok, "7FEFFFFFFFFFFFFF", "overflow,inexact"},
        {&b64, rne, false, "0x1p99999999999999999999", ok, "7FF0000000000000", "overflow,inexact"},
        {&b64, rdn, false, "-0x1p-99999999999999999999", ok, "8000000000000001", "underflow,inexact"},
        {&b32, rne, false, "0x1.000001p0", ok, "3F800000", "inexact"},
        {&b32, rna, false, "0x1.000001p0", ok, "3F800001", "inexact"},
        {&b32, rne, false, "0x1.p0", ok, "3F800000", "none"},
        {&b32, rne, false, "0x.8p1", ok, "3F800000", "none"},
        {&b32, rne, false, "0x1p", invalid_value, "", ""},
        {&b32, rne, false, "0x.p1", invalid_value, "", ""},
        {&b64, rne, false, "1e400", ok, "7FF0000000000000", "overflow,inexact"},
        {&b64, rtz, false, "-1e400", ok, "FFEFFFFFFFFFFFFF", "overflow,inexact"},
        {&b64, rne, false, "1e-400", ok, "0000000000000000", "underflow,inexact"},
        {&b64, rne, false, "1e-99999999999999999999", ok, "0000000000000000", "underflow,inexact"},
        {&b16, rne, false, "0.1", ok, "2E66", "inexact"},
        {&b16, rup, false, "65520", ok, "7C00", "overflow,inexact"},
        {&b16, rtz, false, "65520", ok, "7BFF", "inexact"},
        {&e4m3, rne, false, "464", ok, "7E", "inexact"},
        {&e4m3, rne, false, "464.0001", ok, "7F", "overflow,inexact"},
        {&e4m3, rne, true, "464.0001", ok, "7E", "overflow,inexact"},
        {&e4m3, rne, false, "-1000", ok, "FF", "overflow,inexact"},
        {&e4m3, rup, false, "-1000", ok, "FE", "overflow,inexact"},
        {&e4m3, rne, false, "0.0009", ok, "00", "underflow,inexact"},
        {&e4m3, rup, false, "0.0009", ok, "01", "underflow,inexact"},
        {&e4m3, rne, false, "0.001", ok, "01", "underflow,inexact"},
    };
    // clang-format on
    for (const Row& row : rows) {
        const OperandRead read = read_operand(*row.format, row.rounding, row.saturate, row.text);
        EXPECT_EQ(read.status, row.status) << row.text;
        if (row.status != OperandStatus::ok) continue;
        EXPECT_EQ(hex_string(read.word, row.format->storage_bits), row.word) << row.text;
        EXPECT_EQ(flags_text(read.flags), row.flags) << row.text;
    }
}

} // namespace
} // namespace binora
