#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Reads the text typed in COMUN.VALUE_CHAR with the read-out core's reader (read_typed_value,
// readout/typed_value.hpp) for the current kind; a text of fewer than three characters
// without its trailing blanks changes nothing. Otherwise shows the word's sign, exponent and
// significand fields in the bit edits of that kind. A number read becomes X; an infinity or
// NaN spelling fills its pattern and leaves X as it was (X is rebuilt from the edits when a
// bit edit is next entered). A text that is no number or that overflows the kind gives the
// "Invalid Value" box; X and the bit edits then keep what they held. A text beginning with a
// comma or slash holds no number: X keeps its value and its bits are shown again. No other
// control changes.
void BITSFROMVALUE(DIALOG_RECORD& dialog);

} // namespace binora
