#pragma once

// Classification of a bit pattern, and the infinity and NaN spellings a typed value may start
// with. Pure functions.

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <cstdint>
#include <string_view>

namespace binora {

// Field tests over characters 1..n of `bits` (which holds at least n characters); a count
// of 0 or less yields true. Each stops at the first character that fails.
bool ALLBITS_ZERO(std::int32_t n, std::string_view bits);        // all "0"
bool ALLBITS_ONE(std::int32_t n, std::string_view bits);         // all "1"
bool ALLZERO_EXCEPT_LAST(std::int32_t n, std::string_view bits); // 1..n-1 all "0"
bool ALLONE_EXCEPT_LAST(std::int32_t n, std::string_view bits);  // 1..n-1 all "1"

// The class of a bit pattern.
struct ClassFlags {
    bool is_zero = false;      // exponent all 0, significand all 0
    bool is_subnormal = false; // exponent all 0, significand not all 0
    bool is_infinity = false;  // exponent all 1, significand all 0
    bool is_nan = false;       // exponent all 1, significand not all 0
    bool is_finite = false;    // exponent not all 1
    bool is_exp_max = false;   // every exponent bit but the last is 1
    bool is_exp_min = false;   // every exponent bit but the last is 0
};

// The class of an exponent and a significand bit string.
ClassFlags class_of_fields(std::int32_t exponent_width, std::int32_t significand_width,
                           std::string_view exponent_bits, std::string_view significand_bits);

// The class of a storage word of `format` (its low storage-width bits): for the formats whose
// all-ones exponent holds infinities and NaNs, the same flags as class_of_fields of the
// word's exponent and significand fields; for a format whose all-ones exponent holds finite
// numbers, only the all-ones significand is a NaN, nothing an infinity, and is_exp_max marks
// the all-ones exponent, the largest.
ClassFlags class_of_word(const FormatTraits& format, Word128 word);

// What the first three characters of a typed text spell (a shorter text is read as if
// blank-padded): "NaN", "Nan", "nan", "naN", "+Na", "+na", "-Na", "-na" a NaN, otherwise
// "Inf", "inf", "+In", "+in", "-In", "-in" an infinity; a "-" first makes it negative.
// Nothing else (" inf", "INF", "nAn") is either.
struct TypedSpelling {
    bool is_nan = false;
    bool is_infinity = false; // never together with is_nan
    bool negative = false;    // the text begins with "-", whatever it spells
};
TypedSpelling typed_spelling(std::string_view text);

} // namespace binora
