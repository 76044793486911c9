// Ties and near-ties of the decimal reader, built by exact arithmetic: for a number w and its
// successor, the decimal text of their exact midpoint must round to the one with the even
// significand, a text just above it to the successor, and one just below it to w. The
// expected words come from bit arithmetic on w alone, not from any conversion.

#include "model/format_traits.hpp"
#include "numeric/decimal_reader.hpp"
#include "numeric/exact_decimal.hpp"
#include "numeric/storage_word.hpp"

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
    for (const FormatTraits& f : all_formats()) {
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

} // namespace
} // namespace binora
