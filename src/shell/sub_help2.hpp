#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// The summary dialog, modeless: its paragraphs are rewritten in the current language and it
// is shown (or brought to the front).
void SUB_HELP2(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
