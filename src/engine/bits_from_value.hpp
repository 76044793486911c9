#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Reads the number typed in COMUN.VALUE_CHAR into X of the current kind (X4, X8 or X16,
// by KIND_REAL; see decimal_reader.hpp for syntax and rounding) and shows its stored bits
// in the sign, exponent and significand edits of that kind. A text that is no number or
// that overflows the kind gives the "Invalid Value" box; X and the bit edits then keep what
// they held. A text beginning with a comma or slash holds no number: X keeps its value and
// its bits are shown again. No other control changes.
void BITSFROMVALUE(DIALOG_RECORD& dialog);

} // namespace binora
