#include "model/comun.hpp"
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

TEST(SharedState, ResetRestoresTheLoadTimeState) {
    COMUN.KIND_REAL = 16;
    COMUN.X4 = 1.5F;
    COMUN.IS_NAN = true;
    COMUN.DATATYPE[1] = "Signed Zero";
    COMUN.LANG_RO = true;
    reset_shared_state();
    EXPECT_EQ(COMUN.KIND_REAL, 0);
    EXPECT_EQ(COMUN.X4, 0.0F);
    EXPECT_FALSE(COMUN.IS_NAN);
    EXPECT_TRUE(COMUN.DATATYPE[0].empty());
    EXPECT_TRUE(COMUN.DATATYPE[1].empty());
    EXPECT_FALSE(COMUN.LANG_RO);
}

} // namespace
} // namespace binora
