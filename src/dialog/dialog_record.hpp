#pragma once

// The dialog record: a copy of every control's values for one dialog, the routines attached
// to its (control, event) pairs and, while the dialog is shown, its window. The program
// reads and writes the record with the DIALOG_* operations (dialog_operations.hpp); the
// layer keeps the record and the window in step. A record without a window works fully:
// values stay in it and user actions can be simulated on it (testing/user_input.hpp).

#include "dialog/control_index.hpp"
#include "dialog/dialog_template.hpp"
#include "dialog/line_mark.hpp"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace binora {

struct DIALOG_RECORD;
class DialogWindow;

// A routine has the form routine(dialog record, control id, event kind). For the
// dialog-level and resize routines the control id is the dialog's template id.
using DialogRoutine = std::function<void(DIALOG_RECORD& dialog, int id, int event)>;

struct ControlRecord {
    ControlKind kind = ControlKind::Static;
    int id = 0;
    bool dirty = false;     // has a write not yet pushed to the window
    bool duplicate = false; // id occurs more than once: every operation on it fails
    bool enabled = true;
    bool visible = true;
    bool state = false;      // checked state of a check box or radio button
    std::string text;        // caption, or the text of an edit (its length is the text length)
    int caret = 0;           // edit: characters before the caret
    std::string description; // edit: told to screen readers beyond its name (PROP_DESCRIPTION)
    std::vector<std::string> items; // list box, drop-down list and table item (row) texts
    int selection = 0; // list box, drop-down list, table: 1-based selected item, 0 for none
    std::vector<LineMark> marks; // number line
    int group_first = -1;        // radio button: indexes (in `controls`) of its group's bounds
    int group_last = -1;
    std::vector<std::pair<int, DialogRoutine>> routines; // one slot per event the kind raises
    const ControlTemplate* source = nullptr;             // the template item it was built from
};

struct DIALOG_RECORD {
    int template_id = 0;
    const DialogTemplate* source = nullptr;
    std::unique_ptr<DialogWindow> window; // the window while it exists
    bool modal = false;                   // the window is a modal run
    DIALOG_RECORD* owner = nullptr;       // dialog whose window owns this one's window
    int return_value = 1;
    DialogRoutine dialog_routine; // EVENT_INIT and EVENT_DESTROY
    DialogRoutine resize_routine; // EVENT_RESIZE
    std::string caption;          // set by DIALOG_SET_TITLE, used when the window is created
    bool caption_set = false;
    bool dirty = false;
    bool busy = false; // values are being pushed into the window; notifications are ignored
    std::vector<ControlRecord> controls;
    ControlIndex index; // finds `controls` by id

    DIALOG_RECORD();
    ~DIALOG_RECORD();
    DIALOG_RECORD(const DIALOG_RECORD&) = delete;
    DIALOG_RECORD& operator=(const DIALOG_RECORD&) = delete;
};

// The control with this id, or nullptr when absent or duplicate; constant time.
inline ControlRecord* find_control(DIALOG_RECORD& dialog, int id) {
    const int position = dialog.index.find(id);
    return position == ControlIndex::NONE ? nullptr
                                          : &dialog.controls[static_cast<std::size_t>(position)];
}

// Whether a control of this kind raises `event`.
bool kind_raises(ControlKind kind, int event);

// The default event of a control kind (clicked, changed, selection changed), 0 for kinds
// that raise none.
int default_event(ControlKind kind);

} // namespace binora
