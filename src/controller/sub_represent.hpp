#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// The main dialog's controller for the value edit, the kind radios, the bit edits, the bulk
// buttons and the language radios: decides what each event means and clears the read-outs
// it makes stale. Other ids do nothing.
void SUB_REPRESENT(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
