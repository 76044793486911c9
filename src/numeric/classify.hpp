#pragma once

// Classification of a bit pattern and of typed infinity/NaN spellings, and the class texts.

#include "model/comun.hpp"

#include <cstdint>
#include <string_view>

namespace binora {

// Field tests over characters 1..n of `bits` (which holds at least n characters); a count
// of 0 or less yields true. Each stops at the first character that fails.
bool ALLBITS_ZERO(std::int32_t n, std::string_view bits);        // all "0"
bool ALLBITS_ONE(std::int32_t n, std::string_view bits);         // all "1"
bool ALLZERO_EXCEPT_LAST(std::int32_t n, std::string_view bits); // 1..n-1 all "0"
bool ALLONE_EXCEPT_LAST(std::int32_t n, std::string_view bits);  // 1..n-1 all "1"

// The class of a bit pattern, as COMUN's flags of the same names hold it.
struct ClassFlags {
    bool is_zero = false;      // exponent all 0, significand all 0
    bool is_subnormal = false; // exponent all 0, significand not all 0
    bool is_infinity = false;  // exponent all 1, significand all 0
    bool is_nan = false;       // exponent all 1, significand not all 0
    bool is_finite = false;    // exponent not all 1
    bool is_exp_max = false;   // every exponent bit but the last is 1
    bool is_exp_min = false;   // every exponent bit but the last is 0
};

// The class of an exponent and a significand bit string; a pure function of its arguments.
ClassFlags class_of_fields(std::int32_t exponent_width, std::int32_t significand_width,
                           std::string_view exponent_bits, std::string_view significand_bits);

// The flags COMUN holds now (also those a typed infinity or NaN text set).
ClassFlags current_class_flags();

// The class text of a datum of kind 4, 8 or 16 with these flags, without padding:
// element 1 Romanian, element 2 English.
TwoLanguageText class_texts(const ClassFlags& flags, int kind);

// Sets COMUN's class flags (IS_ZERO, IS_SUBNORMAL, IS_INFINITY, IS_NAN, IS_FINITE,
// IS_EXP_MAX, IS_EXP_MIN) from an exponent and a significand bit string (class_of_fields).
void ISNONNUMBER(std::int32_t exponent_width, std::int32_t significand_width,
                 std::string_view exponent_bits, std::string_view significand_bits);

// Inspects the first characters of COMUN.VALUE_CHAR for the NaN and infinity spellings;
// sets IS_NAN, IS_INFINITY, NAN_SIGN and INF_SIGN.
void ISINFINITY_OR_NAN();

// Fills both elements of COMUN.DATATYPE (30 characters each) from the class flags and
// KIND_REAL (class_texts).
void RETRIEVEDATATYPE();

} // namespace binora
