#pragma once

// The parameter list: each row asks the read-out core once for its text and caption
// (readout/parameter_rows.hpp) and shows them in IDC_NEAREST and IDC_NEAREST_LABEL, in the
// language LANG.

#include "dialog/dialog_record.hpp"

namespace binora {

// The list's selection changed: the check box IDC_BINARY_XPM is disabled, the selected row
// goes to COMUN.LIST_INDEX and its parameter is shown; no selection changes nothing more.
void SUB_LIST(DIALOG_RECORD& dialog, int id, int event);

// Row 1: the representation exponent E of the exponent field now in the exponent edit of the
// current kind: the field - bias, or Emin for a zero or a subnormal number (by COMUN's class
// flags, those of X when last rebuilt); the caption ends in " (Emin)", " (Emax)" or " (E)".
// The field is the edit's, not X's: a short field shows other bits than X's.
void SUB_EXPONENT(DIALOG_RECORD& dialog);

// Row 2: the significand of the bits now in the significand edit(s) of the current kind,
// each edit's digits at its place: 1.b1b2... for a normal number, 0.b1b2... for a subnormal
// number, 0 for a zero (by COMUN's class flags); the caption "     Significand".
void SUB_FRACTION(DIALOG_RECORD& dialog);

// Row 3: ULP(X) of the current kind; the caption "        ULP(X)".
void SUB_ULP(DIALOG_RECORD& dialog);

// Rows 4 and 5: X+ (nextUp) when COMUN.LIST_INDEX is 4, else X- (nextDown), in decimal, or
// as its bit pattern with the fields separated by "_" while the check box IDC_BINARY_XPM is
// checked; the caption names the neighbour and the layout. IDC_CURSOR_POS is cleared.
void SUB_NEAR(DIALOG_RECORD& dialog);

} // namespace binora
