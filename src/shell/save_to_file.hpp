#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// The summary's "Save to File" button: asks for a file and writes the seven paragraphs of the
// current language to it (Windows-1252, CR LF), then confirms with the full path. Failures
// are reported; an existing file is never left half-written.
void SAVE_TO_FILE(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
