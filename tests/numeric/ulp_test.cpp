#include "test_words.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace binora {
namespace {

using testing::q;
using testing::word128;

template <typename Word> struct UlpRow {
    const char* what;
    Word x;
    Word ulp;
};

TEST(Ulp, Binary32) {
    const UlpRow<std::uint32_t> rows[] = {
        {"+0", 0x00000000U, 0x00000001U},
        {"-0", 0x80000000U, 0x00000001U},
        {"smallest subnormal", 0x00000001U, 0x00000001U},
        {"largest subnormal", 0x007FFFFFU, 0x00000001U},
        {"negative subnormal", 0x80400000U, 0x00000001U},
        {"smallest normal 2^-126", 0x00800000U, 0x00000001U},
        {"largest below 2^-125", 0x00FFFFFFU, 0x00000001U},
        {"2^-125", 0x01000000U, 0x00000002U},
        {"1.0", 0x3F800000U, 0x34000000U},
        {"-1.0", 0xBF800000U, 0x34000000U},
        {"largest below 1", 0x3F7FFFFFU, 0x33800000U},
        {"0.1", 0x3DCCCCCDU, 0x32000000U},
        {"largest finite", 0x7F7FFFFFU, 0x73800000U},
        {"negative largest finite", 0xFF7FFFFFU, 0x73800000U},
    };
    for (const auto& row : rows)
        EXPECT_EQ(word_of(ulp(binary32_from_word(row.x))), row.ulp) << row.what;
}

TEST(Ulp, Binary64) {
    const UlpRow<std::uint64_t> rows[] = {
        {"+0", 0x0000000000000000U, 0x0000000000000001U},
        {"-0", 0x8000000000000000U, 0x0000000000000001U},
        {"largest subnormal", 0x000FFFFFFFFFFFFFU, 0x0000000000000001U},
        {"smallest normal 2^-1022", 0x0010000000000000U, 0x0000000000000001U},
        {"2^-1021", 0x0020000000000000U, 0x0000000000000002U},
        {"1.0", 0x3FF0000000000000U, 0x3CB0000000000000U},
        {"-1.0", 0xBFF0000000000000U, 0x3CB0000000000000U},
        {"0.1", 0x3FB999999999999AU, 0x3C70000000000000U},
        {"largest finite", 0x7FEFFFFFFFFFFFFFU, 0x7CA0000000000000U},
        {"negative largest finite", 0xFFEFFFFFFFFFFFFFU, 0x7CA0000000000000U},
    };
    for (const auto& row : rows)
        EXPECT_EQ(word_of(ulp(binary64_from_word(row.x))), row.ulp) << row.what;
}

TEST(Ulp, Binary128) {
    struct Row {
        const char* what;
        Word128 x;
        Word128 ulp;
    };
    const Word128 smallest_subnormal = word128(0, 1);
    const Row rows[] = {
        {"+0", word128(0, 0), smallest_subnormal},
        {"-0", word128(0x8000000000000000U, 0), smallest_subnormal},
        {"largest subnormal", word128(0x0000FFFFFFFFFFFFU, ~std::uint64_t{0}), smallest_subnormal},
        {"smallest normal 2^-16382", word128(0x0001000000000000U, 0), smallest_subnormal},
        {"2^-16381", word128(0x0002000000000000U, 0), word128(0, 2)},
        {"1.0", word128(0x3FFF000000000000U, 0), word128(0x3F8F000000000000U, 0)},
        {"-1.0", word128(0xBFFF000000000000U, 0), word128(0x3F8F000000000000U, 0)},
        {"largest finite", word128(0x7FFEFFFFFFFFFFFFU, ~std::uint64_t{0}),
         word128(0x7F8E000000000000U, 0)},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(word_of(ulp(binary128_from_word(row.x))) == row.ulp) << row.what;
}

TEST(Ulp, InfinityGivesInfinityAndNanGivesNan) {
    EXPECT_EQ(word_of(ulp(binary32_from_word(0xFF800000U))), 0x7F800000U);
    EXPECT_TRUE(std::isnan(ulp(binary64_from_word(0x7FF8000000000000U))));
    EXPECT_TRUE(word_of(ulp(q(0xFFFF000000000000U, 0))) == word128(0x7FFF000000000000U, 0));
}

} // namespace
} // namespace binora
