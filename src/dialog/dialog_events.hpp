#pragma once

// What the window side reports to the record part: notifications of controls, commands,
// activation and size changes; and the few window facilities the shell uses directly
// (decorations, the message loop).

#include "dialog/dialog_record.hpp"

namespace binora {

// A notification `event` from control `id` of a dialog: ignored while the record is busy,
// for id 0 or an unknown id, or an event the kind does not raise; otherwise the routine in
// the event's slot runs with the dialog marked as running, and what it wrote is pushed
// when it returns.
void dispatch_event(DIALOG_RECORD& dialog, int id, int event);

// A command with a control id (Escape and the close box give 2, Enter the default button):
// dispatched like a click on that push button when it exists and is enabled (hidden counts);
// a command 2 from no control sets the return value 2 and closes the dialog. Other ids
// without a control are ignored.
void dialog_command(DIALOG_RECORD& dialog, int id);

// The id Enter issues in this dialog: the default push button's, else 1.
int enter_command_id(const DIALOG_RECORD& dialog);

// The window of a modeless dialog became active or inactive.
void dialog_activated(DIALOG_RECORD& dialog, bool active);
DIALOG_RECORD* active_modeless_dialog();

// The window was restored, minimised or maximised: runs the resize routine.
void dialog_resized(DIALOG_RECORD& dialog);

// The dialog whose routine is running now, or nullptr.
DIALOG_RECORD* running_dialog();

// Window decorations (no effect without a window).
void dialog_set_window_icon(DIALOG_RECORD& dialog, int image_id);
void dialog_set_control_image(DIALOG_RECORD& dialog, int control_id, int image_id);

// Runs the message loop of the installed window system until a quit is posted; returns the
// quit's exit value (0 without a window system).
int run_message_loop();
void post_quit_message(int exit_code);

} // namespace binora
