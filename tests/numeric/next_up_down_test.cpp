#include "test_words.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace binora {
namespace {

using testing::word128;

// x, its neighbour above (next_up) and its neighbour below (next_down), as stored words.
template <typename Word> struct NearRow {
    const char* what;
    Word x;
    Word up;
    Word down;
};

TEST(Nears, Binary32) {
    const NearRow<std::uint32_t> rows[] = {
        {"+0", 0x00000000U, 0x00000001U, 0x80000001U},
        {"-0", 0x80000000U, 0x00000001U, 0x80000001U},
        {"smallest subnormal", 0x00000001U, 0x00000002U, 0x00000000U},
        {"negative smallest subnormal", 0x80000001U, 0x80000000U, 0x80000002U},
        {"largest subnormal", 0x007FFFFFU, 0x00800000U, 0x007FFFFEU},
        {"smallest normal", 0x00800000U, 0x00800001U, 0x007FFFFFU},
        {"1.0", 0x3F800000U, 0x3F800001U, 0x3F7FFFFFU},
        {"-1.0", 0xBF800000U, 0xBF7FFFFFU, 0xBF800001U},
        {"0.1", 0x3DCCCCCDU, 0x3DCCCCCEU, 0x3DCCCCCCU},
        {"largest finite", 0x7F7FFFFFU, 0x7F800000U, 0x7F7FFFFEU},
        {"negative largest finite", 0xFF7FFFFFU, 0xFF7FFFFEU, 0xFF800000U},
        {"+infinity", 0x7F800000U, 0x7F800000U, 0x7F7FFFFFU},
        {"-infinity", 0xFF800000U, 0xFF7FFFFFU, 0xFF800000U},
    };
    for (const auto& row : rows) {
        const float x = binary32_from_word(row.x);
        EXPECT_EQ(word_of(next_up(x)), row.up) << row.what;
        EXPECT_EQ(word_of(next_down(x)), row.down) << row.what;
    }
}

TEST(Nears, Binary64) {
    const NearRow<std::uint64_t> rows[] = {
        {"+0", 0x0000000000000000U, 0x0000000000000001U, 0x8000000000000001U},
        {"-0", 0x8000000000000000U, 0x0000000000000001U, 0x8000000000000001U},
        {"smallest subnormal", 0x0000000000000001U, 0x0000000000000002U, 0x0000000000000000U},
        {"negative smallest subnormal", 0x8000000000000001U, 0x8000000000000000U,
         0x8000000000000002U},
        {"1.0", 0x3FF0000000000000U, 0x3FF0000000000001U, 0x3FEFFFFFFFFFFFFFU},
        {"largest finite", 0x7FEFFFFFFFFFFFFFU, 0x7FF0000000000000U, 0x7FEFFFFFFFFFFFFEU},
        {"negative largest finite", 0xFFEFFFFFFFFFFFFFU, 0xFFEFFFFFFFFFFFFEU, 0xFFF0000000000000U},
    };
    for (const auto& row : rows) {
        const double x = binary64_from_word(row.x);
        EXPECT_EQ(word_of(next_up(x)), row.up) << row.what;
        EXPECT_EQ(word_of(next_down(x)), row.down) << row.what;
    }
}

TEST(Nears, Binary128) {
    const std::uint64_t ones = ~std::uint64_t{0};
    const NearRow<Word128> rows[] = {
        {"+0", word128(0, 0), word128(0, 1), word128(0x8000000000000000U, 1)},
        {"-0", word128(0x8000000000000000U, 0), word128(0, 1), word128(0x8000000000000000U, 1)},
        {"smallest subnormal", word128(0, 1), word128(0, 2), word128(0, 0)},
        {"negative smallest subnormal", word128(0x8000000000000000U, 1),
         word128(0x8000000000000000U, 0), word128(0x8000000000000000U, 2)},
        {"carry across the halves", word128(0x3FFF000000000000U, ones),
         word128(0x3FFF000000000001U, 0), word128(0x3FFF000000000000U, ones - 1)},
        {"1.0", word128(0x3FFF000000000000U, 0), word128(0x3FFF000000000000U, 1),
         word128(0x3FFEFFFFFFFFFFFFU, ones)},
        {"largest finite", word128(0x7FFEFFFFFFFFFFFFU, ones), word128(0x7FFF000000000000U, 0),
         word128(0x7FFEFFFFFFFFFFFFU, ones - 1)},
        {"negative largest finite", word128(0xFFFEFFFFFFFFFFFFU, ones),
         word128(0xFFFEFFFFFFFFFFFFU, ones - 1), word128(0xFFFF000000000000U, 0)},
    };
    for (const auto& row : rows) {
        const __float128 x = binary128_from_word(row.x);
        EXPECT_TRUE(word_of(next_up(x)) == row.up) << row.what;
        EXPECT_TRUE(word_of(next_down(x)) == row.down) << row.what;
    }
}

TEST(Nears, NanIsReturnedUnchanged) {
    EXPECT_EQ(word_of(next_up(binary32_from_word(0x7FC00001U))), 0x7FC00001U);
    EXPECT_EQ(word_of(next_down(binary64_from_word(0xFFF8000000000000U))), 0xFFF8000000000000U);
    const Word128 nan = word128(0x7FFF800000000000U, 5);
    EXPECT_TRUE(word_of(next_up(binary128_from_word(nan))) == nan);
}

} // namespace
} // namespace binora
