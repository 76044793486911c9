#pragma once

// What the main dialog's controller does when a bit edit changes or gains the focus, reduced
// to the bit-editing routines, so that user actions on the dialog run the same sequence:
// a change updates the cursor read-out, validates the edit and rebuilds X; entering an edit
// updates the cursor read-out (the position then shows "0") and rebuilds X.

#include "dialog/dialog_record.hpp"

namespace binora::testing {

void bit_edit_changed(DIALOG_RECORD& dialog, int id, int event);
void bit_edit_focused(DIALOG_RECORD& dialog, int id, int event);

// Attaches both routines to the ten bit edits of the main dialog.
void route_bit_edits(DIALOG_RECORD& dialog);

} // namespace binora::testing
