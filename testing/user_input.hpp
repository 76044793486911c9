#pragma once

// User actions on a dialog record that has no window, for tests, fuzz targets and
// benchmarks: the control's value changes first, as the window would show it, then its event is
// raised through the same dispatch as a window's notification. Every function returns false
// (and does nothing) when the control is absent, disabled or of the wrong kind.

#include "dialog/dialog_record.hpp"

#include <string_view>

namespace binora {

// Types `characters` one at a time at the caret: one change event per character.
bool user_type(DIALOG_RECORD& dialog, int id, std::string_view characters);

// Pastes `text` at the caret: one change event.
bool user_paste(DIALOG_RECORD& dialog, int id, std::string_view text);

// Selects the whole text and types over it with `text`: one change event.
bool user_replace_text(DIALOG_RECORD& dialog, int id, std::string_view text);

// Deletes the character before the caret: one change event (none at position 0).
bool user_backspace(DIALOG_RECORD& dialog, int id);

// Moves the caret (clamped to the text).
bool user_set_caret(DIALOG_RECORD& dialog, int id, int caret);

// Moves the keyboard focus into an edit: focus-gained event.
bool user_focus(DIALOG_RECORD& dialog, int id);

// Clicks a push button, check box (toggles; not an indicator) or radio button (selects it in
// its group).
bool user_click(DIALOG_RECORD& dialog, int id);

// Selects 1-based row `row` of a list box, drop-down list or table: selection-changed event.
bool user_select_row(DIALOG_RECORD& dialog, int id, int row);

// Presses Escape (command 2) or Enter (the default push button, else 1) in the dialog.
void user_escape(DIALOG_RECORD& dialog);
void user_enter(DIALOG_RECORD& dialog);

} // namespace binora
