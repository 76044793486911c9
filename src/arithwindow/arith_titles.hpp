#pragma once

// The arithmetic window in the interface language: the window's caption, every control's
// caption, the items of the operation and lesson lists, the table's headings and the words
// under the lesson list.

#include "dialog/dialog_record.hpp"

namespace binora {

// Applies the language of ARITH.LANG.
void SET_ARITH_TITLES(DIALOG_RECORD& dialog);

} // namespace binora
