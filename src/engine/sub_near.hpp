#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Shows a neighbour of X in the current kind: X+ (NEAR4, NEAR8, NEAR16) when
// COMUN.LIST_INDEX is 4, else X- (NEAR_4, NEAR_8, NEAR_16). With the check box IDC_BINARY_XPM
// unchecked IDC_NEAREST gets the decimal text in the layout of ULP(X) (kind_form,
// number_format.hpp), blanks removed; checked, it gets the stored bit pattern with the fields
// separated by "_": whole for binary32 ("s_eeeeeeee_f...f", 34 characters), for binary64 and
// binary128 the sign, the exponent and "_..." before the 16 last significand bits, where a
// neighbour differs from X. IDC_NEAREST_LABEL names the neighbour and the layout; the
// language is read again from the radio IDC_LANG_RO into COMUN.LANG_RO and COMUN.LANG first.
// IDC_CURSOR_POS is cleared.
void SUB_NEAR(DIALOG_RECORD& dialog);

} // namespace binora
