#pragma once

// The About, Info and Summary dialogs opened by buttons of the main dialog, and the summary
// texts they show.

#include "dialog/dialog_record.hpp"

namespace binora {

// About box, modal, in the current language.
void SUB_ABOUT(DIALOG_RECORD& dialog, int id, int event);

// Info dialog (ULP, X+ and X-), modal.
void SUB_HELP(DIALOG_RECORD& dialog, int id, int event);

// Summary dialog, modeless: its paragraphs are rewritten in the current language and it is
// shown (or brought to the front).
void SUB_HELP2(DIALOG_RECORD& dialog, int id, int event);

// Fills BINORAGLOBALS.STATIC_2 (the 7 paragraphs in both languages) and ID_STATIC_2.
void INITIALIZE_STATIC_2();

} // namespace binora
