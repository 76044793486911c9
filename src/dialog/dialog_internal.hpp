#pragma once

// Internals shared by the files of the record part of the dialog layer.

#include "dialog/dialog_record.hpp"

namespace binora::detail {

// Pushes the control to the window (if any) with the record busy, and clears its mark.
void push_control(DIALOG_RECORD& dialog, ControlRecord& control);
// Pushes every dirty control (every control with `all`) and clears the record's mark.
void push_controls(DIALOG_RECORD& dialog, bool all);
// Copies the window's values into a control that has no pending write.
void refresh_from_window(DIALOG_RECORD& dialog, ControlRecord& control);
// Copies the window's values of every control into the record.
void read_back_all(DIALOG_RECORD& dialog);

// Calls `routine` with the dialog marked as running (marks nest) and pushes what it wrote
// when it returns, if the dialog still has a window.
void run_routine(DIALOG_RECORD& dialog, const DialogRoutine& routine, int id, int event);
// Raises `event` of control `id` whether or not the record has a window (the scripted user
// input of testing/user_input.hpp uses it on windowless records): checks id and kind, then
// run_routine.
void raise_event(DIALOG_RECORD& dialog, int id, int event);

// Ends a modal run, or destroys a modeless window, after reading values back.
void close_dialog(DIALOG_RECORD& dialog);
// Destroys the window: owned windows first, values read back, EVENT_DESTROY, then the
// record forgets the window.
void destroy_window(DIALOG_RECORD& dialog);
// Forgets every reference the layer's module state holds to this record.
void forget_record(DIALOG_RECORD& dialog);

} // namespace binora::detail
