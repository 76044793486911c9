#pragma once

// Classification of a bit pattern and of typed infinity/NaN spellings, and the class texts.

#include <cstdint>
#include <string_view>

namespace binora {

// Field tests over characters 1..n of `bits` (which holds at least n characters); a count
// of 0 or less yields true. Each stops at the first character that fails.
bool ALLBITS_ZERO(std::int32_t n, std::string_view bits);        // all "0"
bool ALLBITS_ONE(std::int32_t n, std::string_view bits);         // all "1"
bool ALLZERO_EXCEPT_LAST(std::int32_t n, std::string_view bits); // 1..n-1 all "0"
bool ALLONE_EXCEPT_LAST(std::int32_t n, std::string_view bits);  // 1..n-1 all "1"

// Sets COMUN's class flags (IS_ZERO, IS_SUBNORMAL, IS_INFINITY, IS_NAN, IS_FINITE,
// IS_EXP_MAX, IS_EXP_MIN) from an exponent and a significand bit string.
void ISNONNUMBER(std::int32_t exponent_width, std::int32_t significand_width,
                 std::string_view exponent_bits, std::string_view significand_bits);

// Inspects the first characters of COMUN.VALUE_CHAR for the NaN and infinity spellings;
// sets IS_NAN, IS_INFINITY, NAN_SIGN and INF_SIGN.
void ISINFINITY_OR_NAN();

// Fills both elements of COMUN.DATATYPE (30 characters each) from the class flags and
// KIND_REAL.
void RETRIEVEDATATYPE();

} // namespace binora
