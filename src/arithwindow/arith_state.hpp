#pragma once

// The arithmetic window's own state: its dialog record and its interface language. One
// instance, `ARITH`, for the whole run of binora-arith; `reset_arith_state` brings it back
// to the load-time state (tests use it between cases).
//
// How data flows: every input of the window (an operand typed, the format, operation or
// direction chosen, a lesson, a row of the table) reaches SUB_ARITH (sub_arith.hpp), which
// reads the inputs from the record (arith_inputs.hpp) and has SHOW_ARITHMETIC
// (show_arithmetic.hpp) ask the cores for everything shown: the arithmetic core reads the
// operands and computes the operation in each direction, the read-out core writes the
// operands' and the result's words as bits and values, and the number line's marks come from
// the place of the exact result (arith/number_line.hpp). The routine writes the texts into
// the controls; it computes nothing of its own.

#include "dialog/dialog_record.hpp"
#include "model/language.hpp"

namespace binora {

struct ArithGlobals {
    DIALOG_RECORD ARITH_DIALOG; // IDD_ARITH
    Language LANG = Language::english;
};

extern ArithGlobals ARITH;

// Releases the record and sets the language back to English.
void reset_arith_state();

} // namespace binora
