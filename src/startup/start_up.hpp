#pragma once

#include "dialog/dialog_record.hpp"

// Start-up of Binora: the two dialog records, their routines and every initial value.

namespace binora {

// Start-up without a window: builds MAIN_DIALOG and SUMMARY_DIALOG from their templates,
// registers the 36 routines, sets every initial value and the Romanian captions. False when
// a template is missing (nothing else is undone).
bool build_program_records();

// The whole program: build_program_records, the main dialog shown modeless with
// `show_command`, the message loop, both records released. Returns the exit code: 0 after
// Exit, Escape or the close box, and 0 after the start-up error box.
int run_binora(int show_command);

// The main dialog's dialog-level routine: decorates the window on EVENT_INIT and ends the
// message loop (exit value 0) on EVENT_DESTROY.
void BINORASUB(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
