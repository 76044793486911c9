#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Shows a neighbour of X in the current kind: X+ (nextUp) when COMUN.LIST_INDEX is 4, else
// X- (nextDown). With the check box IDC_BINARY_XPM unchecked IDC_NEAREST gets the decimal
// text in the layout of ULP(X), blanks removed; checked, it gets the stored bit pattern with
// the fields separated by "_": whole for binary32 ("s_eeeeeeee_f...f", 34 characters), for
// binary64 and binary128 the sign, the exponent and "_..." before the 16 last significand
// bits (neighbour_row, readout/parameter_rows.hpp). IDC_NEAREST_LABEL names the neighbour
// and the layout; the language is read again from the radio IDC_LANG_RO into COMUN.LANG_RO
// and COMUN.LANG first. IDC_CURSOR_POS is cleared.
void SUB_NEAR(DIALOG_RECORD& dialog);

} // namespace binora
