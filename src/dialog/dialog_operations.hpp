#pragma once

// The DIALOG_* operations: typed access to the controls of a dialog by control id, routines
// per (control, event), modal and modeless runs.
//
// Writes made while a dialog's own routine runs stay pending in the record and reach the
// window when the routine returns (or at DIALOG_FLUSH); other writes reach it at once.
// Writes made by the program never raise events. Texts are fixed-length on the program's
// side: a set drops trailing blanks, a get pads the caller's buffer with blanks or cuts.
// Logical results are false for an unknown or duplicate id and for a property the
// control's kind does not have; nothing changes then.

#include "dialog/dialog_constants.hpp"
#include "dialog/dialog_record.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace binora {

class DialogWindow;

// Builds the record from template `template_id` (no window yet); false if the template is
// missing. Return value 1, do-nothing routines, push buttons closing the dialog on click.
bool DIALOG_INIT(int template_id, DIALOG_RECORD& dialog);

// Frees the record's storage (its window, if any, is destroyed first).
void DIALOG_RELEASE(DIALOG_RECORD& dialog);

// Stores `routine` for `event` of control `id`, or with the template id for the dialog
// level (EVENT_INIT/EVENT_DESTROY) or EVENT_RESIZE. Without `event`: the kind's default
// event. False for an event the kind does not raise.
bool DIALOG_SET_CALLBACK(DIALOG_RECORD& dialog, int id, DialogRoutine routine);
bool DIALOG_SET_CALLBACK(DIALOG_RECORD& dialog, int id, DialogRoutine routine, int event);

bool DIALOG_SET_INT(DIALOG_RECORD& dialog, int id, int value, int property = PROP_DEFAULT);
bool DIALOG_SET_FLAG(DIALOG_RECORD& dialog, int id, bool value, int property = PROP_DEFAULT);
bool DIALOG_SET_TEXT(DIALOG_RECORD& dialog, int id, std::string_view text,
                     int property = PROP_DEFAULT);

bool DIALOG_GET_INT(DIALOG_RECORD& dialog, int id, int& value, int property = PROP_DEFAULT);
bool DIALOG_GET_FLAG(DIALOG_RECORD& dialog, int id, bool& value, int property = PROP_DEFAULT);
// Reads a text into `text`, made exactly `length` characters long (blank-padded or cut).
bool DIALOG_GET_TEXT(DIALOG_RECORD& dialog, int id, std::string& text, std::size_t length,
                     int property = PROP_DEFAULT);

// The marks of a number line control (line_mark.hpp), in drawing order; false for any other
// kind.
bool DIALOG_SET_MARKS(DIALOG_RECORD& dialog, int id, const std::vector<LineMark>& marks);
bool DIALOG_GET_MARKS(DIALOG_RECORD& dialog, int id, std::vector<LineMark>& marks);

// Sets the dialog caption (at once if the window exists).
void DIALOG_SET_TITLE(DIALOG_RECORD& dialog, std::string_view title);

// Pushes the pending writes to the window now; every control with `flush_all`.
void DIALOG_FLUSH(DIALOG_RECORD& dialog, bool flush_all = false);

// Creates the window modal and runs it until it closes; the record's return value, or -1
// if the window cannot be created.
int DIALOG_RUN_MODAL(DIALOG_RECORD& dialog);

// Creates the window modeless (or brings the existing one to the front), shows it and
// returns at once; false if it cannot be created. Without a parent the window of the
// dialog whose routine is running owns it.
bool DIALOG_SHOW_MODELESS(DIALOG_RECORD& dialog, int show_command = SW_SHOWNORMAL,
                          DialogWindow* parent = nullptr);

// A queued key message, as far as dialog keyboard handling needs it.
struct DialogMessage {
    enum class Key { Escape, Enter, Other };
    Key key = Key::Other;
    int focus_id = 0; // id of the control with the focus in the target dialog, 0 if none
};

// Offers the message to the active modeless dialog: Escape issues command 2 (CANCEL), Enter
// the default push button's id (or the focused push button's, or 1). True if taken.
bool DIALOG_IS_DIALOG_MESSAGE(const DialogMessage& message);

// Closes the dialog keeping its return value: values are read back, then the modal run ends
// or the modeless window is destroyed.
void DIALOG_EXIT(DIALOG_RECORD& dialog);

} // namespace binora
