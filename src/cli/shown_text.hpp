#pragma once

// What a control of a dialog record shows, read through the dialog layer.

#include "dialog/dialog_record.hpp"

#include <string>

namespace binora::cli {

// Reads the whole text of an edit or the caption of a static into `text` (its storage is
// reused), trailing blanks removed; empty for an unknown id.
void read_shown_text(DIALOG_RECORD& dialog, int id, std::string& text);

// The same as a new string.
std::string shown_text(DIALOG_RECORD& dialog, int id);

} // namespace binora::cli
