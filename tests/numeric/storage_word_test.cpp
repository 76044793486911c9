#include "numeric/storage_word.hpp"
#include "numeric/storage_word_text.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace binora {
namespace {

Word128 word128(std::uint64_t high, std::uint64_t low) {
    return (static_cast<Word128>(high) << 64) | low;
}

TEST(StorageWord, KnownValuesHaveTheirStoredBits) {
    EXPECT_EQ(word_of(1.0F), 0x3F800000U);
    EXPECT_EQ(word_of(-0.0F), 0x80000000U);
    EXPECT_EQ(word_of(0.1F), 0x3DCCCCCDU);
    EXPECT_EQ(word_of(std::numeric_limits<float>::denorm_min()), 0x00000001U);
    EXPECT_EQ(word_of(1.0), 0x3FF0000000000000U);
    EXPECT_EQ(word_of(-0.0), 0x8000000000000000U);
    EXPECT_EQ(word_of(0.1), 0x3FB999999999999AU);
    EXPECT_EQ(word_of(static_cast<__float128>(1)), word128(0x3FFF000000000000U, 0));
    EXPECT_EQ(word_of(-static_cast<__float128>(0)), word128(0x8000000000000000U, 0));
    EXPECT_EQ(word_of(static_cast<__float128>(-2.5)), word128(0xC000400000000000U, 0));
}

TEST(StorageWord, WordsRoundTripEveryBitIncludingNanPayloads) {
    for (const std::uint32_t w : {0x7FC00001U, 0xFFBFFFFFU, 0x00000001U, 0x80000000U})
        EXPECT_EQ(word_of(binary32_from_word(w)), w);
    for (const std::uint64_t w : {0x7FF0000000000001U, 0xFFF8DEADBEEF0000U, 0x8000000000000001U})
        EXPECT_EQ(word_of(binary64_from_word(w)), w);
    for (const Word128 w : {word128(0x7FFF000000000000U, 1), word128(0xFFFF800000000000U, 0x55),
                            word128(0x0000000000000000U, 1)})
        EXPECT_TRUE(word_of(binary128_from_word(w)) == w);
    EXPECT_TRUE(std::isnan(binary32_from_word(0x7FC00001U)));
    EXPECT_EQ(binary64_from_word(0x4009000000000000U), 3.125);
}

TEST(StorageWord, BitStringIsMostSignificantFirstWithLeadingZeros) {
    EXPECT_EQ(bit_string(0x3DCCCCCDU, 32), "00111101110011001100110011001101");
    EXPECT_EQ(bit_string(5, 8), "00000101");
    EXPECT_EQ(bit_string(0x1FF, 8), "11111111"); // only the low bits
    const std::string top = bit_string(word128(0x8000000000000000U, 1), 128);
    ASSERT_EQ(top.size(), 128U);
    EXPECT_EQ(top, "1" + std::string(126, '0') + "1");
}

TEST(StorageWord, BitStringReadsBackIgnoringBlanks) {
    struct Row {
        const char* text;
        std::uint64_t value;
    };
    const Row rows[] = {
        {"00000101", 5},
        {"101  ", 5},
        {"  1 0 1", 5},
        {"", 0},
        {"   ", 0},
        {"11111111111111111111111111111111", 0xFFFFFFFFU},
        {"10110011 0 11110000", 0x166F0}, // eight digits at once, then single ones
        {"01100110011001100110011001100110011001100110011001100110 10011100", 0x666666666666669CU},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(word_from_bit_string(row.text) == row.value) << row.text;
    const std::string bits = "1" + std::string(126, '0') + "1";
    EXPECT_TRUE(word_from_bit_string(bits) == word128(0x8000000000000000U, 1));
    EXPECT_TRUE(word_from_bit_string("1" + std::string(127, '0') + "1") ==
                word128(0, 1)); // the oldest bit shifts out
}

TEST(StorageWord, HexStringIsUpperCaseOfTheLowBits) {
    EXPECT_EQ(hex_string(0x3dcccccdU, 32), "3DCCCCCD");
    EXPECT_EQ(hex_string(0x1U, 64), "0000000000000001");
    EXPECT_EQ(hex_string(word128(0x7FFF000000000000U, 0xABU), 128),
              "7FFF00000000000000000000000000AB");
    EXPECT_EQ(hex_string(0x3FU, 6), "3F"); // a width that is not whole bytes: whole bytes
    EXPECT_EQ(hex_string(0xABCU, 12), "0ABC");
}

TEST(StorageWord, AWordOfSixBitsIsTwoDigitsUpTo3F) {
    FormatTraits six = NARROW_FORMATS[2];
    six.storage_bits = 6;
    six.exponent_bits = 3;
    EXPECT_TRUE(parse_storage_word("0x3f", six) == 0x3FU);
    EXPECT_FALSE(parse_storage_word("0x40", six));
    EXPECT_FALSE(parse_storage_word("0x3", six));
    EXPECT_EQ(storage_word_error("0x40", six),
              "0x40: a E5M2 storage word is 0x and exactly 2 hexadecimal digits, at most 3F");
}

// Storage words written and read back, against printf's digits and a reading of our own one
// digit at a time: random words of every width, in either case, and texts with one byte that
// is no digit (anywhere, any byte).
TEST(StorageWord, HexTextsAgreeWithPrintfAndADigitByDigitReading) {
    const auto printf_digits = [](Word128 word, int bits) {
        char text[40];
        std::snprintf(text, sizeof text, "%016" PRIX64 "%016" PRIX64,
                      static_cast<std::uint64_t>(word >> 64), static_cast<std::uint64_t>(word));
        return std::string(text + 32 - bits / 4);
    };
    const auto digit_by_digit = [](const std::string& digits) -> std::optional<Word128> {
        Word128 word = 0;
        for (const char c : digits) {
            int value = -1;
            if (c >= '0' && c <= '9') value = c - '0';
            if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
            if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
            if (value < 0) return std::nullopt;
            word = (word << 4) | static_cast<Word128>(value);
        }
        return word;
    };
    const FormatTraits formats[] = {NARROW_FORMATS[3], NARROW_FORMATS[0], FORMATS[0], FORMATS[1],
                                    FORMATS[2]};
    std::mt19937_64 random(7);
    for (const FormatTraits& format : formats) {
        const int bits = format.storage_bits;
        SCOPED_TRACE(format.name);
        for (int i = 0; i < 2000; ++i) {
            Word128 word = word128(random(), random());
            if (bits < 128) word &= (Word128{1} << bits) - 1;
            std::string digits = printf_digits(word, bits);
            ASSERT_EQ(hex_string(word, bits), digits);
            for (char& c : digits)
                if (random() % 2 != 0 && c >= 'A') c = static_cast<char>(c | 0x20);
            if (i % 2 != 0) // one byte anything
                digits[random() % digits.size()] = static_cast<char>(random() % 256);
            const auto read = parse_storage_word("0x" + digits, format);
            const auto expected = digit_by_digit(digits);
            ASSERT_EQ(read.has_value(), expected.has_value()) << digits;
            if (read) {
                ASSERT_TRUE(*read == *expected) << digits;
            }
        }
    }
}

} // namespace
} // namespace binora
