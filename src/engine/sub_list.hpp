#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// The parameter list's selection changed: shows the selected row's parameter (exponent,
// significand, ULP, X+, X-, epsilon) in IDC_NEAREST with its caption.
void SUB_LIST(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
