#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Enables the bit edits of KIND_REAL and disables the others; their texts stay.
void ENABLEBITEDITS(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
