#include "numeric/classify.hpp"

#include <gtest/gtest.h>

namespace binora {
namespace {

TEST(FieldTests, CountCharactersAndStopAtTheFirstFailure) {
    struct Row {
        int n;
        const char* bits;
        bool zero, one, zero_but_last, one_but_last;
    };
    const Row rows[] = {
        {8, "00000000", true, false, true, false},
        {8, "00000001", false, false, true, false},
        {8, "10000000", false, false, false, false},
        {8, "11111111", false, true, false, true},
        {8, "11111110", false, false, false, true},
        {8, "01111111", false, false, false, false},
        {1, "1", false, true, true, true}, // with N = 1 the all-but-last tests pass anything
        {1, "0", true, false, true, true},
        {0, "1", true, true, true, true},
        {-3, "1", true, true, true, true},
        {3, "000111", true, false, true, false}, // characters past N are not looked at
        {4, "00", false, false, false, false},   // a missing character fails
    };
    for (const auto& r : rows) {
        EXPECT_EQ(ALLBITS_ZERO(r.n, r.bits), r.zero) << r.n << " " << r.bits;
        EXPECT_EQ(ALLBITS_ONE(r.n, r.bits), r.one) << r.n << " " << r.bits;
        EXPECT_EQ(ALLZERO_EXCEPT_LAST(r.n, r.bits), r.zero_but_last) << r.n << " " << r.bits;
        EXPECT_EQ(ALLONE_EXCEPT_LAST(r.n, r.bits), r.one_but_last) << r.n << " " << r.bits;
    }
}

} // namespace
} // namespace binora
