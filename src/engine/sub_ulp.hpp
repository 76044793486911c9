#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Shows ULP(X) of the current kind in IDC_NEAREST: the number is formatted into
// COMUN.VALUE_CHAR with kind_form ("(1pE)" for binary32, "(1pD)" for binary64 and binary128;
// ulp_number, readout/parameter_rows.hpp) and shown without its blanks. IDC_NEAREST_LABEL
// gets "        ULP(X)" in either language.
void SUB_ULP(DIALOG_RECORD& dialog);

} // namespace binora
