#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Complements the current field, named by (KIND_REAL, FIELD_WIDTH); nothing when none.
void GETANDFLIPBITS_CURRENTFIELD(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
