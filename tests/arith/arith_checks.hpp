#pragma once

// How the arithmetic tests compare a result of the core with the expected one, and how they
// name a case when the two differ.

#include "arith/arithmetic.hpp"

#include <string>

namespace binora::testing {

// "fma binary16 rtz saturate a=3C00 b=... c=...".
std::string describe(const ArithmeticCase& arithmetic_case);

// The result as "word flags real grs", e.g. "3C01 inexact number 101".
std::string describe(const FormatTraits& format, const ArithmeticResult& result);

// How many times fewer cases the random and exhaustive loops check in an unoptimised or
// sanitized build (CI runs the suite under AddressSanitizer too, where each case costs ten
// times as much): the same arithmetic, sampled more thinly.
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
inline constexpr int CASE_DIVISOR = 16;
#else
inline constexpr int CASE_DIVISOR = 1;
#endif

// Whether the word is a NaN of the format, read from its fields.
bool is_nan(const FormatTraits& format, Word128 word);

// What a comparison looks at.
struct Match {
    // Any NaN stands for an expected NaN (where the reference's NaN is of its own choosing).
    bool any_nan = false;
    // The word and the flags only (the reference says nothing about the exact result).
    bool word_and_flags_only = false;
};

// Whether the core's result is the expected one: the word, the flags, what the exact result
// is (its sign when infinite) and, for a number, the guard, round and sticky bits.
bool same_result(const FormatTraits& format, const ArithmeticResult& actual,
                 const ArithmeticResult& expected, Match match = {});

// Counts the cases of a table-driven run and reports the first few that differ, so that one
// fault does not bury the output.
class MismatchLog {
  public:
    // Records a case; reports it (ADD_FAILURE) when it differs, up to a limit.
    void check(const ArithmeticCase& arithmetic_case, const ArithmeticResult& actual,
               const ArithmeticResult& expected, Match match = {});
    int cases() const { return cases_; }
    int mismatches() const { return mismatches_; }

  private:
    int cases_ = 0;
    int mismatches_ = 0;
};

} // namespace binora::testing
