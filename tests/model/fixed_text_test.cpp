#include "model/fixed_text.hpp"

#include <gtest/gtest.h>

namespace binora {
namespace {

TEST(FixedText, PadsCutsAndTrims) {
    EXPECT_EQ(pad_to("ab", 5), "ab   ");
    EXPECT_EQ(pad_to("abcdef", 3), "abc");
    EXPECT_EQ(pad_to("", 2), "  ");
    EXPECT_EQ(trim_right("  a b  "), "  a b");
    EXPECT_EQ(trim_left("  a b  "), "a b  ");
    EXPECT_EQ(trim_blanks("  a b  "), "a b");
    EXPECT_EQ(trim_blanks("    "), "");
    EXPECT_EQ(repeat('0', 3), "000");
}

} // namespace
} // namespace binora
