#include "numeric/classify.hpp"

#include <gtest/gtest.h>

namespace binora {
namespace {

TEST(TypedSpellings, InfinityAndNanPrefixesAreRecognised) {
    struct Row {
        const char* text;
        bool nan, infinity, negative;
    };
    const Row rows[] = {
        {"NaN", true, false, false},      {"Nan", true, false, false},
        {"nan123", true, false, false},   {"naN", true, false, false},
        {"+Na", true, false, false},      {"+nan", true, false, false},
        {"-Na", true, false, true},       {"-nan", true, false, true},
        {"Infinity", false, true, false}, {"inf", false, true, false},
        {"+In", false, true, false},      {"+inf", false, true, false},
        {"-Inf", false, true, true},      {"-in", false, true, true},
        {"INF", false, false, false},     {"NAN", false, false, false},
        {"nAn", false, false, false},     {" inf", false, false, false},
        {"1.5", false, false, false},     {"in", false, false, false},
        {"", false, false, false},        {"-", false, false, true},
    };
    for (const auto& r : rows) {
        const TypedSpelling spelling = typed_spelling(r.text);
        EXPECT_EQ(spelling.is_nan, r.nan) << r.text;
        EXPECT_EQ(spelling.is_infinity, r.infinity) << r.text;
        EXPECT_EQ(spelling.negative, r.negative) << r.text;
    }
}

} // namespace
} // namespace binora
