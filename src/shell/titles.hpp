#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// Fills BINORAGLOBALS.TITLE: all 32 entries blank, then captions 1-14 of both languages.
void INITITLES();

// Applies the 14 captions of language LANG to the dialog (entry 1 is the window caption).
void SETTITLES(DIALOG_RECORD& dialog);

} // namespace binora
