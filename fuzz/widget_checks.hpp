#pragma once

// What the user sees is what the program holds: the Qt windows of dialog records checked
// against the records, and the windows of the whole application checked for what a user
// must never meet (a box left open, two boxes at once, the keyboard focus in a window the
// user is not working in).

#include "dialog/dialog_record.hpp"

#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace binora {
class DialogWidget;
}

namespace binora::fuzz {

// The Qt window of a record (nullptr while it has none), and the widget of its control `id`.
DialogWidget* window_of(const DIALOG_RECORD& record);
QWidget* control_widget_of(DIALOG_RECORD& record, int id);

// Once the record's routines have returned: its window is shown, no write is pending, and
// every control's widget shows exactly the record's values: its text (in the program's code
// page) or caption, its check state, its enabled and visible state, a list's or drop-down
// list's items and selected row, a table's headings, cells and selected row, a number line's
// caption and marks (its texts inside it); an edit's caret lies within the record's text, and
// the widget's caret and selection within its own.
void check_widgets_show_record(const DIALOG_RECORD& record);

// Carets across one key press or click. What the program reads from an edit or writes and
// pushes into it leaves the widget's caret where the record has it, so an edit whose text or
// caret changed in the record across the event must show its caret there afterwards. Not
// looked at: a caret moved by the user alone (only the widget changes), and an edit that
// gained or lost the focus in the event: it is read when the focus moves, before the click
// places its caret or Tab selects its text, and before losing the focus drops its
// selection (whose end the layer reads as the caret).
class EditCarets {
  public:
    // Notes the record's edits before the event.
    void note(const DIALOG_RECORD& record);
    // After the event.
    void check_moved(const DIALOG_RECORD& record) const;

  private:
    std::vector<std::pair<std::string, int>> edits_; // text and caret, in template order
    const QWidget* focus_ = nullptr;
};

// The number of message boxes shown now.
int open_message_boxes();

// Between two actions of the user on the program's windows: no modal window and no message
// box is open.
void check_no_modal_open();

// The active window is the window the user works in (`expected`), and the keyboard focus, if
// any, is on an enabled, visible widget inside it.
void check_focus(const QWidget* expected);

} // namespace binora::fuzz
