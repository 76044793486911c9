#pragma once

// Start-up of binora-arith: the arithmetic window's record, its routines and initial values.

#include "dialog/dialog_record.hpp"
#include "model/language.hpp"

namespace binora {

// Start-up without a window: builds ARITH.ARITH_DIALOG from its template, registers its
// routines and sets its initial values: binary64, addition, rounding to nearest with ties to
// even, A and B empty, no lesson, the captions in `lang`. False when the template is missing.
bool build_arith_record(Language lang);

// The whole program: the record built, its window shown with `show_command` (the focus in
// A), the message loop, the record released. Returns the exit code: 0 after Exit, Escape or
// the close box, and 0 after the start-up error box.
int run_binora_arith(Language lang, int show_command);

// The window's dialog-level routine: its title-bar icon on EVENT_INIT, the end of the message
// loop (exit value 0) on EVENT_DESTROY.
void ARITHSUB(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
