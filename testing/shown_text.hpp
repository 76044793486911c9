#pragma once

// What a control of a dialog record shows, read through the dialog layer: for fuzz targets
// and tests that drive the windowless program.

#include "dialog/dialog_record.hpp"

#include <string>

namespace binora {

// The whole text of an edit or the caption of a static, trailing blanks removed; empty for
// an unknown id.
std::string shown_text(DIALOG_RECORD& dialog, int id);

} // namespace binora
