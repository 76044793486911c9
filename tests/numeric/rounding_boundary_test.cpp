// Ties and near-ties of the decimal reader, built by exact arithmetic: for a number w and its
// successor, the decimal text of their exact midpoint must round to the one with the even
// significand, a text just above it to the successor, and one just below it to w. The
// expected words come from bit arithmetic on w alone, not from any conversion; the binary128
// texts whose deciding digit lies far out are written by GMP's integers.

#include "model/format_traits.hpp"
#include "numeric/decimal_reader.hpp"
#include "numeric/storage_word.hpp"
#include "testing/words.hpp"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace binora {
namespace {

constexpr Word128 one = 1;

// The bits read from `text` in the format of `kind` as hex, or "overflow" / "invalid".
std::string read_as_hex(int kind, const std::string& text) {
    const auto show = [&](const auto& read) -> std::string {
        if (read.status == ReadStatus::overflow) return "overflow";
        if (read.status != ReadStatus::ok) return "invalid";
        return hex_string(word_of(read.value), kind * 8);
    };
    if (kind == 4) return show(read_binary32(text));
    if (kind == 8) return show(read_binary64(text));
    return show(read_binary128(text));
}

// Positive finite words: the special points of the format and a seeded random spread.
std::vector<Word128> sample_words(const FormatTraits& f) {
    const Word128 fraction_mask = (one << f.significand_bits) - 1;
    const Word128 max_exponent = (one << f.exponent_bits) - 1;
    std::vector<Word128> words = {
        0,                                                          // zero
        1,                                                          // smallest subnormal
        fraction_mask,                                              // largest subnormal
        one << f.significand_bits,                                  // smallest normal
        static_cast<Word128>(f.bias) << f.significand_bits,         // 1.0
        ((max_exponent - 1) << f.significand_bits) | fraction_mask, // largest finite
    };
    std::mt19937_64 random(20240517U + static_cast<unsigned>(f.kind));
    while (words.size() < 150) {
        const Word128 bits = (static_cast<Word128>(random()) << 64) | random();
        const Word128 word = bits & ((one << (f.storage_bits - 1)) - 1);
        if ((word >> f.significand_bits) != max_exponent) words.push_back(word);
    }
    return words;
}

std::string word_or_overflow(Word128 word, const FormatTraits& f) {
    const Word128 infinity = ((one << f.exponent_bits) - 1) << f.significand_bits;
    return word == infinity ? "overflow" : hex_string(word, f.storage_bits);
}

TEST(RoundingBoundaries, MidpointsTieToEvenAndNeighbouringTextsRoundToTheirSide) {
    for (const FormatTraits& f : FORMATS) {
        const Word128 sign = one << (f.storage_bits - 1);
        for (const Word128 w : sample_words(f)) {
            const int biased = static_cast<int>(w >> f.significand_bits);
            const Word128 fraction = w & ((one << f.significand_bits) - 1);
            const Word128 m = biased == 0 ? fraction : fraction | (one << f.significand_bits);
            const int e = (biased == 0 ? 1 : biased) - f.bias - f.significand_bits;
            // w = m * 2^e and its successor w + 1 = (m + 1) * 2^e, across binades too.
            const std::string midpoint = exact_decimal(false, 2 * m + 1, e - 1);
            const std::string above =
                midpoint + (midpoint.find('.') == std::string::npos ? ".1" : "1");
            const std::string below = exact_decimal(false, (2 * m + 1) * 1024 - 1, e - 11);
            const Word128 even = (w & 1) == 0 ? w : w + 1;
            const std::string where = f.name + (" " + hex_string(w, f.storage_bits));
            EXPECT_EQ(read_as_hex(f.kind, midpoint), word_or_overflow(even, f)) << where;
            EXPECT_EQ(read_as_hex(f.kind, above), word_or_overflow(w + 1, f)) << where;
            EXPECT_EQ(read_as_hex(f.kind, below), word_or_overflow(w, f)) << where;
            if (word_or_overflow(even, f) != "overflow") {
                EXPECT_EQ(read_as_hex(f.kind, "-" + midpoint),
                          hex_string(even | sign, f.storage_bits))
                    << where;
            }
        }
    }
}

Word128 word128(std::uint64_t high, std::uint64_t low) {
    return (static_cast<Word128>(high) << 64) | low;
}

// n / 10^k in decimal (n >= 0), with a point and k fraction digits when k > 0.
std::string scaled_decimal(const mpz_class& n, unsigned long k) {
    std::string digits = n.get_str();
    if (digits.size() <= k) digits.insert(0, k + 1 - digits.size(), '0');
    if (k > 0) digits.insert(digits.size() - k, ".");
    return digits;
}

TEST(RoundingBoundaries, Binary128NearMidpointsWithTheDecidingDigitFarOut) {
    const FormatTraits& f = FORMATS[2];
    const Word128 words[] = {
        0,                                               // zero: half the smallest subnormal
        1,                                               // the smallest subnormal
        2,                                               //
        word128(0x0000800000000000, 0x0000000000000003), // subnormal, top fraction bit set
        word128(0x0000FFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF), // the largest subnormal
        word128(0x0001000000000000, 0x0000000000000000), // the smallest normal
        word128(0x0001000000000000, 0x0000000000000001), //
        word128(0x0002123456789ABC, 0xDEF0123456789ABD), //
        word128(0x3F8F000000000000, 0x0000000000000000), // 2^-112
        word128(0x3FFEFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF), // just below 1
        word128(0x3FFF000000000000, 0x0000000000000000), // 1
        word128(0x3FFF000000000000, 0x0000000000000001), //
        word128(0x4030000000000000, 0x0000000000000000), // 2^49
        word128(0x406F000000000000, 0x0000000000000000), // 2^112: spacing 1, midpoint n + 0.5
        word128(0x4070000000000000, 0x0000000000000001), // spacing 2: the midpoint is odd
        word128(0x40C8555555555555, 0x5555555555555555), //
        word128(0x7FFEFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFE), //
        word128(0x7FFEFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF), // the largest: its midpoint overflows
    };
    constexpr unsigned long far = 60; // zeros or nines between the midpoint's digits and the last
    const Word128 sign = one << 127;
    for (const Word128 w : words) {
        const int biased = static_cast<int>(w >> f.significand_bits);
        const Word128 fraction = w & ((one << f.significand_bits) - 1);
        const Word128 m = biased == 0 ? fraction : fraction | (one << f.significand_bits);
        const int e = (biased == 0 ? 1 : biased) - f.bias - f.significand_bits;
        // The midpoint (2m + 1) * 2^(e - 1) as an integer over 10^k.
        const mpz_class twice_m_plus_1(hex_string(2 * m + 1, 128), 16);
        unsigned long k = 0;
        mpz_class midpoint;
        if (e >= 1) {
            midpoint = twice_m_plus_1 << static_cast<unsigned long>(e - 1);
        } else {
            k = static_cast<unsigned long>(1 - e);
            mpz_ui_pow_ui(midpoint.get_mpz_t(), 5, k);
            midpoint *= twice_m_plus_1; // m / 2^k = m * 5^k / 10^k
        }
        mpz_class spread;
        mpz_ui_pow_ui(spread.get_mpz_t(), 10, far);
        const std::string at = scaled_decimal(midpoint, k);
        const std::string above = scaled_decimal(midpoint * spread + 1, k + far);
        const std::string below = scaled_decimal(midpoint * spread - 1, k + far);
        const Word128 even = (w & 1) == 0 ? w : w + 1;
        for (const Word128 s : {Word128{0}, sign}) {
            const std::string minus = s != 0 ? "-" : "";
            const std::string where = minus + hex_string(w, 128);
            const auto expected = [&](Word128 word) {
                const std::string text = word_or_overflow(word, f);
                return text == "overflow" ? text : hex_string(word | s, 128);
            };
            EXPECT_EQ(read_as_hex(16, minus + at), expected(even)) << where << " at";
            EXPECT_EQ(read_as_hex(16, minus + above), expected(w + 1)) << where << " above";
            EXPECT_EQ(read_as_hex(16, minus + below), expected(w)) << where << " below";
        }
    }
    // 2^49 + 2^-64 + 10^-68: just above the midpoint between 2^49 and 2^49 + 2^-63.
    EXPECT_EQ(read_as_hex(16, "562949953421312.0000000000000000000542101086242752217003726400434"
                              "9708557128906250001"),
              "40300000000000000000000000000001");
}

} // namespace
} // namespace binora
