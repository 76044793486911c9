// The arithmetic core against exact rational arithmetic with a rounding of its own
// (exact_rounding.hpp) in every format, operation, direction and with saturation on and off:
// seeded random operands drawn where arithmetic goes wrong, every pair of 8-bit words for the
// two-operand operations, and every binary16 and bfloat16 word converted to the 8-bit formats.
// The word, the flags, what the exact result is and the guard, round and sticky bits must all
// agree.

#include "arith/arithmetic.hpp"
#include "arith_checks.hpp"
#include "exact_rounding.hpp"
#include "random_words.hpp"

#include <gtest/gtest.h>

namespace binora {
namespace {

using testing::CASE_DIVISOR;
using testing::every_format;
using testing::exact_compute;
using testing::MismatchLog;
using testing::RandomWords;

constexpr std::array<Operation, 7> COMPUTING = {Operation::add, Operation::sub, Operation::mul,
                                                Operation::div, Operation::fma, Operation::sqrt,
                                                Operation::rem};

// Every direction, with and without saturation, for the operands in `c`.
void check_every_direction(ArithmeticCase c, MismatchLog& log) {
    for (const Rounding rounding : ALL_ROUNDINGS) {
        for (const bool saturate : {false, true}) {
            c.rounding = rounding;
            c.saturate = saturate;
            log.check(c, compute(c), exact_compute(c));
        }
    }
}

// Random operands per format and operation; binary128's exact values are the largest and
// slowest, so it gets fewer.
TEST(ExactOracle, RandomOperandsEveryFormatOperationAndDirection) {
    MismatchLog log;
    for (const FormatTraits* format : every_format()) {
        const int count = (format->storage_bits == 128 ? 160 : 400) / CASE_DIVISOR;
        for (const Operation operation : COMPUTING) {
            RandomWords random(7919U * static_cast<unsigned>(operation) +
                               static_cast<unsigned>(format->storage_bits + format->precision));
            for (int i = 0; i < count; ++i) {
                ArithmeticCase c;
                c.operation = operation;
                c.format = format;
                c.operands = random.operands(operation, *format, *format);
                check_every_direction(c, log);
            }
        }
    }
    EXPECT_EQ(log.mismatches(), 0) << "of " << log.cases() << " cases";
}

TEST(ExactOracle, RandomConversionsBetweenEveryPairOfFormats) {
    MismatchLog log;
    RandomWords random(4242);
    for (const FormatTraits* from : every_format()) {
        for (const FormatTraits* to : every_format()) {
            for (int i = 0; i < 160 / CASE_DIVISOR; ++i) {
                ArithmeticCase c;
                c.operation = Operation::convert;
                c.format = to;
                c.source = from;
                c.operands = random.operands(Operation::convert, *from, *to);
                check_every_direction(c, log);
            }
        }
    }
    EXPECT_EQ(log.mismatches(), 0) << "of " << log.cases() << " cases";
}

// Every pair of words of the 8-bit formats for the operations whose results spread widest,
// each pair in one direction and saturation, taken in turn.
TEST(ExactOracle, EveryPairOfEightBitWords) {
    MismatchLog log;
    for (const FormatTraits* format : {&NARROW_FORMATS[2], &NARROW_FORMATS[3]}) {
        for (const Operation operation : {Operation::add, Operation::mul, Operation::div}) {
            for (unsigned pair = 0; pair < 0x10000; pair += CASE_DIVISOR) {
                ArithmeticCase c;
                c.operation = operation;
                c.format = format;
                c.operands = {pair >> 8, pair & 0xFF, 0};
                c.rounding = ALL_ROUNDINGS[(pair / CASE_DIVISOR) % 5];
                c.saturate = (pair / CASE_DIVISOR / 5) % 2 != 0;
                log.check(c, compute(c), exact_compute(c));
            }
        }
    }
    EXPECT_EQ(log.mismatches(), 0) << "of " << log.cases() << " cases";
}

// Every binary16 and bfloat16 word into each 8-bit format, and every 8-bit word into every
// format, in every direction and saturation.
TEST(ExactOracle, EveryWordOfTheNarrowFormatsConverted) {
    MismatchLog log;
    for (const FormatTraits* from : {&NARROW_FORMATS[0], &NARROW_FORMATS[1]}) {
        for (const FormatTraits* to : {&NARROW_FORMATS[2], &NARROW_FORMATS[3]}) {
            for (unsigned word = 0; word < 0x10000; word += CASE_DIVISOR) {
                ArithmeticCase c;
                c.operation = Operation::convert;
                c.source = from;
                c.format = to;
                c.operands[0] = word;
                c.rounding = ALL_ROUNDINGS[(word / CASE_DIVISOR) % 5];
                c.saturate = (word / CASE_DIVISOR / 5) % 2 != 0;
                log.check(c, compute(c), exact_compute(c));
            }
        }
    }
    for (const FormatTraits* from : {&NARROW_FORMATS[2], &NARROW_FORMATS[3]}) {
        for (const FormatTraits* to : every_format()) {
            for (unsigned k = 0; k < 0x100 * 10; k += CASE_DIVISOR) {
                ArithmeticCase c;
                c.operation = Operation::convert;
                c.source = from;
                c.format = to;
                c.operands[0] = k / 10;
                c.rounding = ALL_ROUNDINGS[k % 5];
                c.saturate = k % 10 >= 5;
                log.check(c, compute(c), exact_compute(c));
            }
        }
    }
    EXPECT_EQ(log.mismatches(), 0) << "of " << log.cases() << " cases";
}

} // namespace
} // namespace binora
