#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Shows the caret position of bit edit `id` in IDC_CURSOR_POS and its field width in
// IDC_FIELD_WIDTH (both pushed at once), and makes it the current field (FIELD_WIDTH).
void SHOWCURSORPOSITION_FIELD(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
