// The arithmetic core against the machine's own binary32 and binary64 arithmetic: each
// operation the hardware has (+ - * / and the square root as SSE instructions, fma as the
// FMA3 instruction when the processor has it and as the C library's std::fma, the
// conversions between the two formats) in its four rounding modes, set with fesetround, its
// flags read with fetestexcept. The oracle of exact_rounding.hpp is held to the hardware
// alike, which vouches for it where the hardware cannot go (ties away from zero, the other
// formats).
//
// Each operation is one instruction in inline assembly: the compiler can neither fold it,
// nor move it across the mode change or the flag test, nor swap its operands, whose order
// decides which NaN comes out. SSE returns the first NaN operand quieted, as the core does;
// for an invalid operation it makes a NaN of its own (negative), so there any NaN will do.

#include "arith/arithmetic.hpp"
#include "arith_checks.hpp"
#include "exact_rounding.hpp"
#include "machine_modes.hpp"
#include "random_words.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace binora {
namespace {

#if defined(__x86_64__)

using testing::exact_compute;
using testing::flags_of;
using testing::MACHINE_MODES;
using testing::MachineMode;
using testing::Match;
using testing::MismatchLog;
using testing::RandomWords;

const FormatTraits& BINARY32 = FORMATS[0];
const FormatTraits& BINARY64 = FORMATS[1];

constexpr int CASES_PER_OPERATION = 2000 / testing::CASE_DIVISOR;

float f32(Word128 word) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(word));
}
double f64(Word128 word) {
    return std::bit_cast<double>(static_cast<std::uint64_t>(word));
}
Word128 w32(float value) {
    return std::bit_cast<std::uint32_t>(value);
}
Word128 w64(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// "op %src, %dst": dst = dst op src, the first operand a in dst.
#define BINORA_SSE2(instruction, type, a, b)                                                       \
    [](type x, type y) {                                                                           \
        asm volatile(instruction " %1, %0" : "+x"(x) : "x"(y) : "memory");                         \
        return x;                                                                                  \
    }(a, b)

// The hardware's result of the operation on the operands' words in the current mode.
using MachineOperation = std::function<Word128(const std::array<Word128, 3>&)>;

MachineOperation sse(Operation operation, bool single) {
    switch (operation) {
    case Operation::add:
        if (single)
            return [](auto& w) { return w32(BINORA_SSE2("addss", float, f32(w[0]), f32(w[1]))); };
        return [](auto& w) { return w64(BINORA_SSE2("addsd", double, f64(w[0]), f64(w[1]))); };
    case Operation::sub:
        if (single)
            return [](auto& w) { return w32(BINORA_SSE2("subss", float, f32(w[0]), f32(w[1]))); };
        return [](auto& w) { return w64(BINORA_SSE2("subsd", double, f64(w[0]), f64(w[1]))); };
    case Operation::mul:
        if (single)
            return [](auto& w) { return w32(BINORA_SSE2("mulss", float, f32(w[0]), f32(w[1]))); };
        return [](auto& w) { return w64(BINORA_SSE2("mulsd", double, f64(w[0]), f64(w[1]))); };
    case Operation::div:
        if (single)
            return [](auto& w) { return w32(BINORA_SSE2("divss", float, f32(w[0]), f32(w[1]))); };
        return [](auto& w) { return w64(BINORA_SSE2("divsd", double, f64(w[0]), f64(w[1]))); };
    case Operation::sqrt:
        if (single)
            return [](auto& w) {
                float r = 0;
                asm volatile("sqrtss %1, %0" : "=x"(r) : "x"(f32(w[0])) : "memory");
                return w32(r);
            };
        return [](auto& w) {
            double r = 0;
            asm volatile("sqrtsd %1, %0" : "=x"(r) : "x"(f64(w[0])) : "memory");
            return w64(r);
        };
    case Operation::fma:
        // vfmadd132: dst = dst * src3 + src2 with a in dst, b in src3, c in src2 (AT&T order:
        // src3, src2, dst). The machine's NaN is the first of the formula's: a, b, c.
        if (single)
            return [](auto& w) {
                float a = f32(w[0]);
                asm volatile("vfmadd132ss %1, %2, %0"
                             : "+x"(a)
                             : "x"(f32(w[1])), "x"(f32(w[2]))
                             : "memory");
                return w32(a);
            };
        return [](auto& w) {
            double a = f64(w[0]);
            asm volatile("vfmadd132sd %1, %2, %0"
                         : "+x"(a)
                         : "x"(f64(w[1])), "x"(f64(w[2]))
                         : "memory");
            return w64(a);
        };
    case Operation::convert:
        if (single) // binary64 to binary32
            return [](auto& w) {
                float r = 0;
                asm volatile("cvtsd2ss %1, %0" : "=x"(r) : "x"(f64(w[0])) : "memory");
                return w32(r);
            };
        return [](auto& w) {
            double r = 0;
            asm volatile("cvtss2sd %1, %0" : "=x"(r) : "x"(f32(w[0])) : "memory");
            return w64(r);
        };
    case Operation::rem:
        break;
    }
    return {};
}

#undef BINORA_SSE2

// The C library's fma, through volatile operands so that nothing is folded (this file is
// compiled with -frounding-math, so no call moves across the mode change).
MachineOperation library_fma(bool single) {
    if (single)
        return [](auto& w) {
            volatile float a = f32(w[0]), b = f32(w[1]), c = f32(w[2]);
            volatile float r = std::fma(a, b, c);
            return w32(r);
        };
    return [](auto& w) {
        volatile double a = f64(w[0]), b = f64(w[1]), c = f64(w[2]);
        volatile double r = std::fma(a, b, c);
        return w64(r);
    };
}

struct MachineResult {
    Word128 word;
    unsigned flags;
};

MachineResult run_in_mode(const MachineOperation& operation, const std::array<Word128, 3>& w,
                          int mode) {
    std::fesetround(mode);
    std::feclearexcept(FE_ALL_EXCEPT);
    const Word128 word = operation(w);
    const int raised = std::fetestexcept(FE_ALL_EXCEPT);
    std::fesetround(FE_TONEAREST);
    return {word, flags_of(raised)};
}

bool has_nan_operand(const ArithmeticCase& c) {
    for (int i = 0; i < operand_count(c.operation); ++i)
        if (testing::is_nan(c.operand_format(), c.operands[static_cast<std::size_t>(i)]))
            return true;
    return false;
}

struct HardwareCase {
    const char* name;
    Operation operation;
    const FormatTraits* format; // of the result
    const FormatTraits* source; // of the operands
    bool library = false;       // std::fma rather than the instruction
};

class MachineArithmetic : public ::testing::TestWithParam<HardwareCase> {};

// The core and the oracle against the hardware on random operands of one operation, in
// every mode. NaN results of invalid operations (no NaN operand) match any NaN.
TEST_P(MachineArithmetic, CoreAndOracleGiveTheMachineResult) {
    const HardwareCase& h = GetParam();
    const bool single = h.format == &BINARY32;
    if (h.operation == Operation::fma && !h.library && !__builtin_cpu_supports("fma"))
        GTEST_SKIP() << "no FMA3 instruction on this processor";
    const MachineOperation machine = h.library ? library_fma(single) : sse(h.operation, single);
    MismatchLog core_log;
    MismatchLog oracle_log;
    RandomWords random(static_cast<std::uint64_t>(h.operation) * 31 + (single ? 1 : 2) +
                       (h.library ? 7 : 0));
    for (int i = 0; i < CASES_PER_OPERATION; ++i) {
        ArithmeticCase c;
        c.operation = h.operation;
        c.format = h.format;
        c.source = h.source;
        c.operands = random.operands(h.operation, *h.source, *h.format);
        for (const MachineMode& mode : MACHINE_MODES) {
            c.rounding = mode.rounding;
            const MachineResult m = run_in_mode(machine, c.operands, mode.fenv);
            const ArithmeticResult core = compute(c);
            // A NaN of the machine's own making (an invalid operation; std::fma, whose
            // operand order the library chooses) stands for any NaN.
            const Match match{h.library || !has_nan_operand(c), true};
            ArithmeticResult expected;
            expected.word = m.word;
            expected.flags = m.flags;
            core_log.check(c, core, expected, match);
            oracle_log.check(c, exact_compute(c), expected, match);
        }
    }
    EXPECT_EQ(core_log.mismatches(), 0) << "core: of " << core_log.cases() << " cases";
    EXPECT_EQ(oracle_log.mismatches(), 0) << "oracle: of " << oracle_log.cases() << " cases";
}

// Words where the rules for signs, NaNs and the ends of the range decide: zeros, infinities,
// quiet and signalling NaNs of both signs with distinct payloads, the smallest subnormal, the
// smallest normal, one and the number after it, the largest finite number.
std::vector<Word128> special_words(bool single) {
    const std::vector<std::uint64_t> words64 = {
        0x0000000000000000, 0x8000000000000000, 0x7FF0000000000000, 0xFFF0000000000000,
        0x7FF8000000000001, 0xFFF8000000000002, 0x7FF0000000000003, 0xFFF4000000000004,
        0x0000000000000001, 0x8000000000000001, 0x0010000000000000, 0x3FF0000000000000,
        0xBFF0000000000001, 0x7FEFFFFFFFFFFFFF, 0xFFEFFFFFFFFFFFFF};
    const std::vector<std::uint32_t> words32 = {0x00000000, 0x80000000, 0x7F800000, 0xFF800000,
                                                0x7FC00001, 0xFFC00002, 0x7F800003, 0xFFA00004,
                                                0x00000001, 0x80000001, 0x00800000, 0x3F800000,
                                                0xBF800001, 0x7F7FFFFF, 0xFF7FFFFF};
    std::vector<Word128> words;
    if (single)
        words.assign(words32.begin(), words32.end());
    else
        words.assign(words64.begin(), words64.end());
    return words;
}

// Every combination of the special words as operands, in every mode.
TEST_P(MachineArithmetic, SpecialOperandsInEveryCombination) {
    const HardwareCase& h = GetParam();
    const bool single = h.format == &BINARY32;
    if (h.operation == Operation::fma && !h.library && !__builtin_cpu_supports("fma"))
        GTEST_SKIP() << "no FMA3 instruction on this processor";
    const MachineOperation machine = h.library ? library_fma(single) : sse(h.operation, single);
    const std::vector<Word128> words = special_words(h.source == &BINARY32);
    const std::size_t n = words.size();
    const int count = operand_count(h.operation);
    std::size_t combinations = 1;
    for (int i = 0; i < count; ++i)
        combinations *= n;
    MismatchLog log;
    for (std::size_t k = 0; k < combinations; ++k) {
        ArithmeticCase c;
        c.operation = h.operation;
        c.format = h.format;
        c.source = h.source;
        for (std::size_t i = 0, rest = k; i < static_cast<std::size_t>(count); ++i, rest /= n)
            c.operands[i] = words[rest % n];
        for (const MachineMode& mode : MACHINE_MODES) {
            c.rounding = mode.rounding;
            const MachineResult m = run_in_mode(machine, c.operands, mode.fenv);
            ArithmeticResult expected;
            expected.word = m.word;
            expected.flags = m.flags;
            log.check(c, compute(c), expected, {h.library || !has_nan_operand(c), true});
        }
    }
    EXPECT_EQ(log.mismatches(), 0) << "of " << log.cases() << " cases";
}

INSTANTIATE_TEST_SUITE_P(
    EveryOperation, MachineArithmetic,
    ::testing::Values(HardwareCase{"add32", Operation::add, &BINARY32, &BINARY32},
                      HardwareCase{"add64", Operation::add, &BINARY64, &BINARY64},
                      HardwareCase{"sub32", Operation::sub, &BINARY32, &BINARY32},
                      HardwareCase{"sub64", Operation::sub, &BINARY64, &BINARY64},
                      HardwareCase{"mul32", Operation::mul, &BINARY32, &BINARY32},
                      HardwareCase{"mul64", Operation::mul, &BINARY64, &BINARY64},
                      HardwareCase{"div32", Operation::div, &BINARY32, &BINARY32},
                      HardwareCase{"div64", Operation::div, &BINARY64, &BINARY64},
                      HardwareCase{"sqrt32", Operation::sqrt, &BINARY32, &BINARY32},
                      HardwareCase{"sqrt64", Operation::sqrt, &BINARY64, &BINARY64},
                      HardwareCase{"fma32", Operation::fma, &BINARY32, &BINARY32},
                      HardwareCase{"fma64", Operation::fma, &BINARY64, &BINARY64},
                      HardwareCase{"library_fma32", Operation::fma, &BINARY32, &BINARY32, true},
                      HardwareCase{"library_fma64", Operation::fma, &BINARY64, &BINARY64, true},
                      HardwareCase{"convert64to32", Operation::convert, &BINARY32, &BINARY64},
                      HardwareCase{"convert32to64", Operation::convert, &BINARY64, &BINARY32}),
    [](const ::testing::TestParamInfo<HardwareCase>& param) { return param.param.name; });

#else

TEST(MachineArithmetic, NeedsX86_64) {
    GTEST_SKIP() << "the machine's arithmetic is reached through SSE instructions";
}

#endif

} // namespace
} // namespace binora
