// Where the exact result lies between two numbers of the format: the grid points around it,
// written as hexadecimal words, and its position between them against exact rationals worked
// out here from the operands' words (support/exact_rounding.hpp decodes them).

#include "arith/number_line.hpp"
#include "exact_rounding.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

namespace binora {
namespace {

const FormatTraits& B64 = FORMATS[1];
const FormatTraits& E4M3 = NARROW_FORMATS[3];

Word128 hex(std::string_view digits) {
    Word128 word = 0;
    for (const char c : digits)
        word = (word << 4) | static_cast<Word128>(c <= '9' ? c - '0' : c - 'A' + 10);
    return word;
}

mpq_class value(const FormatTraits& format, std::string_view word) {
    return *testing::exact_value_of(format, hex(word));
}

using enum Operation;
using Exact = std::function<mpq_class(const mpq_class& a, const mpq_class& b)>;

struct Row {
    const char* what;
    const FormatTraits* format;
    Operation operation;
    const char* a;
    const char* b;
    ExactPlaceKind kind;
    const char* low; // its word, or "" for a grid point past the largest finite number
    const char* high;
    Exact exact;      // the exact result from the operands' values
    mpq_class beyond; // the grid point past the largest finite number, where there is one
};

const auto sum = [](const mpq_class& a, const mpq_class& b) { return mpq_class(a + b); };
const auto difference = [](const mpq_class& a, const mpq_class& b) { return mpq_class(a - b); };
const auto product = [](const mpq_class& a, const mpq_class& b) { return mpq_class(a * b); };
const auto quotient = [](const mpq_class& a, const mpq_class& b) { return mpq_class(a / b); };

const mpq_class TWO_TO_1024 = mpq_class(mpz_class(1) << 1024);

// clang-format off
const Row ROWS[] = {
    {"0.1 + 0.2: a tie", &B64, add, "3FB999999999999A", "3FC999999999999A", ExactPlaceKind::between,
     "3FD3333333333333", "3FD3333333333334", sum, 0},
    {"-0.1 - 0.2: the same tie below zero", &B64, sub, "BFB999999999999A", "3FC999999999999A",
     ExactPlaceKind::between, "BFD3333333333334", "BFD3333333333333", difference, 0},
    {"1 / 3", &B64, div, "3FF0000000000000", "4008000000000000", ExactPlaceKind::between,
     "3FD5555555555555", "3FD5555555555556", quotient, 0},
    {"half the smallest subnormal: between 0 and it", &B64, div, "0000000000000001",
     "4000000000000000", ExactPlaceKind::between, "0000000000000000", "0000000000000001", quotient, 0},
    {"minus that: between it and -0", &B64, div, "8000000000000001", "4000000000000000",
     ExactPlaceKind::between, "8000000000000001", "8000000000000000", quotient, 0},
    {"the largest finite number doubled: far past 2^1024", &B64, mul, "7FEFFFFFFFFFFFFF",
     "4000000000000000", ExactPlaceKind::between, "7FEFFFFFFFFFFFFF", "", product, TWO_TO_1024},
    {"448 * 2 in E4M3: past 480, where its NaN stands", &E4M3, mul, "7E", "40",
     ExactPlaceKind::between, "7E", "", product, 480},
    {"1 + 1: 2, whose neighbour below is half as far", &B64, add, "3FF0000000000000",
     "3FF0000000000000", ExactPlaceKind::representable, "3FFFFFFFFFFFFFFF", "4000000000000001", sum, 0},
    {"1 - 1: +0 between the smallest subnormal numbers", &B64, sub, "3FF0000000000000",
     "3FF0000000000000", ExactPlaceKind::representable, "8000000000000001", "0000000000000001",
     difference, 0},
    {"the largest finite number: 2^1024 next", &B64, add, "7FEFFFFFFFFFFFFF", "0000000000000000",
     ExactPlaceKind::representable, "7FEFFFFFFFFFFFFE", "", sum, TWO_TO_1024},
};
// clang-format on

mpq_class point(const FormatTraits& format, const char* word, const mpq_class& beyond) {
    return *word == '\0' ? beyond : value(format, word);
}

TEST(NumberLine, TheExactResultLiesBetweenItsGridPointsWhereItsValueSays) {
    for (const Row& row : ROWS) {
        ArithmeticCase c;
        c.operation = row.operation;
        c.format = row.format;
        c.operands = {hex(row.a), hex(row.b), 0};
        const ExactPlace place = place_exact_result(c, compute(c));
        ASSERT_EQ(place.kind, row.kind) << row.what;
        EXPECT_EQ(place.low.in_format, *row.low != '\0') << row.what;
        EXPECT_EQ(place.high.in_format, *row.high != '\0') << row.what;
        if (place.low.in_format) {
            EXPECT_EQ(place.low.word, hex(row.low)) << row.what;
        }
        if (place.high.in_format) {
            EXPECT_EQ(place.high.word, hex(row.high)) << row.what;
        }

        const mpq_class exact = row.exact(value(*row.format, row.a), value(*row.format, row.b));
        const mpq_class low = point(*row.format, row.low, row.beyond);
        const mpq_class high = point(*row.format, row.high, row.beyond);
        const double expected = mpq_class((exact - low) / (high - low)).get_d();
        EXPECT_NEAR(place.exact_position, expected, 1e-15 * (1 + expected)) << row.what;
        if (row.kind == ExactPlaceKind::between) {
            EXPECT_EQ(place.middle_position, 0.5) << row.what;
            EXPECT_FALSE(place.middle.in_format) << row.what;
        } else {
            EXPECT_EQ(place.middle_position, place.exact_position) << row.what;
            EXPECT_TRUE(place.middle.in_format) << row.what;
        }
    }
}

TEST(NumberLine, TheSquareRootOfTwoLiesBetweenTheMidpointAndThreeQuarters) {
    // Its guard, round and sticky bits are 101: past the midpoint, short of three quarters.
    ArithmeticCase c;
    c.operation = Operation::sqrt;
    c.operands[0] = hex("4000000000000000");
    const ExactPlace place = place_exact_result(c, compute(c));
    ASSERT_EQ(place.kind, ExactPlaceKind::between);
    EXPECT_EQ(place.low.word, hex("3FF6A09E667F3BCC"));
    EXPECT_EQ(place.high.word, hex("3FF6A09E667F3BCD"));
    // sqrt(2) = low + p * gap: p from (low + p * gap)^2 = 2 to a double's precision.
    const mpq_class low = value(B64, "3FF6A09E667F3BCC");
    const mpq_class gap = value(B64, "3FF6A09E667F3BCD") - low;
    const auto squared = [&](double p) { return mpq_class((low + p * gap) * (low + p * gap)); };
    EXPECT_LT(squared(place.exact_position - 1e-9), 2);
    EXPECT_GT(squared(place.exact_position + 1e-9), 2);
    EXPECT_GT(place.exact_position, 0.5);
    EXPECT_LT(place.exact_position, 0.75);
}

TEST(NumberLine, TextsShowTheLeadingDigitsThatTellTheNeighboursAndTheirMidpointApart) {
    ArithmeticCase c;
    c.operands = {hex("3FB999999999999A"), hex("3FC999999999999A"), 0};
    const ExactPlace place = place_exact_result(c, compute(c));
    EXPECT_EQ(line_digits(B64), 20);
    EXPECT_EQ(place.low.text, "2.9999999999999998889...E-01");
    EXPECT_EQ(place.middle.text, "3.0000000000000001665...E-01");
    EXPECT_EQ(place.high.text, "3.0000000000000004440...E-01");
    EXPECT_EQ(place.exact_text, place.middle.text);

    c.operation = Operation::sub;
    c.operands = {hex("3FF0000000000000"), hex("3FF0000000000000"), 0};
    const ExactPlace zero = place_exact_result(c, compute(c));
    EXPECT_EQ(zero.middle.text, "0");
    EXPECT_EQ(zero.high.text, "4.9406564584124654417...E-324");

    c.format = &E4M3;
    c.operation = Operation::mul;
    c.operands = {hex("7E"), hex("40"), 0};
    const ExactPlace overflow = place_exact_result(c, compute(c));
    EXPECT_EQ(line_digits(E4M3), 5);
    EXPECT_EQ(overflow.low.text, "4.48E+02");
    EXPECT_EQ(overflow.high.text, "4.8E+02");
    EXPECT_EQ(overflow.exact_text, "8.96E+02");
}

TEST(NumberLine, NaNsAndInfinitiesHaveNoPlace) {
    ArithmeticCase c;
    c.operation = Operation::div;
    c.operands = {hex("0000000000000000"), hex("0000000000000000"), 0};
    EXPECT_EQ(place_exact_result(c, compute(c)).kind, ExactPlaceKind::none);
    c.operands = {hex("3FF0000000000000"), hex("0000000000000000"), 0};
    EXPECT_EQ(place_exact_result(c, compute(c)).kind, ExactPlaceKind::none);
}

} // namespace
} // namespace binora
