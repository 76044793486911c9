#include "testing/words.hpp"

#include "numeric/decimal_reader.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace binora {
namespace {

Word128 word128(std::uint64_t high, std::uint64_t low) {
    return (static_cast<Word128>(high) << 64) | low;
}

TEST(ExactDecimal, KnownExpansions) {
    struct Row {
        std::string actual;
        std::string expected;
    };
    const Row rows[] = {
        {exact_decimal(0.1F), "0.100000001490116119384765625"},
        {exact_decimal(0.1), "0.1000000000000000055511151231257827021181583404541015625"},
        {exact_decimal(binary128_from_word(word128(0x3FFB999999999999, 0x999999999999999A))),
         "0.1000000000000000000000000000000000048148248609680896326399448564623182963452541205"
         "384704880998469889163970947265625"},
        {exact_decimal(std::numeric_limits<float>::denorm_min()),
         "0.00000000000000000000000000000000000000000000140129846432481707092372958328991613128"
         "026194187651577175706828388979108268586060148663818836212158203125"},
        {exact_decimal(std::numeric_limits<float>::max()),
         "340282346638528859811704183484516925440"},
        {exact_decimal(1e23), "99999999999999991611392"},
        {exact_decimal(1.0F), "1"},
        {exact_decimal(-2.5), "-2.5"},
        {exact_decimal(0.0), "0"},
        {exact_decimal(-0.0F), "-0"},
        {exact_decimal(std::numeric_limits<double>::infinity()), "Infinity"},
        {exact_decimal(-std::numeric_limits<float>::infinity()), "-Infinity"},
        {exact_decimal(std::numeric_limits<double>::quiet_NaN()), "NaN"},
        {exact_decimal(false, 3, -1), "1.5"},
        {exact_decimal(true, 0, 40), "-0"},
        {exact_decimal(false, 5, 3), "40"},
        {exact_decimal(false, 1, -3), "0.125"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.actual, row.expected);
}

TEST(ExactDecimal, ExtremesOfBinary64AndBinary128HaveEveryDigit) {
    const std::string tiny64 = exact_decimal(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(tiny64.size(), 1076U);
    EXPECT_EQ(tiny64.find('4'), 325U);
    EXPECT_EQ(tiny64.substr(tiny64.size() - 30), "538682506419718265533447265625");

    const std::string tiny128 = exact_decimal(binary128_from_word(1));
    EXPECT_EQ(tiny128.size(), 16496U);
    EXPECT_EQ(tiny128.find('6'), 4967U);
    EXPECT_EQ(tiny128.substr(4967, 40), "6475175119438025110924438958227646552499");
    EXPECT_EQ(tiny128.substr(tiny128.size() - 20), "41301822662353515625");

    const std::string huge128 =
        exact_decimal(binary128_from_word(word128(0x7FFEFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF)));
    EXPECT_EQ(huge128.size(), 4933U);
    EXPECT_EQ(huge128.substr(0, 40), "1189731495357231765085759326628007016196");
    EXPECT_EQ(huge128.substr(huge128.size() - 20), "72381760403137363968");
}

TEST(ExactDecimal, ReadsBackToTheSameBits) {
    const float floats[] = {0.1F, 3.0e-41F, 1.0e38F, -7.5F};
    for (const float x : floats)
        EXPECT_EQ(read_binary32(exact_decimal(x)).value, x);
    const double doubles[] = {0.1, 4.9e-324, 1.7976931348623157e308, -1.0 / 3.0};
    for (const double x : doubles)
        EXPECT_EQ(read_binary64(exact_decimal(x)).value, x);
    const Word128 words[] = {1, word128(0x3FFD555555555555, 0x5555555555555555),
                             word128(0xC00F123456789ABC, 0xDEF0123456789ABC)};
    for (const Word128 w : words)
        EXPECT_TRUE(word_of(read_binary128(exact_decimal(binary128_from_word(w))).value) == w);
}

} // namespace
} // namespace binora
