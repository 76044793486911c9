#include "model/width.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>

namespace binora {
namespace {

TEST(Width, CountsDigitsAndSign) {
    struct Row {
        std::int32_t n;
        std::int32_t width;
    };
    // clang-format off
    const Row rows[] = {{0, 1},           {-1, 2},       {127, 3},         {-126, 4},
                        {16383, 5},       {-16382, 6},   {9, 1},           {10, 2},
                        {99, 2},          {100, 3},      {-9, 2},          {-10, 3},
                        {999999, 6},      {1000000, 7},  {2147483647, 10}, {-2147483647, 11},
                        {std::numeric_limits<std::int32_t>::min(), 11}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(WIDTH(row.n), row.width) << row.n;
}

// Every power of ten and its neighbours, where a floating log10 would go wrong, compared
// with what printf writes.
TEST(Width, MatchesPrintedLengthAroundEveryPowerOfTen) {
    for (std::int64_t p = 1; p <= 1000000000; p *= 10) {
        for (std::int64_t v : {p - 1, p, p + 1, -(p - 1), -p, -(p + 1)}) {
            const auto n = static_cast<std::int32_t>(v);
            char text[16];
            const int printed = std::snprintf(text, sizeof text, "%d", n);
            EXPECT_EQ(WIDTH(n), printed) << n;
        }
    }
}

} // namespace
} // namespace binora
