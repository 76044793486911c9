// The class of a storage word and its text in both languages, from fields written out as bit
// strings.

#include "model/format_traits.hpp"
#include "readout/class_text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace binora {
namespace {

// The fields as one storage word: sign 1, then the exponent and significand bit strings.
Word128 word_of_fields(const std::string& exponent, const std::string& significand) {
    Word128 word = 1;
    for (char c : exponent + significand)
        word = (word << 1) | static_cast<Word128>(c == '1');
    return word;
}

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
        const std::string where = std::to_string(r.kind) + " " + r.exponent;
        const FormatTraits& f = *find_format(r.kind);
        const ClassFlags c = class_of_word(f, word_of_fields(r.exponent, r.significand));
        EXPECT_EQ(
            std::tuple(c.is_zero, c.is_subnormal, c.is_infinity, c.is_nan, c.is_finite,
                       c.is_exp_max, c.is_exp_min),
            std::tuple(r.zero, r.subnormal, r.infinity, r.nan, r.finite, r.exp_max, r.exp_min))
            << where;
        std::string room;
        EXPECT_EQ(class_text(c, f, Language::romanian, room), r.romanian) << where;
        EXPECT_EQ(class_text(c, f, Language::english, room), r.english) << where;
    }
}

TEST(Classification, FirstMatchingClassTextWins) {
    ClassFlags flags;
    flags.is_zero = true;
    flags.is_nan = true;
    std::string room;
    EXPECT_EQ(class_text(flags, FORMATS[1], Language::english, room), "Signed Zero");
    flags.is_zero = false;
    flags.is_infinity = true;
    EXPECT_EQ(class_text(flags, FORMATS[1], Language::english, room), "Signed Infinity");
}

} // namespace
} // namespace binora
