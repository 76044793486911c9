#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Shows in IDC_NEAREST the representation exponent E of the exponent field now in the
// exponent edit of the current kind: stored exponent - bias, or Emin for a zero or a
// subnormal number (by COMUN's class flags). IDC_NEAREST_LABEL gets the caption in the
// language LANG with " (Emin)", " (Emax)" or " (E)" after it (exponent_row,
// readout/parameter_rows.hpp).
void SUB_EXPONENT(DIALOG_RECORD& dialog);

} // namespace binora
