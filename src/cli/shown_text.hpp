#pragma once

// What a control of a dialog record shows, read through the dialog layer.

#include "dialog/dialog_record.hpp"

#include <string>

namespace binora::cli {

// The whole text of an edit or the caption of a static, trailing blanks removed; empty for
// an unknown id.
std::string shown_text(DIALOG_RECORD& dialog, int id);

} // namespace binora::cli
