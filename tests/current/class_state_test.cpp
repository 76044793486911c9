#include "current/class_state.hpp"

#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace binora {
namespace {

struct ClassRow {
    int kind;
    std::string exponent;
    std::string significand;
    bool zero, subnormal, infinity, nan, finite, exp_max, exp_min;
    const char* romanian;
    const char* english;
};

TEST(Classification, FlagsAndClassTextsFollowTheFields) {
    const std::string z23(23, '0');
    const std::string last23 = std::string(22, '0') + "1";
    const std::string any23 = "10110000000000000000001";
    const std::string z112(112, '0');
    const ClassRow rows[] = {
        {4, "00000000", z23, true, false, false, false, true, false, true, "Zero cu semn",
         "Signed Zero"},
        {4, "00000000", last23, false, true, false, false, true, false, true, "Numar denormalizat",
         "Denormalized Number"},
        {4, "11111111", z23, false, false, true, false, false, true, false, "Infinit cu semn",
         "Signed Infinity"},
        {4, "11111111", any23, false, false, false, true, false, true, false, "Non-Numar",
         "Not-a-Number"},
        {4, "10000000", any23, false, false, false, false, true, false, false,
         "Numar normalizat: Real(4)", "Normalized Number: Real(4)"},
        {4, "00000001", z23, false, false, false, false, true, false, true,
         "Numar normalizat: Real(4)", "Normalized Number: Real(4)"},
        {4, "11111110", any23, false, false, false, false, true, true, false,
         "Numar normalizat: Real(4)", "Normalized Number: Real(4)"},
        {8, "01111111111", std::string(52, '0'), false, false, false, false, true, false, false,
         "Numar normalizat: Real(8)", "Normalized Number: Real(8)"},
        {16, "011111111111111", z112, false, false, false, false, true, false, false,
         "Numar normalizat: Real(16)", "Normalized Number: Real(16)"},
        {16, "111111111111111", std::string(111, '0') + "1", false, false, false, true, false, true,
         false, "Non-Numar", "Not-a-Number"},
    };
    for (const auto& r : rows) {
        reset_shared_state();
        COMUN.KIND_REAL = r.kind;
        ISNONNUMBER(static_cast<int>(r.exponent.size()), static_cast<int>(r.significand.size()),
                    r.exponent, r.significand);
        const std::string where = std::to_string(r.kind) + " " + r.exponent;
        EXPECT_EQ(COMUN.IS_ZERO, r.zero) << where;
        EXPECT_EQ(COMUN.IS_SUBNORMAL, r.subnormal) << where;
        EXPECT_EQ(COMUN.IS_INFINITY, r.infinity) << where;
        EXPECT_EQ(COMUN.IS_NAN, r.nan) << where;
        EXPECT_EQ(COMUN.IS_FINITE, r.finite) << where;
        EXPECT_EQ(COMUN.IS_EXP_MAX, r.exp_max) << where;
        EXPECT_EQ(COMUN.IS_EXP_MIN, r.exp_min) << where;
        // The same fields as a storage word (sign 1) classify alike.
        const FormatTraits& f = format_of(r.kind);
        const ClassFlags by_word =
            class_of_word(f, word_from_bit_string("1" + r.exponent + r.significand));
        const auto flags_of = [](const ClassFlags& c) {
            return std::tuple(c.is_zero, c.is_subnormal, c.is_infinity, c.is_nan, c.is_finite,
                              c.is_exp_max, c.is_exp_min);
        };
        EXPECT_EQ(flags_of(by_word), std::tuple(r.zero, r.subnormal, r.infinity, r.nan, r.finite,
                                                r.exp_max, r.exp_min))
            << where;
        RETRIEVEDATATYPE();
        EXPECT_EQ(COMUN.DATATYPE[0], pad_to(r.romanian, DATATYPE_LENGTH)) << where;
        EXPECT_EQ(COMUN.DATATYPE[1], pad_to(r.english, DATATYPE_LENGTH)) << where;
    }
}

TEST(Classification, FirstMatchingClassTextWins) {
    reset_shared_state();
    COMUN.KIND_REAL = 8;
    COMUN.IS_ZERO = true;
    COMUN.IS_NAN = true;
    RETRIEVEDATATYPE();
    EXPECT_EQ(trim_right(COMUN.DATATYPE[1]), "Signed Zero");
    COMUN.IS_ZERO = false;
    COMUN.IS_INFINITY = true;
    RETRIEVEDATATYPE();
    EXPECT_EQ(trim_right(COMUN.DATATYPE[1]), "Signed Infinity");
}

TEST(TypedSpellings, InfinityAndNanPrefixesAreRecognised) {
    struct Row {
        const char* text;
        bool nan, infinity;
        const char* sign; // the sign of the class recognised, "" when neither
    };
    const Row rows[] = {
        {"NaN", true, false, "0"},  {"Nan", true, false, "0"},  {"nan123", true, false, "0"},
        {"naN", true, false, "0"},  {"+Na", true, false, "0"},  {"+nan", true, false, "0"},
        {"-Na", true, false, "1"},  {"-nan", true, false, "1"}, {"Infinity", false, true, "0"},
        {"inf", false, true, "0"},  {"+In", false, true, "0"},  {"+inf", false, true, "0"},
        {"-Inf", false, true, "1"}, {"-in", false, true, "1"},  {"INF", false, false, ""},
        {"NAN", false, false, ""},  {"nAn", false, false, ""},  {" inf", false, false, ""},
        {"1.5", false, false, ""},  {"in", false, false, ""},   {"", false, false, ""},
    };
    for (const auto& r : rows) {
        reset_shared_state();
        COMUN.IS_NAN = true;
        COMUN.IS_INFINITY = true;
        COMUN.VALUE_CHAR = pad_to(r.text, VALUE_CHAR_LENGTH);
        ISINFINITY_OR_NAN();
        EXPECT_EQ(COMUN.IS_NAN, r.nan) << r.text;
        EXPECT_EQ(COMUN.IS_INFINITY, r.infinity) << r.text;
        if (r.nan) {
            EXPECT_EQ(COMUN.NAN_SIGN, r.sign) << r.text;
        }
        if (r.infinity) {
            EXPECT_EQ(COMUN.INF_SIGN, r.sign) << r.text;
        }
    }
}

TEST(TypedSpellings, ShortUnpaddedTextIsSafe) {
    reset_shared_state();
    COMUN.VALUE_CHAR = "-";
    ISINFINITY_OR_NAN();
    EXPECT_FALSE(COMUN.IS_NAN);
    EXPECT_FALSE(COMUN.IS_INFINITY);
    EXPECT_EQ(COMUN.INF_SIGN, "1");
}

} // namespace
} // namespace binora
