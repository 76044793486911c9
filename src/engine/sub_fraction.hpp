#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Shows in IDC_NEAREST the significand of the bits now in the significand edit(s) of the
// current kind: 1.b1b2... for a normal number, 0.b1b2... for a subnormal number, 0 for a
// zero (by COMUN's class flags), written with significand_form and left-justified.
// IDC_NEAREST_LABEL gets "     Significand" in the language LANG (significand_row,
// readout/parameter_rows.hpp).
void SUB_FRACTION(DIALOG_RECORD& dialog);

} // namespace binora
