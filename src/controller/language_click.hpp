#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// A click on IDC_LANG_RO or IDC_LANG_EN: sets LANG and LANG_RO, re-captions the main dialog
// and rewrites the language-dependent read-outs (list row 2, the binary64 legend, the class
// text, the significand caption).
void switch_language(DIALOG_RECORD& dialog, int id);

} // namespace binora
