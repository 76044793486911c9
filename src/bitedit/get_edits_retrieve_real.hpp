#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Rebuilds X of the current kind from its bit edits (every pattern stored exactly), asks the
// read-out core once for X's class and canonical form (window_read_out.hpp), keeps the class
// flags, shows the class text in IDC_DATATYPE and enables IDC_PARAM_LIST exactly for finite
// X; OUTPUTVALUE shows the canonical form next. Id and event are ignored.
void GETEDITSANDRETRIEVEREAL(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
