#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Shows in IDC_NEAREST the significand of the bits now in the significand edit(s) of the
// current kind, written with significand_form (number_format.hpp) and left-justified:
// 1.b1b2... for a normal number, 0.b1b2... for a subnormal number, 0 for a zero (by COMUN's
// class flags). IDC_NEAREST_LABEL gets "     Significand" in the language LANG.
void SUB_FRACTION(DIALOG_RECORD& dialog);

} // namespace binora
