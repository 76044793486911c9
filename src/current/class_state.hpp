#pragma once

// The class of the current value as the window's routines share it: COMUN's class flags,
// the signs of a typed infinity or NaN, and the class texts in COMUN.DATATYPE.

#include "numeric/classify.hpp"

#include <cstdint>
#include <string_view>

namespace binora {

// Sets COMUN's class flags (IS_ZERO, IS_SUBNORMAL, IS_INFINITY, IS_NAN, IS_FINITE,
// IS_EXP_MAX, IS_EXP_MIN) from an exponent and a significand bit string (class_of_fields).
void ISNONNUMBER(std::int32_t exponent_width, std::int32_t significand_width,
                 std::string_view exponent_bits, std::string_view significand_bits);

// The flags COMUN holds now (also those a typed infinity or NaN text set).
ClassFlags current_class_flags();

// Inspects the first characters of COMUN.VALUE_CHAR for the NaN and infinity spellings
// (typed_spelling); sets IS_NAN and NAN_SIGN, and, when the text is no NaN, IS_INFINITY and
// INF_SIGN ("1" for a text that begins with "-", else "0").
void ISINFINITY_OR_NAN();

// Fills COMUN.DATATYPE, element 0 Romanian and element 1 English, each padded to 30
// characters, with the class text (readout/class_text.hpp) of COMUN's flags and KIND_REAL.
void RETRIEVEDATATYPE();

} // namespace binora
