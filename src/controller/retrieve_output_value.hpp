#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// A bit edit gained the focus: cursor read-out (then "0"), X rebuilt from the bit edits and
// classified, and written back into IDC_VALUE_X in canonical form.
void RETRIEVEANDOUTPUTVALUE(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
