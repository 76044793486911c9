#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Rebuilds X of the current kind from its bit edits (every pattern stored exactly), sets the
// class flags, shows the class text in IDC_DATATYPE and enables IDC_PARAM_LIST exactly for
// finite X. Id and event are ignored.
void GETEDITSANDRETRIEVEREAL(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
