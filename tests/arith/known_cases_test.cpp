// Cases worked out by hand, written as storage words: the lessons the arithmetic is shown for
// (0.1 + 0.2, gradual underflow in each direction, the error of a product recovered by fma,
// double rounding by way of binary64) and the rules for signs of zeros, NaNs, infinities and
// the formats without them.

#include "arith/arithmetic.hpp"
#include "arith/operand_reader.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace binora {
namespace {

const FormatTraits& B32 = FORMATS[0];
const FormatTraits& B64 = FORMATS[1];
const FormatTraits& B128 = FORMATS[2];
const FormatTraits& B16 = NARROW_FORMATS[0];
const FormatTraits& BF16 = NARROW_FORMATS[1];
const FormatTraits& E5M2 = NARROW_FORMATS[2];
const FormatTraits& E4M3 = NARROW_FORMATS[3];

Word128 hex(std::string_view digits) {
    Word128 word = 0;
    for (const char c : digits)
        word = (word << 4) | static_cast<Word128>(c <= '9' ? c - '0' : c - 'A' + 10);
    return word;
}

struct Row {
    const char* what;
    const FormatTraits* format;
    Operation operation;
    Rounding rounding;
    std::vector<const char*> operands; // hexadecimal words
    const char* result;                // hexadecimal word
    const char* flags;
    bool saturate = false;
    const FormatTraits* source = nullptr; // convert
};

using enum Operation;
using enum Rounding;

// clang-format off
const Row ROWS[] = {
    // Gradual underflow: the smallest subnormal number halved is a tie between 0 and itself.
    {"min/2 rne", &B64, div, rne, {"0000000000000001", "4000000000000000"}, "0000000000000000", "underflow,inexact"},
    {"min/2 rna", &B64, div, rna, {"0000000000000001", "4000000000000000"}, "0000000000000001", "underflow,inexact"},
    {"min/2 rtz", &B64, div, rtz, {"0000000000000001", "4000000000000000"}, "0000000000000000", "underflow,inexact"},
    {"min/2 rup", &B64, div, rup, {"0000000000000001", "4000000000000000"}, "0000000000000001", "underflow,inexact"},
    {"min/2 rdn", &B64, div, rdn, {"0000000000000001", "4000000000000000"}, "0000000000000000", "underflow,inexact"},
    {"-min/2 rup", &B64, div, rup, {"8000000000000001", "4000000000000000"}, "8000000000000000", "underflow,inexact"},
    {"-min/2 rdn", &B64, div, rdn, {"8000000000000001", "4000000000000000"}, "8000000000000001", "underflow,inexact"},
    {"min/2 binary32 rna", &B32, div, rna, {"00000001", "40000000"}, "00000001", "underflow,inexact"},
    {"min/2 binary16 rne", &B16, div, rne, {"0001", "4000"}, "0000", "underflow,inexact"},
    {"min/2 E4M3 rna", &E4M3, div, rna, {"01", "40"}, "01", "underflow,inexact"},
    {"min/2 E4M3 rdn", &E4M3, div, rdn, {"81", "40"}, "81", "underflow,inexact"},
    {"3 min/2 binary128 rne", &B128, mul, rne, {"00000000000000000000000000000003", "3FFE0000000000000000000000000000"}, "00000000000000000000000000000002", "underflow,inexact"},
    // Tininess after rounding. 2^-126 - 2^-150 has 24 bits: rounded to the precision it stays
    // below 2^-126 (tiny), though on the subnormal grid it rounds up to 2^-126. 2^-126 - 2^-151
    // (55831 * 2^-11 times 601 * 2^-140) rounds to 2^-126 at the precision (not tiny) unless
    // rounded toward zero.
    {"exact sum reaching the smallest normal", &B32, add, rne, {"007FFFFF", "00000001"}, "00800000", "none"},
    {"tiny, rounded to the smallest normal", &B32, mul, rne, {"00FFFFFF", "3F000000"}, "00800000", "underflow,inexact"},
    {"not tiny after rounding", &B32, mul, rne, {"41DA1700", "0004B200"}, "00800000", "inexact"},
    {"not tiny after rounding, rup", &B32, mul, rup, {"41DA1700", "0004B200"}, "00800000", "inexact"},
    {"tiny after rounding toward zero", &B32, mul, rtz, {"41DA1700", "0004B200"}, "007FFFFF", "underflow,inexact"},
    // fma recovers the rounding error of a product exactly: (1 + 2^-52)^2 - (1 + 2^-51) = 2^-104.
    {"product error binary64", &B64, fma, rne, {"3FF0000000000001", "3FF0000000000001", "BFF0000000000002"}, "3970000000000000", "none"},
    {"product error binary32", &B32, fma, rne, {"3F800001", "3F800001", "BF800002"}, "28800000", "none"},
    {"mul rounds the same product", &B32, mul, rne, {"3F800001", "3F800001"}, "3F800002", "inexact"},
    // Division by zero, and the infinities it gives.
    {"1/0", &B64, div, rne, {"3FF0000000000000", "0000000000000000"}, "7FF0000000000000", "divbyzero"},
    {"1/-0", &B64, div, rtz, {"3FF0000000000000", "8000000000000000"}, "FFF0000000000000", "divbyzero"},
    {"-1/0 saturate keeps the exact infinity", &B16, div, rne, {"BC00", "0000"}, "FC00", "divbyzero", true},
    {"0/0", &B64, div, rne, {"0000000000000000", "8000000000000000"}, "7FF8000000000000", "invalid"},
    // Signs of zeros.
    {"x - x", &B64, sub, rne, {"3FF0000000000000", "3FF0000000000000"}, "0000000000000000", "none"},
    {"x - x rdn", &B64, sub, rdn, {"3FF0000000000000", "3FF0000000000000"}, "8000000000000000", "none"},
    {"-0 + -0", &B64, add, rne, {"8000000000000000", "8000000000000000"}, "8000000000000000", "none"},
    {"-0 + +0", &B64, add, rup, {"8000000000000000", "0000000000000000"}, "0000000000000000", "none"},
    {"-0 + +0 rdn", &B64, add, rdn, {"8000000000000000", "0000000000000000"}, "8000000000000000", "none"},
    {"-0 - +0", &B32, sub, rne, {"80000000", "00000000"}, "80000000", "none"},
    {"sqrt(-0)", &B64, sqrt, rne, {"8000000000000000"}, "8000000000000000", "none"},
    {"sqrt(-min)", &B64, sqrt, rne, {"8000000000000001"}, "7FF8000000000000", "invalid"},
    {"rem(-3, 1)", &B64, rem, rne, {"C008000000000000", "3FF0000000000000"}, "8000000000000000", "none"},
    {"rem(3, -1)", &B64, rem, rdn, {"4008000000000000", "BFF0000000000000"}, "0000000000000000", "none"},
    {"rem(5, 2) ties to even quotient 2", &B64, rem, rne, {"4014000000000000", "4000000000000000"}, "3FF0000000000000", "none"},
    {"rem(7, 2) ties to even quotient 4", &B64, rem, rne, {"401C000000000000", "4000000000000000"}, "BFF0000000000000", "none"},
    {"rem(min, inf)", &B64, rem, rne, {"0000000000000001", "7FF0000000000000"}, "0000000000000001", "none"},
    {"fma(+0, -1, +0)", &B64, fma, rne, {"0000000000000000", "BFF0000000000000", "0000000000000000"}, "0000000000000000", "none"},
    {"fma(+0, -1, +0) rdn", &B64, fma, rdn, {"0000000000000000", "BFF0000000000000", "0000000000000000"}, "8000000000000000", "none"},
    {"fma(-0, 1, -0)", &B64, fma, rup, {"8000000000000000", "3FF0000000000000", "8000000000000000"}, "8000000000000000", "none"},
    {"fma(1, 1, -1) rdn", &B16, fma, rdn, {"3C00", "3C00", "BC00"}, "8000", "none"},
    {"tiny product rounds to -0", &B64, mul, rne, {"8000000000000001", "3FE0000000000000"}, "8000000000000000", "underflow,inexact"},
    // NaNs: the first NaN operand, quieted; invalid for a signalling one; the default NaN
    // for an invalid operation.
    {"first NaN's payload", &B64, add, rne, {"7FF8000000000001", "FFF8000000000002"}, "7FF8000000000001", "none"},
    {"NaN sign kept", &B64, mul, rne, {"3FF0000000000000", "FFF8000000000007"}, "FFF8000000000007", "none"},
    {"signalling NaN quieted", &B64, add, rne, {"3FF0000000000000", "7FF0000000000003"}, "7FF8000000000003", "invalid"},
    {"quiet NaN before a signalling one", &B32, sub, rne, {"7FC00001", "7F800002"}, "7FC00001", "invalid"},
    {"signalling NaN first", &B32, div, rne, {"FF800005", "7FC00001"}, "FFC00005", "invalid"},
    {"fma(0, inf, qNaN)", &B64, fma, rne, {"0000000000000000", "7FF0000000000000", "7FF8000000000005"}, "7FF8000000000005", "none"},
    {"fma(0, inf, 1)", &B64, fma, rne, {"0000000000000000", "7FF0000000000000", "3FF0000000000000"}, "7FF8000000000000", "invalid"},
    {"fma(inf, 1, -inf)", &B32, fma, rne, {"7F800000", "3F800000", "FF800000"}, "7FC00000", "invalid"},
    {"inf - inf", &B64, sub, rne, {"7FF0000000000000", "7FF0000000000000"}, "7FF8000000000000", "invalid"},
    {"0 * -inf", &B64, mul, rne, {"0000000000000000", "FFF0000000000000"}, "7FF8000000000000", "invalid"},
    {"inf / inf", &B16, div, rne, {"7C00", "FC00"}, "7E00", "invalid"},
    {"rem(1, 0)", &B64, rem, rne, {"3FF0000000000000", "0000000000000000"}, "7FF8000000000000", "invalid"},
    {"rem(inf, 1)", &B64, rem, rne, {"7FF0000000000000", "3FF0000000000000"}, "7FF8000000000000", "invalid"},
    {"E5M2 signalling NaN", &E5M2, add, rne, {"7D", "3C"}, "7F", "invalid"},
    {"E4M3 0 * NaN", &E4M3, mul, rne, {"00", "FF"}, "FF", "none"},
    // Overflow as the direction says; E4M3 has its NaN for an infinity.
    {"binary64 overflow", &B64, add, rne, {"7FEFFFFFFFFFFFFF", "7FEFFFFFFFFFFFFF"}, "7FF0000000000000", "overflow,inexact"},
    {"binary64 overflow rtz", &B64, add, rtz, {"7FEFFFFFFFFFFFFF", "7FEFFFFFFFFFFFFF"}, "7FEFFFFFFFFFFFFF", "overflow,inexact"},
    {"binary64 overflow rup, negative", &B64, add, rup, {"FFEFFFFFFFFFFFFF", "FFEFFFFFFFFFFFFF"}, "FFEFFFFFFFFFFFFF", "overflow,inexact"},
    {"bfloat16 overflow saturate", &BF16, mul, rne, {"7F7F", "4000"}, "7F7F", "overflow,inexact", true},
    {"E5M2 overflow", &E5M2, add, rne, {"7B", "7B"}, "7C", "overflow,inexact"},
    {"E5M2 overflow saturate", &E5M2, add, rne, {"7B", "7B"}, "7B", "overflow,inexact", true},
    {"E4M3 448 + 448", &E4M3, add, rne, {"7E", "7E"}, "7F", "overflow,inexact"},
    {"E4M3 448 + 448 rtz", &E4M3, add, rtz, {"7E", "7E"}, "7E", "overflow,inexact"},
    {"E4M3 -448 - 448 rup", &E4M3, sub, rup, {"FE", "7E"}, "FE", "overflow,inexact"},
    {"E4M3 -448 - 448 rdn", &E4M3, sub, rdn, {"FE", "7E"}, "FF", "overflow,inexact"},
    {"E4M3 448 + 448 saturate", &E4M3, add, rne, {"7E", "7E"}, "7E", "overflow,inexact", true},
    {"E4M3 240 * 2 = 480, beyond 448", &E4M3, mul, rne, {"77", "40"}, "7F", "overflow,inexact"},
    {"E4M3 240 * 2 rtz", &E4M3, mul, rtz, {"77", "40"}, "7E", "overflow,inexact"},
    {"E4M3 448 + 16 ties to 448", &E4M3, add, rne, {"7E", "58"}, "7E", "inexact"},
    {"E4M3 448 + 16 rna", &E4M3, add, rna, {"7E", "58"}, "7F", "overflow,inexact"},
    {"E4M3 448 + 8", &E4M3, add, rna, {"7E", "50"}, "7E", "inexact"},
    {"E4M3 1/0", &E4M3, div, rne, {"38", "00"}, "7F", "divbyzero"},
    {"E4M3 -1/0", &E4M3, div, rne, {"B8", "00"}, "FF", "divbyzero"},
    {"E4M3 1/-0 saturate", &E4M3, div, rne, {"38", "80"}, "FE", "divbyzero", true},
    {"E4M3 0/0 saturate", &E4M3, div, rne, {"00", "00"}, "7F", "invalid", true},
    // Conversions: NaN payloads keep their leading bits; infinities into E4M3.
    {"binary64 sNaN to binary32", &B32, convert, rne, {"7FF4000000000001"}, "7FE00000", "invalid", false, &B64},
    {"binary32 NaN to binary64", &B64, convert, rne, {"7FC12345"}, "7FF82468A0000000", "none", false, &B32},
    {"binary128 NaN to binary16", &B16, convert, rne, {"FFFF8400000000000000000000000001"}, "FE10", "none", false, &B128},
    {"E4M3 NaN to binary16", &B16, convert, rne, {"FF"}, "FF80", "none", false, &E4M3},
    {"binary16 NaN to E4M3", &E4M3, convert, rne, {"7E01"}, "7F", "none", false, &B16},
    {"binary32 sNaN to itself", &B32, convert, rne, {"7F800001"}, "7FC00001", "invalid", false, &B32},
    {"inf to E4M3", &E4M3, convert, rne, {"7F800000"}, "7F", "none", false, &B32},
    {"-inf to E4M3 saturate", &E4M3, convert, rdn, {"FFF0000000000000"}, "FE", "none", true, &B64},
    {"inf to binary16 saturate", &B16, convert, rne, {"7F800000"}, "7C00", "none", true, &B32},
    {"65520 to binary16", &B16, convert, rne, {"477FF000"}, "7C00", "overflow,inexact", false, &B32},
    {"65519 to binary16", &B16, convert, rne, {"477FEF00"}, "7BFF", "inexact", false, &B32},
    {"binary16 subnormal to E5M2", &E5M2, convert, rne, {"0001"}, "00", "underflow,inexact", false, &B16},
    {"binary16 to E4M3 tie", &E4M3, convert, rne, {"3C40"}, "38", "inexact", false, &B16},
    {"binary16 to E4M3 tie rna", &E4M3, convert, rna, {"3C40"}, "39", "inexact", false, &B16},
};
// clang-format on

TEST(KnownCases, EachRowGivesItsWordAndFlags) {
    for (const Row& row : ROWS) {
        ArithmeticCase c;
        c.operation = row.operation;
        c.format = row.format;
        c.source = row.source;
        c.rounding = row.rounding;
        c.saturate = row.saturate;
        for (std::size_t i = 0; i < row.operands.size(); ++i)
            c.operands[i] = hex(row.operands[i]);
        const ArithmeticResult r = compute(c);
        EXPECT_EQ(hex_string(r.word, row.format->storage_bits), row.result) << row.what;
        EXPECT_EQ(flags_text(r.flags), row.flags) << row.what;
    }
}

// The stored operands of a text, read as binora-cli reads them.
Word128 read(const FormatTraits& format, Rounding rounding, std::string_view text,
             unsigned expected_flags) {
    const OperandRead operand = read_operand(format, rounding, false, text);
    EXPECT_EQ(operand.status, OperandStatus::ok) << text;
    EXPECT_EQ(operand.flags, expected_flags) << text;
    return operand.word;
}

TEST(KnownCases, PointOnePlusPointTwo) {
    ArithmeticCase c;
    c.operation = Operation::add;
    c.format = &B64;
    c.operands = {read(B64, Rounding::rne, "0.1", FLAG_INEXACT),
                  read(B64, Rounding::rne, "0.2", FLAG_INEXACT)};
    EXPECT_EQ(hex_string(c.operands[0], 64), "3FB999999999999A");
    EXPECT_EQ(hex_string(c.operands[1], 64), "3FC999999999999A");
    const ArithmeticResult r = compute(c);
    EXPECT_EQ(hex_string(r.word, 64), "3FD3333333333334");
    EXPECT_EQ(r.flags, FLAG_INEXACT);
    // The exact sum 0.3000000000000000166533453693773481063544750213623046875 lies halfway
    // between ...333 and ...334 and ties to the even one: guard 1, round 0, sticky 0.
    EXPECT_TRUE(r.grs.guard && !r.grs.round && !r.grs.sticky);
    EXPECT_EQ(hex_string(read(B64, Rounding::rne, "0.3", FLAG_INEXACT), 64), "3FD3333333333333");
}

// Double rounding: a text rounded into binary64 and then into binary16 against the same
// text read straight into binary16. 0.1 comes out the same both ways; 1 + 2^-11 + 10^-17
// rounds in binary64 to the midpoint 1 + 2^-11, which then ties to even, while read
// straight it lies above the midpoint.
TEST(KnownCases, ConvertingFromBinary64AgainstReadingStraightIntoBinary16) {
    struct Lesson {
        const char* text;
        const char* via_binary64;
        const char* straight;
    };
    for (const Lesson& lesson :
         {Lesson{"0.1", "2E66", "2E66"}, Lesson{"1.00048828125000001", "3C00", "3C01"}}) {
        ArithmeticCase c;
        c.operation = Operation::convert;
        c.source = &B64;
        c.format = &B16;
        c.operands[0] = read(B64, Rounding::rne, lesson.text, FLAG_INEXACT);
        const ArithmeticResult r = compute(c);
        EXPECT_EQ(hex_string(r.word, 16), lesson.via_binary64) << lesson.text;
        EXPECT_EQ(r.flags, FLAG_INEXACT) << lesson.text;
        EXPECT_EQ(hex_string(read(B16, Rounding::rne, lesson.text, FLAG_INEXACT), 16),
                  lesson.straight)
            << lesson.text;
    }
}

} // namespace
} // namespace binora
