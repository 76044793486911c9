#include "numeric/decimal_reader.hpp"

#include "numeric/storage_word.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <locale.h>
#include <string>

namespace binora {
namespace {

struct Row {
    const char* text;
    ReadStatus status;
    const char* hex32; // expected bits when the status is ok
    const char* hex64;
    const char* hex128;
};

std::string bits_of(const ReadResult<float>& r) {
    return hex_string(word_of(r.value), 32);
}
std::string bits_of(const ReadResult<double>& r) {
    return hex_string(word_of(r.value), 64);
}
std::string bits_of(const ReadResult<__float128>& r) {
    return hex_string(word_of(r.value), 128);
}

constexpr auto ok = ReadStatus::ok;
constexpr auto invalid = ReadStatus::invalid;
constexpr auto no_number = ReadStatus::no_number;

TEST(DecimalReader, SyntaxAndValuesInAllThreeFormats) {
    const Row rows[] = {
        {"1", ok, "3F800000", "3FF0000000000000", "3FFF0000000000000000000000000000"},
        {"  1", ok, "3F800000", "3FF0000000000000", "3FFF0000000000000000000000000000"},
        {"\t+1.", ok, "3F800000", "3FF0000000000000", "3FFF0000000000000000000000000000"},
        {"-1.5", ok, "BFC00000", "BFF8000000000000", "BFFF8000000000000000000000000000"},
        {".5", ok, "3F000000", "3FE0000000000000", "3FFE0000000000000000000000000000"},
        {"0.1", ok, "3DCCCCCD", "3FB999999999999A", "3FFB999999999999999999999999999A"},
        {"1,5", ok, "3F800000", "3FF0000000000000", "3FFF0000000000000000000000000000"},
        {"1/2", ok, "3F800000", "3FF0000000000000", "3FFF0000000000000000000000000000"},
        {"2 abc", ok, "40000000", "4000000000000000", "40000000000000000000000000000000"},
        {"25E-1", ok, "40200000", "4004000000000000", "40004000000000000000000000000000"},
        {"25e-1", ok, "40200000", "4004000000000000", "40004000000000000000000000000000"},
        {"25D-1", ok, "40200000", "4004000000000000", "40004000000000000000000000000000"},
        {"2.5d0", ok, "40200000", "4004000000000000", "40004000000000000000000000000000"},
        {"0.025e+2", ok, "40200000", "4004000000000000", "40004000000000000000000000000000"},
        {"-0", ok, "80000000", "8000000000000000", "80000000000000000000000000000000"},
        {" -0", ok, "80000000", "8000000000000000", "80000000000000000000000000000000"},
        {"0e999999999999", ok, "00000000", "0000000000000000", "00000000000000000000000000000000"},
        {"0.0407104492118d-44444444754222222222222222220", ok, "00000000", "0000000000000000",
         "00000000000000000000000000000000"},
        {"-1e-99999", ok, "80000000", "8000000000000000", "80000000000000000000000000000000"},
        {"1e-45", ok, "00000001", "3696D601AD376AB9", "3F696D601AD376AB91A27AC0F72F8BFA"},
        {"1e-46", ok, "00000000", "366244CE242C5561", "3F66244CE242C5560E1B95672C260995"},
        {"3.4028235e38", ok, "7F7FFFFF", "47EFFFFFE54DAFF8", "407EFFFFFE54DAFF837DF295A10F0000"},
        {"1e39", ReadStatus::overflow, "", "48078287F49C4A1D", "408078287F49C4A1D6622FB2AB400000"},
        {"abc", invalid, "", "", ""},
        {"--1", invalid, "", "", ""},
        {"+-1", invalid, "", "", ""},
        {"1e", invalid, "", "", ""},
        {"1e+", invalid, "", "", ""},
        {".", invalid, "", "", ""},
        {"-.e1", invalid, "", "", ""},
        {"1.2.3", invalid, "", "", ""},
        {"1+5", invalid, "", "", ""},
        {"2*3", invalid, "", "", ""},
        {"1q5", invalid, "", "", ""},
        {"1e5.0", invalid, "", "", ""},
        {"INF", invalid, "", "", ""},
        {"NAN", invalid, "", "", ""},
        {"infinity", invalid, "", "", ""},
        {"0x1p3", invalid, "", "", ""},
        {"1_000", invalid, "", "", ""},
        {"", invalid, "", "", ""},
        {"   ", invalid, "", "", ""},
        {"- 1", invalid, "", "", ""},
        {",5", no_number, "", "", ""},
        {"/5", no_number, "", "", ""},
        {"   ,", no_number, "", "", ""},
    };
    for (const auto& row : rows) {
        const auto r32 = read_binary32(row.text);
        const auto r64 = read_binary64(row.text);
        const auto r128 = read_binary128(row.text);
        if (row.status == ReadStatus::overflow) {
            EXPECT_EQ(r32.status, ReadStatus::overflow) << row.text;
            EXPECT_EQ(bits_of(r64), row.hex64) << row.text;
            EXPECT_EQ(bits_of(r128), row.hex128) << row.text;
            continue;
        }
        EXPECT_EQ(r32.status, row.status) << row.text;
        EXPECT_EQ(r64.status, row.status) << row.text;
        EXPECT_EQ(r128.status, row.status) << row.text;
        if (row.status != ok) continue;
        EXPECT_EQ(bits_of(r32), row.hex32) << row.text;
        EXPECT_EQ(bits_of(r64), row.hex64) << row.text;
        EXPECT_EQ(bits_of(r128), row.hex128) << row.text;
    }
}

TEST(DecimalReader, OverflowIsReportedOnlyAboveTheLargestFiniteNumber) {
    struct Limit {
        const char* largest; // the largest finite number, written out
        const char* too_big; // the first magnitude that rounds to infinity
    };
    const Limit binary32 = {"3.40282346638528859811704183484516925440e38",
                            "3.40282356779733661637539395458142568448e38"};
    EXPECT_EQ(bits_of(read_binary32(binary32.largest)), "7F7FFFFF");
    EXPECT_EQ(bits_of(read_binary32("3.40282356779733661637539395458142568447e38")), "7F7FFFFF");
    EXPECT_EQ(read_binary32(binary32.too_big).status, ReadStatus::overflow);
    EXPECT_EQ(read_binary32("-3.40282356779733661637539395458142568448e38").status,
              ReadStatus::overflow);
    EXPECT_EQ(bits_of(read_binary64("1.7976931348623157e308")), "7FEFFFFFFFFFFFFF");
    EXPECT_EQ(bits_of(read_binary64("-1.7976931348623158e308")), "FFEFFFFFFFFFFFFF");
    EXPECT_EQ(read_binary64("1e309").status, ReadStatus::overflow);
    // 2^1024 - 2^970, halfway between the largest number and 2^1024: ties to even, so up.
    const std::string halfway =
        "179769313486231580793728971405303415079934132710037826936173778980444968292764750946"
        "649017977587207096330286416692887910946555547851940402630657488671505820681908902000"
        "708383676273854845817711531764475730270069855571366959622842914819860834936475292719"
        "074168444365510704342711559699508093042880177904174497792";
    EXPECT_EQ(read_binary64(halfway).status, ReadStatus::overflow);
    const std::string below_halfway = halfway.substr(0, halfway.size() - 1) + "1";
    EXPECT_EQ(bits_of(read_binary64(below_halfway)), "7FEFFFFFFFFFFFFF");
    EXPECT_EQ(bits_of(read_binary128("1.189731495357231765085759326628007e4932")),
              "7FFEFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(read_binary128("1.19e4932").status, ReadStatus::overflow);
    EXPECT_EQ(read_binary128("1e99999999999999999999").status, ReadStatus::overflow);
}

TEST(DecimalReader, Binary32IsRoundedOnceFromTheText) {
    // Via binary64 this would first round to 1 + 2^-24 exactly, then tie to even at 1.0.
    EXPECT_EQ(
        bits_of(read_binary32("1.000000059604644776257986737988403547205962240695953369140625")),
        "3F800001");
    EXPECT_EQ(bits_of(read_binary32("1.00000005960464477539062499")), "3F800000");
    EXPECT_EQ(bits_of(read_binary32("1.000000059604644775390625")), "3F800000"); // tie: even
    EXPECT_EQ(bits_of(read_binary32("1.000000178813934326171875")), "3F800002"); // tie: even
}

TEST(DecimalReader, HalfOfTheSmallestBinary128SubnormalTiesToZero) {
    const std::string half = exact_decimal(false, 1, -16495); // 0.000...25 (16495 decimals)
    const std::string digits = half.substr(half.find_first_not_of("0."));
    const std::string scientific = digits.substr(0, 1) + "." + digits.substr(1) + "e-4966";
    EXPECT_EQ(bits_of(read_binary128(half)), "00000000000000000000000000000000");
    EXPECT_EQ(bits_of(read_binary128("-" + half)), "80000000000000000000000000000000");
    EXPECT_EQ(bits_of(read_binary128(half + "000")), "00000000000000000000000000000000");
    EXPECT_EQ(bits_of(read_binary128(scientific)), "00000000000000000000000000000000");
    EXPECT_EQ(bits_of(read_binary128("0" + digits + "0e-16496")),
              "00000000000000000000000000000000");
    EXPECT_EQ(bits_of(read_binary128(half + "1")), "00000000000000000000000000000001");
    const std::string just_above = digits.substr(0, 1) + "." + digits.substr(1) + "1e-4966";
    EXPECT_EQ(bits_of(read_binary128("-" + just_above)), "80000000000000000000000000000001");
    EXPECT_EQ(bits_of(read_binary128("6.5e-4966")), "00000000000000000000000000000001");
    EXPECT_EQ(bits_of(read_binary128("3.3e-4966")), "00000000000000000000000000000001");
    EXPECT_EQ(bits_of(read_binary128("3.2e-4966")), "00000000000000000000000000000000");
}

TEST(DecimalReader, LongTextsAreReadQuicklyAndExactly) {
    const std::string digits(100000, '1');
    const std::string tiny = "0." + std::string(99990, '0') + "1";
    // Just above the binary32 tie between 1 and 1 + 2^-23: the final digit decides.
    const std::string above_tie = "1.000000059604644775390625" + std::string(99970, '0') + "1";
    const std::string long_exponent = "1e-" + std::string(99990, '9');
    const auto start = std::chrono::steady_clock::now();
    for (int repeat = 0; repeat < 3; ++repeat) {
        EXPECT_EQ(read_binary32(digits).status, ReadStatus::overflow);
        EXPECT_EQ(read_binary64(digits).status, ReadStatus::overflow);
        EXPECT_EQ(read_binary128(digits).status, ReadStatus::overflow);
        EXPECT_EQ(bits_of(read_binary32(tiny)), "00000000");
        EXPECT_EQ(bits_of(read_binary128(tiny)), "00000000000000000000000000000000");
        EXPECT_EQ(bits_of(read_binary32(above_tie)), "3F800001");
        EXPECT_EQ(bits_of(read_binary64(long_exponent)), "0000000000000000");
        EXPECT_EQ(read_binary64(digits + "x").status, ReadStatus::invalid);
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    EXPECT_LT(spent.count(), 2.0);
}

TEST(DecimalReader, DecimalPointIsAPointWhateverTheUserLocale) {
    const char* comma_locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ro_RO.UTF-8"};
    locale_t comma = nullptr;
    for (const char* name : comma_locales)
        if (comma == nullptr) comma = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr));
    if (comma == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
    const locale_t previous = uselocale(comma);
    const auto r64 = read_binary64("1.5");
    const auto r128 = read_binary128("1.5");
    const auto r32 = read_binary32("1.5");
    uselocale(previous);
    freelocale(comma);
    EXPECT_EQ(bits_of(r32), "3FC00000");
    EXPECT_EQ(bits_of(r64), "3FF8000000000000");
    EXPECT_EQ(bits_of(r128), "3FFF8000000000000000000000000000");
}

} // namespace
} // namespace binora
